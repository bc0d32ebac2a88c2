#include "games/euchre/euchre_computer.h"

#include "games/euchre/euchre_play.h"

#include <array>

namespace euchrerules {

void findrandom(EuchreTable& t, const Draw& rndnum) {
    static constexpr std::array<Suit, 4> cycle{Suit::Hearts, Suit::Diamonds, Suit::Clubs, Suit::Spades};
    const int start = rndnum(4) - 1;
    for (int k = 0; k < 4; ++k) {
        const Suit suit = cycle[static_cast<std::size_t>((start + k) % 4)];
        if (suitcountOf(t, t.turn, suit) >= 1) {
            t.compsuit = suit;
            return;
        }
    }
}

void chooseSuit(EuchreTable& t, int seat, const Draw& rndnum) {
    if (seat != t.leader && suitcountOf(t, seat, t.leadsuit) >= 1)
        t.compsuit = t.leadsuit;
    else if (seat != t.leader && suitcountOf(t, seat, t.trump) >= 1)
        t.compsuit = t.trump;
    else
        findrandom(t, rndnum);
}

ComputerCard chooseCard(EuchreTable& t, int seat, const Draw& rndnum) {
    chooseSuit(t, seat, rndnum);
    for (int slot = firstSlot(seat); slot <= lastSlot(seat); ++slot)
        if (isHeld(t, slot) && t.cardsuit[slot] == t.compsuit) return {slot, false};
    ComputerCard fallback{0, seat != t.leader};
    for (int slot = firstSlot(seat); slot <= lastSlot(seat) && !fallback.slot; ++slot)
        if (isHeld(t, slot)) fallback.slot = slot;
    return fallback;
}

int recordComputerCard(EuchreTable& t, int seat, int slot) {
    int back = 0;
    if (slot) {
        t.trickvalue[seat] = t.cardrank[slot];
        t.tricksuit[seat] = t.dealtsuit[slot];
        back = t.nextback[seat]++;
    } else {
        t.trickvalue[seat] = 0;
        t.tricksuit[seat].reset();
    }
    if (seat == t.leader) t.leadsuit = ledSuit(t.trickvalue[seat], t.tricksuit[seat], t.trump);
    t.turn = nextInPlay(seat, t.alone);
    return back;
}

}  // namespace euchrerules
