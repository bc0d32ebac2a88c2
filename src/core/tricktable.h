#pragma once

#include "core/scaling.h"

#include <array>
#include <ranges>

// The four-seat trick table of Hearts and Spades: who sits where, which picture slots each hand
// holds, where a played card lies and how a finished trick leaves the table. Positions are twips of
// the 1024 x 768 design times the window's scale, as plain numbers so they can be checked without
// a window.
namespace core {

// Seats clockwise from the top: 1 top, 2 right, 3 the user (bottom), 4 left.
inline constexpr int kUserSeat = 3;
inline constexpr int kHandSize = 13;

// Slots 1-13 hold the left hand, 14-26 the right, 27-39 the top and 40-52 the user's.
int seatOfSlot(int slot);
int firstSlot(int seat);
inline auto slotsOf(int seat) { return std::views::iota(firstSlot(seat), firstSlot(seat) + kHandSize); }
inline bool slotOfSeat(int seat, int slot) { return slot >= 1 && slot <= 52 && seatOfSlot(slot) == seat; }

// A played card's tag tells the seat that played it (or, after the trick, the seat that took it);
// any smaller tag is a card still held.
inline constexpr int playedTag(int seat) { return 10 + seat; }
inline constexpr bool isPlayedTag(int tag) { return tag >= playedTag(0); }
// Play passes 1, 2, 3, 4, 1; any other value stays.
int nextSeat(int seat);

// The design Top of the user's hand.
inline constexpr double kHandRow = 5880;

struct Place {
    double left = 0;
    double top = 0;
};

// The place of a slot in its seat's fan at the deal; the top hand's row lies at topRow design
// twips. The side seats' cards lie sideways.
Place fanPlace(int slot, float scale, double topRow);
bool sideways(int slot);
// Where a seat puts its card into the trick.
Place trickPlace(int seat, float scale);
// The move of every held card behind a played one, closing the gap in the fan.
Place closeUpStep(int seat, float scale);

// A swept trick travels 300 twips a tick toward its winner, at every screen size.
Place sweepStep(int winner);
// The trick is off the table once the seat-4 card passes the winner's limit.
bool sweptOff(int winner, Place card);

// The seat whose value is highest, by seat 1 to 4: seat 2 beats seat 1 on equal values, and
// seats 3 and 4 each take over on equal values too.
int trickwinner(const std::array<int, 5>& values);

}  // namespace core
