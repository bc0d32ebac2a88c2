#include "games/accordion/accordion_rules.h"

#include "core/cards.h"
#include "core/stock.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace accordionrules {
namespace {

constexpr std::array<double, 7> kRowTop{0, 240, 1800, 3360, 4920, 6480, 8040};
constexpr std::array<int, 7> kFirstOfRow{0, 1, 8, 17, 26, 35, 44};
constexpr double kFirstLeft = 2280;     // position 1, right of the stock
constexpr double kRowStartLeft = 240;   // the first position of every other row
constexpr double kRaisedRowTop = 295;   // position 26 is placed from row 3's top plus rowstep less this
constexpr int kRowWithRaisedStart = 4;

// The stock picture: full while 27 or more cards are left, half down to 7, thin down to 1.
constexpr int kFullFrom = 27;
constexpr int kHalfFrom = 7;

double scaled(double design, float scale) { return design * double(scale); }

}  // namespace

std::int16_t step(double design, float scale) {
    return static_cast<std::int16_t>(std::nearbyint(scaled(design, scale)));
}

void lay(AccordionTable& t) {
    t.identslot = 1;
    t.slotend = kSlots + 1;
    t.laidout = 0;
    t.colstep = step(1280, t.scale);
    t.rowstep = step(1860, t.scale);
    t.movetarget = 0;
    t.movekind.clear();
    t.dealtcount = 0;
    t.pilecount = 0;
    for (int k = 1; k <= kSlots; ++k) {
        t.place[k].Top = kOffTable;
        t.place[k].Left = kOffTable;
        t.slot[k].card = t.deckorder[k];
        t.slot[k].tag = static_cast<std::int16_t>(k);
        suitsvalues(t, k);
    }
}

void showall(AccordionTable& t) {
    for (int k = 1; k <= kSlots; ++k) t.place[k].Visible = true;
}

void suitsvalues(AccordionTable& t, int k) {
    Record& r = t.slot[k];
    if (r.card < 1 || r.card > kSlots) return;
    r.cardsuit = core::suitofcode(r.card, core::SuitOrder::Window);
    r.cardrank = static_cast<std::int16_t>(core::rankof(r.card));
}

std::string_view stockpicture(int dealtcount) {
    return core::stockpicture(kSlots - dealtcount, kFullFrom, kHalfFrom);
}

int rowof(int n) {
    int row = 1;
    while (row < 6 && n >= kFirstOfRow[row + 1]) ++row;
    return row;
}

double slotTop(int n, float scale, int rowstep) {
    const int row = rowof(n);
    if (n == kFirstOfRow[kRowWithRaisedStart])
        return scaled(kRowTop[row - 1], scale) + rowstep - scaled(kRaisedRowTop, scale);
    return scaled(kRowTop[row], scale);
}

double slotLeft(int n, double previousLeft, float scale, int colstep) {
    if (n == 1) return scaled(kFirstLeft, scale);
    if (n == kFirstOfRow[rowof(n)]) return scaled(kRowStartLeft, scale);
    return previousLeft + colstep;
}

Dealt dealone(AccordionTable& t) {
    if (t.dealtcount >= kSlots) return {};
    ++t.dealtcount;
    ++t.pilecount;
    const int p = t.pilecount;
    if (!t.place[p].Visible) {
        t.place[p].Visible = true;
        return {p, true};
    }
    ++t.laidout;
    const int n = t.laidout;
    t.place[n].Left = slotLeft(n, n > 1 ? t.place[n - 1].Left : 0, t.scale, t.colstep);
    t.place[n].Top = slotTop(n, t.scale, t.rowstep);
    suitsvalues(t, t.identslot);
    ++t.identslot;
    return {n, false};
}

std::string_view movefrom(int n, int tag) {
    if (n < 1 || n >= kSlots) return {};
    if (tag == n + 1) return kLeft;
    if (n <= kSlots - 3 && tag == n + 3) return kLeftThree;
    return {};
}

bool matches(const AccordionTable& t, int n, int s) {
    return t.slot[n].cardsuit == t.slot[s].cardsuit || t.slot[s].cardrank == t.slot[n].cardrank;
}

bool drop(AccordionTable& t, int n, int tag) {
    const std::string_view kind = movefrom(n, tag);
    if (kind.empty()) return false;
    const int s = tag;
    // Only a pile on the table moves; the window lets no other row image be dragged.
    if (s > t.pilecount || !matches(t, n, s)) return false;
    t.slot[n].card = t.slot[s].card;
    t.slot[n].tag = static_cast<std::int16_t>(tag);
    t.movetarget = static_cast<std::int16_t>(n);
    t.movekind = kind;
    suitsvalues(t, n);
    tangledinblue(t, t.movetarget, t.movekind);
    return true;
}

void tangledinblue(AccordionTable& t, int mostrecent, std::string_view mostrecentmove) {
    --t.pilecount;
    t.place[t.pilecount + 1].Visible = false;
    int start = mostrecent;
    if (mostrecentmove == kLeftThree) {
        t.slot[mostrecent] = t.slot[mostrecent + 3];
        start = mostrecent + 3;
    }
    // slotend - 1 steps from the start reach the last card; the positions beyond it take stale
    // records that nothing shows or reads.
    const int last = std::min(kSlots - 1, start + t.slotend - 2);
    for (int c = start; c <= last; ++c) t.slot[c] = t.slot[c + 1];
    --t.slotend;
    t.place[t.slotend].Visible = false;
}

}  // namespace accordionrules
