#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string>

// The state of the Crazy 8s table, shared by the window and the plain rules. Card image k shows
// the card dealt to deck position k for the whole game; arrays by card image run 1 to 52 (index 0
// unused) so the numbers read as the window's own.
namespace crazy8srules {

inline constexpr int kCards = 52;
inline constexpr int kHandSize = 7;
inline constexpr int kHandSlots = 28;  // four rows of seven
inline constexpr int kStarter = 15;    // the card image turned up to start the discard pile
inline constexpr int kStarterTag = 38;
inline constexpr int kUserTag = 100;
inline constexpr int kCompTag = 200;
inline constexpr int kEight = 8;

using Cards = std::array<std::int16_t, kCards + 1>;

struct Crazy8sTable {
    Cards deckorder{};  // card code in file order dealt to each card image
    Cards cardused{};   // the shuffle's marks, by code
    std::array<core::MaybeSuit, kCards + 1> cardsuit{};  // the suit of each card image
    Cards cardrank{};                                // 1 ace .. 13 king
    // Where each card lies: kUserTag or kCompTag in a hand; outside the hands 1..discardtag, the
    // stock first from the next card to draw (1), then the discard pile in the order played.
    std::array<int, kCards + 1> tag{};
    // The hand slot 1..28 of a card in a hand, 0 elsewhere. The user's cards fill slots
    // 1..playercount in the order taken; the computer's fill 1..compcount in no particular order.
    std::array<int, kCards + 1> slot{};
    int playercount = 0;
    int compcount = 0;
    int nextdraw = 0;    // the card image numbered 1, the next card to draw
    int discardtag = 0;  // the number of the top discard
    core::MaybeSuit activesuit;  // the suit to follow: the top discard's, or the one an eight named
    int activerank = 0;      // the rank to follow; 8 after an eight
};

}  // namespace crazy8srules
