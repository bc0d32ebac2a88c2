#include "games/fortythieves/fortythieves_rules.h"

#include "core/cards.h"
#include "core/deck.h"
#include "core/stock.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace fortythievesrules {
namespace {

constexpr double kParkingLeft = 5040;
constexpr double kParkingTop = -1560;
constexpr double kWasteLeft = 2040;
constexpr double kWasteTop = 480;
constexpr double kFoundationLeft = 3600;
constexpr double kFoundationTop = 480;
constexpr double kColumnStep = 1200;
constexpr double kFirstRowTop = 2760;
constexpr double kCardStep = 300;  // a card placed on another lies this far below it
constexpr int kRows = 4;

// The stock picture's bands.
constexpr int kFullFrom = 31;
constexpr int kHalfFrom = 8;

bool valid(int k) { return k >= 1 && k <= kCards; }

// A card that play still reaches: every search and renumbering passes foundation cards over.
bool inplay(const Card& c) { return !c.onfoundation; }

void raise(FortyThievesTable& t, int k) { t.card[k].raised = ++t.raisecount; }

void place(Card& c, Place p) {
    c.Left = p.Left;
    c.Top = p.Top;
}

int columncount(const FortyThievesTable& t, int c, int except) {
    int count = 0;
    for (int k = 1; k <= kCards; ++k)
        if (k != except && incolumn(t, k, c)) ++count;
    return count;
}

// The card the turn or the renumbering leaves tagged `tag`: the lowest or the highest index.
int firsttagged(const FortyThievesTable& t, int tag) {
    for (int k = 1; k <= kCards; ++k)
        if (inplay(t.card[k]) && t.card[k].tag == tag) return k;
    return 0;
}
int lasttagged(const FortyThievesTable& t, int tag) {
    for (int k = kCards; k >= 1; --k)
        if (inplay(t.card[k]) && t.card[k].tag == tag) return k;
    return 0;
}

// The pile that card d has just left: the waste or its column.
void renumberfrom(FortyThievesTable& t, int d) {
    if (t.card[d].tag >= kWasteTags)
        redostack(t);
    else
        minosslots(t, d);
}

void laywaste(FortyThievesTable& t) {
    Card& top = t.card[kFirstWasteCard];
    raise(t, kFirstWasteCard);
    top.Visible = true;
    top.draggable = true;
    top.tag = kTopOfWaste;
    place(top, wasteplace(t.scale));
    for (int k = kFirstWasteCard + 1; k <= kCards; ++k)
        t.card[k].tag = static_cast<std::int16_t>(kNextInStock + k - kFirstWasteCard - 1);
}

}  // namespace

std::int16_t step(double design, float scale) {
    return static_cast<std::int16_t>(std::nearbyint(twips(design, scale)));
}

double twips(double design, float scale) { return design * double(scale); }

Place parkingplace(float scale) { return {twips(kParkingLeft, scale), twips(kParkingTop, scale)}; }

Place wasteplace(float scale) { return {twips(kWasteLeft, scale), twips(kWasteTop, scale)}; }

Place foundationplace(int k, float scale) {
    return {twips(kFoundationLeft + kColumnStep * (k - 1), scale), twips(kFoundationTop, scale)};
}

Place placeholderplace(int k, float scale) { return {twips(kColumnStep * k, scale), twips(kFirstRowTop, scale)}; }

void clearmarks(FortyThievesTable& t) { t.cardused.fill(0); }

void givecard(FortyThievesTable& t, int k, int code) {
    t.deckorder[k] = static_cast<std::int16_t>(code);
    t.card[k].cardsuit = core::suitofcode(code);
    t.card[k].cardrank = static_cast<std::int16_t>(core::rankof(code));
}

void makecards(FortyThievesTable& t) {
    for (int p = 1; p <= kDeckCards; ++p) givecard(t, p, core::drawfree(t.cardused, kDeckCards));
}

void makecards2(FortyThievesTable& t) {
    for (int p = kDeckCards + 1; p <= kCards; ++p)
        givecard(t, p, core::drawfree(t.cardused, kDeckCards, kDeckCards + 1));
}

void startvalues(FortyThievesTable& t) {
    t.dealtop = static_cast<std::int16_t>(kFirstRowTop);
    t.dealrow = kRows;
    t.wastetop = kFirstWasteCard;
    t.stockleft = kStockCards;
    t.nextrank.fill(1);
}

void park(FortyThievesTable& t) {
    for (int k = 1; k <= kCards; ++k) {
        Card& c = t.card[k];
        place(c, parkingplace(t.scale));
        c.Visible = false;
        c.draggable = false;
    }
}

void deal(FortyThievesTable& t) {
    for (int k = 1; k <= kCards; ++k) t.card[k].onfoundation = false;
    t.slotcard.fill(0);
    t.dealcard = 1;
    t.dealcol = 1;
    for (t.dealcount = 1; t.dealcount <= kTableauCards; ++t.dealcount) {
        t.dealstep = step(kColumnStep, t.scale);
        Card& c = t.card[t.dealcard];
        c.Left = double(t.dealstep) * t.dealcol;
        // The row's step was scaled once already when it was added: rows lie 300 x scale x scale apart.
        c.Top = twips(t.dealtop, t.scale);
        c.tag = static_cast<std::int16_t>(t.dealrow * kDepthStep + t.dealcol);
        c.Visible = true;
        raise(t, t.dealcard);
        ++t.dealcard;
        ++t.dealcol;
        if (t.dealcard > kTableauCards - kColumns && t.dealcard <= kTableauCards) t.card[t.dealcard].draggable = true;
        if ((t.dealcard - 1) % kColumns == 0) {
            t.dealcol = 1;
            --t.dealrow;
            t.dealtop = static_cast<std::int16_t>(std::nearbyint(t.dealtop + twips(kCardStep, t.scale)));
        }
        if (t.dealcard == kFirstWasteCard) laywaste(t);
    }
}

