#pragma once

#include "core/cards.h"
#include "core/tricktable.h"

#include <array>
#include <cstdint>

// The state of the Hearts table, shared by the window and the plain rules. Arrays by slot run
// 1 to 52 and arrays by seat 1 to 4; index 0 is unused so the numbers read as the table's own.
// Seats: 1 top, 2 right, 3 the user (bottom), 4 left.
namespace heartsrules {

using core::MaybeSuit;
using core::Suit;

inline constexpr int kTop = 1;
inline constexpr int kUser = core::kUserSeat;
inline constexpr int kHandSize = core::kHandSize;
inline constexpr int kTwoOfClubs = 15;     // card codes, file order
inline constexpr int kQueenOfSpades = 12;
inline constexpr int kFirstTrick = 13;     // tricksleft during the first trick

struct HeartsTable {
    std::array<std::int16_t, 53> deckorder{}; // card code in each slot
    std::array<std::int16_t, 53> cardused{};  // the shuffle's marks, by code
    std::array<MaybeSuit, 53> cardsuit{};     // the suit of each slot
    std::array<int, 53> cardrank{};           // 1..13, aces 14 once play begins
    std::array<int, 53> tag{};                // seat while held, playedTag(seat) once played

    int curslot = 0;
    int pickslot = 0;
    int passphase = 0;                        // -1 while the user may choose cards to pass
    int passcount = 0;
    std::array<int, 4> passslots{};           // by choice 1..3
    int passstate = 0;                        // 1 left, 2 right, 3 across, 4 none
    int buttonpass = 0;                       // what the pass and start button does: a pass 1-3, or 4 to start
    int turn = 0;
    int leader = 0;
    int tricksleft = 0;
    int winner = 0;
    bool handplaying = false;                 // from "Start Hand" until the last trick is scored

    std::array<int, 5> heartcount{}, clubcount{}, spadecount{}, diamondcount{};
    std::array<int, 5> cardsleft{};
    std::array<int, 5> trickvalue{}, trickslot{}, trickrank{};
    std::array<MaybeSuit, 5> tricksuit{};
    MaybeSuit compsuit;
    int heartsbroken = 0;                     // -1 once hearts may be led
    std::array<int, 5> gamescore{}, pointcards{};
    std::array<int, 5> totals{};              // the game totals as the last hand's end left them
};

// The seat a slot belongs to for the whole hand, the first slot of a seat's thirteen, and all of
// them; a played card's tag.
using core::firstSlot;
using core::isPlayedTag;
using core::playedTag;
using core::seatOfSlot;
using core::slotOfSeat;
using core::slotsOf;
inline bool isHeld(const HeartsTable& t, int slot) { return !isPlayedTag(t.tag[slot]); }

// A seat's count of one suit; any other word has no count.
int* suitcount(HeartsTable& t, int seat, MaybeSuit suit);
int suitcountOf(const HeartsTable& t, int seat, MaybeSuit suit);
// Every seat's four suit counts back to none.
void clearSuitCounts(HeartsTable& t);

}  // namespace heartsrules
