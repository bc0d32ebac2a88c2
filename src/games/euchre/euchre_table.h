#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string>

// The state of the Euchre table, shared by the window and the plain rules. Arrays by slot run
// 1 to 24 and arrays by seat 1 to 4; index 0 is unused so the numbers read as the table's own.
// Seats: 1 the user's partner (top), 2 right, 3 the user (bottom), 4 left; seats 1 and 3 are
// team 1. Slots 1-5 are the user's, 6-10 seat 4's, 11-15 seat 1's, 16-20 seat 2's, 21-24 the
// kitty with the turned-up card in 21.
namespace euchrerules {

inline constexpr int kUser = 3;
inline constexpr int kPartner = 1;
inline constexpr int kSlots = 24;
inline constexpr int kTurnedSlot = 21;
inline constexpr int kOutOfPlay = 200;  // the tag of a played card, or of the partner's while alone

using core::MaybeSuit;
using core::Suit;

// The suits in the order of the table's counts.
inline constexpr std::array<Suit, 4> kSuitOrder{Suit::Spades, Suit::Hearts, Suit::Clubs, Suit::Diamonds};

struct EuchreTable {
    std::array<std::int16_t, kSlots + 1> cardused{};   // the shuffle's marks, by code
    std::array<std::int16_t, kSlots + 1> deckorder{};  // card code in each slot
    std::array<int, kSlots + 1> cardrank{};            // 14 ace .. 9 nine; 0 once found in a judged trick
    std::array<MaybeSuit, kSlots + 1> cardsuit{};      // the suit the rules use: the left bower's is trump
    std::array<MaybeSuit, kSlots + 1> dealtsuit{};     // the printed suit
    std::array<int, kSlots + 1> tag{};                 // the slot, the place in the user's row, or 200
    std::array<std::array<int, 5>, 4> suitcount{};     // by suit (kSuitOrder), then by seat

    int dealslot = 0;
    int dealer = 0;
    int turn = 0;
    MaybeSuit trump;
    int lastbidder = 0;
    int alone = 0;  // -1 while the user plays alone
    int leader = 0;
    std::array<int, 5> trickvalue{};
    std::array<MaybeSuit, 5> tricksuit{};
    std::array<int, 5> trickslot{};
    MaybeSuit leadsuit;
    MaybeSuit compsuit;
    int trickwinner = 0;  // the seat that won the trick last judged
    std::array<int, 5> trickswon{};
    std::array<int, 5> nextback{};
    int maker = 0;
    std::array<int, 3> teampoints{};  // by team 1, 2
    int playercount = 0;
    int startflag = 0;
    // From the choice of the first leader until the hand's fifth trick is counted: only then do
    // the user's cards play.
    bool playing = false;
};

// The slots a seat holds, first and last; 0 for a seat without cards.
int firstSlot(int seat);
inline int lastSlot(int seat) { return firstSlot(seat) ? firstSlot(seat) + 4 : 0; }
int seatOfSlot(int slot);
inline bool isHeld(const EuchreTable& t, int slot) { return slot >= 1 && slot <= kSlots && t.tag[slot] < kOutOfPlay; }
// Team 1 is the user and the partner, team 2 the other two seats.
inline int teamOf(int seat) { return seat == 1 || seat == 3 ? 1 : 2; }
// Bidding and play pass 1, 2, 3, 4, 1.
inline int nextSeat(int seat) { return seat % 4 + 1; }

// The position of a suit among the counts; -1 for none.
int suitIndex(MaybeSuit suit);
// A seat's count of a suit; none counts 0 and has nothing to change.
int suitcountOf(const EuchreTable& t, int seat, MaybeSuit suit);
int* suitcount(EuchreTable& t, int seat, MaybeSuit suit);

// The other suit of trump's colour, whose jack is the left bower; none for none.
MaybeSuit sameColour(MaybeSuit suit);
// The jack of the other suit of trump's colour, by its value and printed suit.
bool isLeftBower(int value, MaybeSuit printedSuit, MaybeSuit trump);
// "Spades", "Hearts" ...: the suit as the messages name it.
std::string capitalised(Suit suit);

}  // namespace euchrerules