int columnof(int tag) {
    const int digit = tag % 10;
    return digit == 0 ? kColumns : digit;
}

bool incolumn(const FortyThievesTable& t, int k, int c) {
    const Card& card = t.card[k];
    return inplay(card) && card.tag > 0 && card.tag < kStockTags && columnof(card.tag) == c;
}

std::vector<int> columncards(const FortyThievesTable& t, int c) {
    std::vector<int> cards;
    for (int k = 1; k <= kCards; ++k)
        if (incolumn(t, k, c)) cards.push_back(k);
    std::ranges::stable_sort(cards, std::greater{}, [&](int k) { return t.card[k].tag; });
    return cards;
}

int topcard(const FortyThievesTable& t, int c) { return firsttagged(t, kDepthStep + c); }

bool movable(const FortyThievesTable& t, int k) {
    if (!valid(k) || !inplay(t.card[k])) return false;
    const int tag = t.card[k].tag;
    return tag == kTopOfWaste || (tag > kDepthStep && tag <= kDepthStep + kColumns);
}

int turn(FortyThievesTable& t) {
    if (t.stockleft <= 0) return 0;
    for (int k = 1; k <= kCards; ++k) {
        Card& c = t.card[k];
        if (!inplay(c)) continue;
        if (c.tag >= kWasteTags)
            ++c.tag;
        else if (c.tag > kNextInStock)
            --c.tag;
    }
    const int next = firsttagged(t, kNextInStock);
    if (next == 0) return 0;
    t.wastetop = static_cast<std::int16_t>(next);
    Card& c = t.card[next];
    c.Visible = true;
    c.draggable = true;
    c.tag = kTopOfWaste;
    place(c, wasteplace(t.scale));
    raise(t, next);
    --t.stockleft;
    return next;
}

std::optional<std::string_view> stockchange(int stockleft) {
    if (stockleft >= kFullFrom) return std::nullopt;
    return core::stockpicture(stockleft, kFullFrom, kHalfFrom);
}

void redostack(FortyThievesTable& t) {
    for (int k = 1; k <= kCards; ++k) {
        Card& c = t.card[k];
        if (inplay(c) && c.tag > kWasteTags) --c.tag;
    }
    // An emptied waste keeps naming the card that has just left; it keeps the place its move gave it.
    if (const int top = lasttagged(t, kTopOfWaste)) t.wastetop = static_cast<std::int16_t>(top);
    raise(t, t.wastetop);
    t.card[t.wastetop].Visible = true;
}

void minosslots(FortyThievesTable& t, int d) {
    const int c = columnof(t.card[d].tag);
    for (int k = 1; k <= kCards; ++k)
        if (incolumn(t, k, c)) t.card[k].tag -= kDepthStep;
    for (int k = 1; k <= kCards; ++k)
        if (inplay(t.card[k]) && t.card[k].tag == kDepthStep + c) t.card[k].draggable = true;
}

void freewaste(FortyThievesTable& t) {
    for (int k = 1; k <= kCards; ++k)
        if (inplay(t.card[k]) && t.card[k].tag == kTopOfWaste) t.card[k].draggable = true;
}

bool droponcard(FortyThievesTable& t, int d, int target) {
    if (!movable(t, d) || !valid(target)) return false;
    Card& dropped = t.card[d];
    Card& under = t.card[target];
    const int column = columnof(under.tag);
    const bool fits = incolumn(t, target, column) && under.cardsuit == dropped.cardsuit &&
                      under.cardrank == dropped.cardrank + 1 && columncount(t, column, d) < kMostInColumn;
    if (!fits) {
        freewaste(t);
        return false;
    }
    under.draggable = false;
    dropped.Top = under.Top + twips(kCardStep, t.scale);
    dropped.Left = under.Left;
    raise(t, d);
    renumberfrom(t, d);
    // Read after the renumbering: the target may lie in the column the card has left.
    const int c = columnof(under.tag);
    for (int k = 1; k <= kCards; ++k) {
        if (k == d || !incolumn(t, k, c)) continue;
        t.card[k].tag += kDepthStep;
        t.card[k].draggable = false;
    }
    dropped.tag = static_cast<std::int16_t>(kDepthStep + c);
    freewaste(t);
    return true;
}

bool droponcolumn(FortyThievesTable& t, int d, int c) {
    const int target = topcard(t, c);
    if (target == 0) {
        freewaste(t);
        return false;
    }
    return droponcard(t, d, target);
}

bool droponplaceholder(FortyThievesTable& t, int d, int i) {
    if (!movable(t, d) || i < 1 || i > kColumns || topcard(t, i) != 0) return false;
    Card& c = t.card[d];
    place(c, placeholderplace(i, t.scale));
    raise(t, d);
    c.draggable = true;
    renumberfrom(t, d);
    freewaste(t);
    c.tag = static_cast<std::int16_t>(kDepthStep + i);
    c.Visible = true;
    c.draggable = true;
    raise(t, d);
    return true;
}

bool droponfoundation(FortyThievesTable& t, int d, int i) {
    if (!movable(t, d) || i < 1 || i > kFoundations) return false;
    Card& c = t.card[d];
    if (c.cardrank != t.nextrank[i]) {
        freewaste(t);
        return false;
    }
    place(c, foundationplace(i, t.scale));
    t.slotcard[i] = static_cast<std::int16_t>(d);
    ++t.nextrank[i];
    renumberfrom(t, d);
    c.onfoundation = true;
    c.draggable = false;
    t.slotraised[i] = ++t.raisecount;
    freewaste(t);
    return true;
}

}  // namespace fortythievesrules
