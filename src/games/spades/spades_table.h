#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/cards.h"
#include "core/tricktable.h"

// The state of the Spades table, shared by the window and the plain rules. Arrays by slot run
// 1 to 52 and arrays by seat 1 to 4; index 0 is unused so the numbers read as the table's own.
// Seats: 1 the user's partner (top), 2 right, 3 the user (bottom), 4 left; seats 1 and 3 are our
// team, 2 and 4 theirs. Slots 1-13 are the left hand, 14-26 the right, 27-39 the partner's and
// 40-52 the user's.
namespace spadesrules {

using core::firstSlot;
using core::isPlayedTag;
using core::kHandSize;
using core::MaybeSuit;
using core::playedTag;
using core::seatOfSlot;
using core::slotOfSeat;
using core::slotsOf;
using core::Suit;

inline constexpr int kPartner = 1;
inline constexpr int kUser = core::kUserSeat;
inline constexpr int kOurs = 0;    // team entries of bags and teamscore
inline constexpr int kTheirs = 1;
inline constexpr int kHeld = 1;    // a slot's tag while its card is in the hand

// A whole number from offset to offset + n - 1, as the game's one random generator draws it.
using Draw = std::function<int(int n, int offset)>;

struct SpadesTable {
    int loopslot = 0;                         // the slot suitnum and the face procedure work on
    std::array<std::int16_t, 53> deckorder{}; // card code in each slot
    std::array<std::int16_t, 53> cardused{};  // the shuffle's marks, by code
    std::array<MaybeSuit, 53> cardsuit{};     // the suit of each slot
    std::array<int, 53> cardrank{};           // 1..13; aces 14 once the user has bid
    std::array<int, 53> tag{};                // kHeld while held, playedTag(seat) once played

    int spadesbroken = 0;                     // -1 once a spade has been played this hand
    int dealer = 0;
    int startflag = 0;                        // 5 once a game has started in this opening
    int turn = 0;
    std::array<int, 5> bid{};                 // the computer seats' own bids, then the team bids
    std::array<std::array<int, 5>, 4> suitcount{};  // by suit block in file order, then seat
    std::array<int, 5> trickvalue{}, trickslot{};
    std::array<MaybeSuit, 5> tricksuit{};     // none until the seat has played to the trick
    std::array<int, 5> highcards{};           // aces, kings and queens of the computer seats
    std::array<int, 5> trickswon{};
    int leader = 0;
    int cardsleft = 0;                        // cards each hand held when the trick began
    int pickslot = 0;                         // the computer seat's chosen slot
    MaybeSuit compsuit;                       // the computer seat's chosen suit
    int bestvalue = 0;
    int winner = 0;
    std::array<int, 2> bags{}, teamscore{};   // ours, theirs
    std::array<int, 5> nilbid{}, blindnil{};  // -1 for a seat that bid it this hand
    int cantwin = 0;                          // 1 when the computer seat cannot win the trick
    int tradephase = 0;                       // -1 while the user chooses two cards to trade
    int tradecount = 0;
    std::array<bool, 53> raised{};            // the user's slots raised for the trade
    bool traded = false;                      // the cards are traded: Start ends the trade
    std::array<int, 3> tradeslots{}, giveslots{}, tradecodes{};  // by choice 1..2
    int handtop = 0;                          // Top of the user's row, whole twips
    bool bidding = false;                     // the bid frame is up: from the suggestion to the user's bid
};

int teamOf(int seat);
int partnerOf(int seat);
inline bool isHeld(const SpadesTable& t, int slot) { return !isPlayedTag(t.tag[slot]); }

// The row of a suit in suitcount, the suits in file order; -1 for none.
int blockOf(MaybeSuit suit);
// A seat's count of a suit; none counts nothing.
int suitcountOf(const SpadesTable& t, int seat, MaybeSuit suit);
void lowerSuitcount(SpadesTable& t, int seat, MaybeSuit suit);

// The seat's held slot of a suit with the highest rank (the first of it in slot order), or with
// the lowest; 0 when the seat holds none.
int highestOf(const SpadesTable& t, int seat, MaybeSuit suit);
int lowestOf(const SpadesTable& t, int seat, MaybeSuit suit);

}  // namespace spadesrules
