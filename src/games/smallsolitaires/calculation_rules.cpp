#include "games/smallsolitaires/calculation_rules.h"

#include "core/cards.h"
#include "core/deck.h"
#include "core/stock.h"

#include <algorithm>
#include <stdexcept>

namespace calculationrules {
namespace {

constexpr std::int16_t kUsed = -1;
constexpr int kKing = 13;

void clear(CalculationTable& t) {
    t.pilecount.fill(0);
    t.foundneed = {0, 2, 4, 6, 8};
    t.closed.fill(false);
    t.turned = 0;
}

// Ranks, tags and drag rights of a dealt deckorder: every card but the starters in the stock,
// nothing draggable until it is turned.
void lay(CalculationTable& t) {
    for (int i = 1; i <= kCards; ++i) {
        t.cardrank[i] = static_cast<std::int16_t>(core::rankof(t.deckorder[i]));
        t.tag[i] = static_cast<std::int16_t>(i < kFirstStock ? i : kStockBand + i - (kFirstStock - 1));
        t.draggable[i] = false;
    }
}

void placestarters(CalculationTable& t) {
    for (int f = 1; f <= kFoundations; ++f) {
        t.deckorder[f] = kStarters[f - 1];
        t.cardused[kStarters[f - 1]] = kUsed;
    }
}

bool instock(const CalculationTable& t, int d) { return t.tag[d] > kStockBand; }

bool onpile(int tag, int p) { return tag > kPileBand * p && tag < kPileBand * (p + 1); }

// Every card of the pile moves one place down by `by`; the newcomer or the leaver sets its own tag.
void shiftpile(CalculationTable& t, int p, int by) {
    for (int i = 1; i <= kCards; ++i)
        if (onpile(t.tag[i], p)) t.tag[i] = static_cast<std::int16_t>(t.tag[i] + by);
}

void addtopile(CalculationTable& t, int d, int p) {
    ++t.pilecount[p];
    shiftpile(t, p, 1);
    t.tag[d] = static_cast<std::int16_t>(kPileBand * p + 1);
}

bool valid(int i, int last) { return i >= 1 && i <= last; }

}  // namespace

void startmeup(CalculationTable& t) {
    clear(t);
    t.cardused.fill(0);
    placestarters(t);
    for (int i = kFirstStock; i <= kCards; ++i)
        t.deckorder[i] = static_cast<std::int16_t>(core::drawfree(t.cardused, kCards));
    lay(t);
}

void startmeup(CalculationTable& t, const std::array<std::int16_t, kCards>& order) {
    if (!std::equal(kStarters.begin(), kStarters.end(), order.begin()))
        throw std::invalid_argument("a Calculation deal starts with the four starters");
    core::knowndeal(t.deckorder, t.cardused, order);
    clear(t);
    lay(t);
}

int pileof(int tag) {
    for (int p = 1; p <= kPiles; ++p)
        if (onpile(tag, p)) return p;
    return 0;
}

int piletop(const CalculationTable& t, int p) {
    for (int i = 1; i <= kCards; ++i)
        if (t.tag[i] == kPileBand * p + 1) return i;
    return 0;
}

int turnstock(CalculationTable& t) {
    if (t.turned >= kStockCards) return 0;
    const int position = t.turned + kFirstStock;
    t.draggable[position] = true;
    ++t.turned;
    return position;
}

std::string_view stockview(int turned) { return core::stockpicture(kStockCards - turned, 34, 14); }

bool ontopile(CalculationTable& t, int d, int p) {
    if (!valid(d, kCards) || !valid(p, kPiles) || !instock(t, d) || !t.draggable[d]) return false;
    addtopile(t, d, p);
    setdrags(t);
    return true;
}

CardDrop ontocard(CalculationTable& t, int d, int target) {
    if (!valid(d, kCards) || !valid(target, kCards)) return {};
    CardDrop drop{pileof(t.tag[target]) != 0, 0};
    if (drop.flick && instock(t, d) && t.draggable[d]) {
        drop.pile = pileof(t.tag[target]);
        addtopile(t, d, drop.pile);
    }
    setdrags(t);
    return drop;
}

bool takes(const CalculationTable& t, int d, int f) {
    return valid(d, kCards) && valid(f, kFoundations) && t.draggable[d] && !t.closed[f] &&
           t.foundneed[f] == t.cardrank[d];
}

bool ontofoundation(CalculationTable& t, int d, int f) {
    if (!takes(t, d, f)) return false;
    if (t.foundneed[f] == kKing) t.closed[f] = true;
    t.foundneed[f] = static_cast<std::int16_t>(t.foundneed[f] + f);
    if (t.foundneed[f] > kKing) t.foundneed[f] = static_cast<std::int16_t>(t.foundneed[f] - kKing);
    if (const int p = pileof(t.tag[d]); p != 0) {
        shiftpile(t, p, -1);
        --t.pilecount[p];
    }
    t.tag[d] = static_cast<std::int16_t>(f);
    setdrags(t);
    return true;
}

void setdrags(CalculationTable& t) {
    for (int i = 1; i <= kCards; ++i) {
        const int tag = t.tag[i];
        if (tag >= 5 * kPileBand) continue;
        t.draggable[i] = tag % kPileBand == 1 && pileof(tag) != 0;
    }
}

bool won(const CalculationTable& t) {
    return std::all_of(t.closed.begin() + 1, t.closed.end(), [](bool closed) { return closed; });
}

double pileStep(double slotTop, int count, double lowestTop) {
    if (count <= 1) return kPileStep;
    return std::clamp((lowestTop - slotTop) / (count - 1), 0.0, kPileStep);
}

int pileplace(const CalculationTable& t, int d, int p) {
    if (!onpile(t.tag[d], p)) return -1;
    return t.pilecount[p] - (t.tag[d] - kPileBand * p);
}

}  // namespace calculationrules
