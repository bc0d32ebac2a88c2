#include "games/gin/gin_computer.h"

#include "core/cards.h"

#include <tuple>
#include <utility>

namespace ginrules {
namespace {

constexpr int kSearchDraws = 13;
// A search that needs this many draws hands over to the next, whether or not the draw was good.
constexpr int kGiveUpAt = 12;

int drawTag(const Draw& rndnum) { return kComputerHand + rndnum(kDrawnCard); }

// Draws until a card passes the test or the draws run out; the last tag drawn and how many draws
// it took.
template <class Acceptable>
std::pair<int, int> search(const Draw& rndnum, Acceptable acceptable) {
    int tag = 0;
    int draws = 0;
    do {
        tag = drawTag(rndnum);
        ++draws;
    } while (!acceptable(tag) && draws < kSearchDraws);
    return {tag, draws};
}

}  // namespace

bool takesPile(const GinTable& t) {
    const int top = pileTop(t);
    if (!top) return false;
    if (t.rankcount[kComputer][t.cardrank[top]] >= 2) return true;
    for (int slot = 1; slot <= core::kDeckSize; ++slot) {
        if (!inHand(t.tag[slot], kComputer) || t.cardsuit[slot] != t.cardsuit[top]) continue;
        if (t.cardrank[slot] == t.cardrank[top] + 1 || t.cardrank[slot] == t.cardrank[top] - 1) return true;
    }
    return false;
}

int chooseDiscard(const GinTable& t, const Draw& rndnum) {
    auto [tag, draws] = search(rndnum, [&](int c) { return t.meldmark[c] == 0 && t.keepmark[c] == 0; });
    if (draws < kGiveUpAt) return tag;
    std::tie(tag, draws) = search(rndnum, [&](int c) { return t.meldmark[c] == 0; });
    if (draws < kGiveUpAt) return tag;
    return drawTag(rndnum);
}

}  // namespace ginrules
