#include "games/smallsolitaires/nestor_rules.h"

#include "core/cards.h"
#include "core/deck.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <stdexcept>

namespace nestorrules {
namespace {

constexpr std::int16_t kUsed = -1;

bool valid(int p) { return p >= 1 && p <= kCards; }

int columnof(int p) { return p <= kColumnCards ? (p - 1) / kRows + 1 : kReserve; }

// The rank drawn for row r repeats one of the other rows of its column (rows not dealt hold 0).
bool repeats(const NestorTable& t, int r) {
    for (int other = 1; other <= kRows; ++other)
        if (other != r && t.dealcolumn[other] == t.dealcolumn[r]) return true;
    return false;
}

// One pass over the 52 positions; false when it had to give up at the top of a column.
bool dealonce(NestorTable& t, const Draw& draw) {
    t.cardused.fill(0);
    t.dealcolumn.fill(0);
    t.pairflag = 0;
    int r = 1;
    for (int p = 1; p <= kCards; ++p) {
        if (r == 1 && p <= kColumnCards && ranksleft(t) < kRows) return false;
        for (;;) {
            const int code = draw(kCards);
            if (!valid(code)) continue;
            t.deckorder[p] = static_cast<std::int16_t>(code);
            t.cardrank[p] = static_cast<std::int16_t>(core::rankof(code));
            t.dealcolumn[r] = t.cardrank[p];
            t.pairflag = repeats(t, r) && p <= kColumnCards ? kUsed : 0;
            if (t.cardused[code] != kUsed && t.pairflag != kUsed) break;
        }
        t.cardused[t.deckorder[p]] = kUsed;
        if (++r > kRows) {
            r = 1;
            t.dealcolumn.fill(0);
        }
    }
    return true;
}

// Every depth of a column one less: the card that left was the free one, so the next one up frees.
void shorten(NestorTable& t, int column) {
    for (int p = 1; p <= kCards; ++p)
        if (t.cardcolumn[p] == column) --t.depth[p];
}

}  // namespace

int ranksleft(const NestorTable& t) {
    std::bitset<14> ranks;
    for (int code = 1; code <= kCards; ++code)
        if (t.cardused[code] != kUsed) ranks.set(static_cast<std::size_t>(core::rankof(code)));
    return static_cast<int>(ranks.count());
}

void setcards(NestorTable& t, const Draw& draw) {
    while (!dealonce(t, draw)) {
    }
}

void setdeal(NestorTable& t, const std::array<std::int16_t, kCards>& order) {
    for (int p = 1; p <= kColumnCards; ++p) {
        const int top = p - (p - 1) % kRows;
        for (int above = top; above < p; ++above)
            if (core::rankof(order[above - 1]) == core::rankof(order[p - 1]))
                throw std::invalid_argument("a Nestor column holds each rank once");
    }
    core::knowndeal(t.deckorder, t.cardused, order);
    for (int p = 1; p <= kCards; ++p) t.cardrank[p] = static_cast<std::int16_t>(core::rankof(t.deckorder[p]));
}

void lay(NestorTable& t) {
    for (int p = 1; p <= kCards; ++p) {
        t.shown[p] = true;
        t.cardcolumn[p] = static_cast<std::int16_t>(columnof(p));
        t.depth[p] = static_cast<std::int16_t>(p <= kColumnCards ? kRows - (p - 1) % kRows : 1);
    }
    std::fill(t.columncount.begin() + 1, t.columncount.begin() + kReserve, std::int16_t{kRows});
    t.columncount[kReserve] = kCards - kColumnCards;
}

bool draggable(const NestorTable& t, int p) { return valid(p) && t.shown[p] && t.depth[p] == 1; }

bool removepair(NestorTable& t, int d, int target) {
    if (d == target || !draggable(t, d) || !draggable(t, target) || t.cardrank[d] != t.cardrank[target])
        return false;
    t.shown[d] = false;
    t.shown[target] = false;
    --t.columncount[t.cardcolumn[target]];
    --t.columncount[t.cardcolumn[d]];
    shorten(t, t.cardcolumn[target]);
    shorten(t, t.cardcolumn[d]);
    for (int p = kFirstReserve; p <= kCards; ++p) t.depth[p] = 1;
    return true;
}

bool won(const NestorTable& t) {
    return std::all_of(t.columncount.begin() + 1, t.columncount.end(), [](std::int16_t n) { return n == 0; });
}

Place place(int p, float scale) {
    const double s = scale;
    if (p > kColumnCards) {
        // The reserve lies under columns 3 to 6, in line with their free cards.
        return {place(kRows * (p - kColumnCards + 2), scale).Left, 5160 * s};
    }
    double left = std::nearbyint(400 * s);
    for (int c = 1; c < columnof(p); ++c) left = std::nearbyint(1400 * s + left);
    double top = std::nearbyint(1080 * s);
    for (int r = 1; r < (p - 1) % kRows + 1; ++r) top = std::nearbyint(300 * s + top);
    return {left, top};
}

}  // namespace nestorrules
