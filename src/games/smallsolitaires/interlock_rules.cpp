#include "games/smallsolitaires/interlock_rules.h"

#include "core/deck.h"
#include "core/rndnum.h"

#include <stdexcept>
#include <utility>

namespace interlockrules {
namespace {

constexpr int kWidth = 3;

// A slide along a row leaves the cards' order, read row by row past the blank, as it was; a slide
// down or up carries a card past the two cards between, which on a board of odd width changes the
// count of cards out of order by an even number. So that count's parity never changes, and the goal
// has none out of order: a deal with an odd count can never be solved.
bool solvable(const InterlockTable& t) {
    int outOfOrder = 0;
    for (int i = 1; i <= kCards; ++i)
        for (int j = i + 1; j <= kCards; ++j)
            if (t.deckorder[i] > t.deckorder[j]) ++outOfOrder;
    return outOfOrder % 2 == 0;
}

// The cards' tags and the faces' cells follow the deal: card image i on the i-th cell but the blank.
void setcells(InterlockTable& t) {
    for (int i = 1; i <= kCards; ++i) {
        const int cell = cellof(i, t.blankcell);
        t.tag[i] = static_cast<std::int16_t>(cell);
        t.cardcell[t.deckorder[i]] = static_cast<std::int16_t>(cell);
    }
}

}  // namespace

int cellof(int i, int blank) { return i < blank ? i : i + 1; }

void makecards(InterlockTable& t) {
    t.blankcell = static_cast<std::int16_t>(core::rndnum(kCells));
    core::shuffledeck(t.deckorder, t.cardused, kCards);
    // Two cards trade places to turn a deal that could never be solved into one that can; every
    // solvable layout stays as likely as any other.
    if (!solvable(t)) std::swap(t.deckorder[1], t.deckorder[2]);
    setcells(t);
}

void deal(InterlockTable& t, int blank, const std::array<std::int16_t, kCards>& faces) {
    if (blank < 1 || blank > kCells) throw std::invalid_argument("the blank is one of the nine cells");
    core::knowndeal(t.deckorder, t.cardused, faces);
    t.blankcell = static_cast<std::int16_t>(blank);
    setcells(t);
}

bool slides(int c, int b) {
    if (c < 1 || c > kCells || b < 1 || b > kCells) return false;
    const bool sameRow = (c - 1) / kWidth == (b - 1) / kWidth;
    return (sameRow && (c - b == 1 || b - c == 1)) || c - b == kWidth || b - c == kWidth;
}

bool click(InterlockTable& t, int k) {
    if (k < 1 || k > kCards) return false;
    const int c = t.tag[k];
    const int b = t.blankcell;
    if (!slides(c, b)) return false;
    t.cardcell[t.deckorder[k]] = static_cast<std::int16_t>(b);
    t.tag[k] = static_cast<std::int16_t>(b);
    t.blankcell = static_cast<std::int16_t>(c);
    return true;
}

bool solved(const InterlockTable& t) {
    for (int face = 1; face <= kCards; ++face)
        if (t.cardcell[face] != face) return false;
    return true;
}

Place cellPlace(int cell) {
    const int column = (cell - 1) % kWidth;
    const int row = (cell - 1) / kWidth;
    return {1200.0 + 1200.0 * column, 480.0 + 1680.0 * row};
}

}  // namespace interlockrules
