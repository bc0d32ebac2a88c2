#include "games/spades/spades_bidding.h"

#include "games/spades/spades_deal.h"

#include "core/cards.h"

#include <algorithm>
#include <vector>

namespace spadesrules {
namespace {

constexpr int kAce = 1;
constexpr int kQueen = 12;
constexpr int kKing = 13;
constexpr int kMostTheirTeamBids = 5;
constexpr int kHiSpades = 12;

int ownBid(const SpadesTable& t, int seat) {
    return spadesPart(suitcountOf(t, seat, Suit::Spades)) + highPart(t.highcards[seat]);
}

void chooseNil(SpadesTable& t) {
    int seat = 0;
    if (t.bid[1] == 0 && !weTrailBeyondHundred(t)) seat = 1;
    else if (t.bid[2] == 0) seat = 2;
    else if (t.bid[4] == 0) seat = 4;
    if (seat) t.nilbid[seat] = -1;
}

// One opponent may bid Blind Nil; a seat that qualifies but draws wrong ends the chance.
void chooseBlindNil(SpadesTable& t, const Draw& rndnum) {
    if (!theyTrailByHundred(t)) return;
    for (int seat : {2, 4}) {
        if (t.bid[seat] > 1) continue;
        t.pickslot = rndnum(3, 1);
        if (t.pickslot == 1) {
            t.blindnil[seat] = -1;
            t.nilbid[seat] = 0;
        }
        return;
    }
}

int aceHigh(int rank) { return rank == kAce ? 14 : rank; }

}  // namespace

void countsuits(SpadesTable& t) {
    for (auto& counts : t.suitcount) counts.fill(0);
    for (int slot = 1; slot <= 52; ++slot) {
        const int block = blockOf(t.cardsuit[slot]);
        if (block >= 0) ++t.suitcount[block][seatOfSlot(slot)];
    }
    t.highcards.fill(0);
    for (int seat : {1, 2, 4}) {
        for (int slot : slotsOf(seat)) {
            const int rank = t.cardrank[slot];
            if (rank == kKing || rank == kAce || rank == kQueen) ++t.highcards[seat];
        }
    }
}

int spadesPart(int spades) {
    if (spades >= 7) return 4;
    if (spades >= 5) return 3;
    return spades >= 1 ? 1 : 0;
}

int highPart(int highcards) {
    if (highcards >= 9) return 4;
    if (highcards >= 5) return 3;
    return highcards >= 1 ? 1 : 0;
}

void startmeup(SpadesTable& t, const Draw& rndnum) {
    t.spadesbroken = 0;
    t.nilbid.fill(0);
    t.blindnil.fill(0);
    t.bid.fill(0);
    t.trickswon.fill(0);
    t.highcards.fill(0);
    std::fill(t.tag.begin() + 1, t.tag.end(), kHeld);
    countsuits(t);
    for (int seat : {1, 2, 4}) t.bid[seat] = ownBid(t, seat);
    chooseNil(t);
    chooseBlindNil(t, rndnum);
    t.bid[2] = std::min(t.bid[2] + t.bid[4], kMostTheirTeamBids);
    t.bid[4] = t.bid[2];
}

void userBid(SpadesTable& t, int teambid, bool nil) {
    t.bidding = false;
    t.bid[kUser] = teambid;
    if (nil) t.nilbid[kUser] = -1;
    t.bid[kPartner] = teambid;
    t.turn = core::nextSeat(t.dealer);
    for (int slot = 1; slot <= 52; ++slot) t.cardrank[slot] = aceHigh(t.cardrank[slot]);
    t.leader = t.turn;
}

void openTrade(SpadesTable& t) {
    t.tradephase = -1;
    t.tradecount = 0;
    t.raised = {};
    t.traded = false;
}

void closeTrade(SpadesTable& t) {
    t.tradephase = 0;
    t.tradecount = 0;
    t.raised = {};
    t.traded = false;
}

Row rowOf(double top, int handtop) {
    if (top == handtop) return Row::Down;
    if (top == handtop - 100) return Row::Raised;
    return Row::Elsewhere;
}

std::optional<Row> tradeClick(SpadesTable& t, Row current) {
    if (t.tradephase != -1) return std::nullopt;
    if (current == Row::Down && t.tradecount < 2) {
        ++t.tradecount;
        return Row::Raised;
    }
    if (current == Row::Raised) {
        --t.tradecount;
        return Row::Down;
    }
    return std::nullopt;
}

std::optional<Row> tradeClick(SpadesTable& t, int slot) {
    const std::optional<Row> row = tradeClick(t, t.raised[slot] ? Row::Raised : Row::Down);
    if (row) t.raised[slot] = *row == Row::Raised;
    return row;
}

std::vector<int> raisedSlots(const SpadesTable& t) {
    std::vector<int> slots;
    for (int slot : slotsOf(kUser))
        if (t.raised[slot]) slots.push_back(slot);
    return slots;
}

Gift chooseGift(const SpadesTable& t) {
    const int first = firstSlot(kPartner);
    if (suitcountOf(t, kPartner, Suit::Spades) >= kHiSpades) return {{first, first + 1}, true};
    int highest = 0;
    for (int slot : slotsOf(kPartner))
        if (t.cardsuit[slot] != Suit::Spades) highest = std::max(highest, aceHigh(t.cardrank[slot]));
    std::vector<int> order;
    for (int slot : slotsOf(kPartner))
        if (t.cardsuit[slot] != Suit::Spades && aceHigh(t.cardrank[slot]) < highest) order.push_back(slot);
    // Too few below the highest: the rest of the hand by rank, the non-spades before the spades.
    std::vector<int> rest;
    for (int slot : slotsOf(kPartner))
        if (std::find(order.begin(), order.end(), slot) == order.end()) rest.push_back(slot);
    std::stable_sort(rest.begin(), rest.end(), [&](int a, int b) {
        const bool spadeA = t.cardsuit[a] == Suit::Spades, spadeB = t.cardsuit[b] == Suit::Spades;
        if (spadeA != spadeB) return spadeB;
        return aceHigh(t.cardrank[a]) < aceHigh(t.cardrank[b]);
    });
    order.insert(order.end(), rest.begin(), rest.end());
    return {{order[0], order[1]}, false};
}

void exchange(SpadesTable& t, std::array<int, 2> raised, const Gift& gift) {
    t.tradephase = 0;
    t.traded = true;
    t.blindnil[kUser] = -1;
    std::sort(raised.begin(), raised.end());
    for (int k = 1; k <= 2; ++k) {
        t.tradeslots[k] = raised[k - 1];
        t.giveslots[k] = gift.given[k - 1];
        t.tradecodes[k] = t.deckorder[t.giveslots[k]];
    }
    for (int k = 1; k <= 2; ++k) {
        t.deckorder[t.giveslots[k]] = t.deckorder[t.tradeslots[k]];
        t.deckorder[t.tradeslots[k]] = static_cast<std::int16_t>(t.tradecodes[k]);
    }
    for (int slot = 1; slot <= 52; ++slot) suitnum(t, slot);
    countsuits(t);
}

void startAfterTrade(SpadesTable& t) {
    t.tradephase = 0;
    t.raised = {};
    t.traded = false;
    t.blindnil[kUser] = -1;
}

}  // namespace spadesrules
