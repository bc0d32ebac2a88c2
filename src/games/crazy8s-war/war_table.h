#pragma once

#include <array>
#include <cstdint>

// The state of the War table, shared by the window and the plain rules. Card image k shows the
// card dealt to deck position k for the whole game: 1..26 start in the user's pile, 27..52 in the
// computer's. Arrays by card image run 1 to 52 (index 0 unused).
namespace warrules {

inline constexpr int kCards = 52;
inline constexpr int kPile = 26;
inline constexpr int kUserPile = 100;   // 101 is the user's top card, numbers rising to the bottom
inline constexpr int kCompPile = 200;   // 201 is the computer's top card
inline constexpr int kUserTable = 300;  // the user's cards on the table, 301 the turned card
inline constexpr int kCompTable = 400;  // the computer's cards on the table
inline constexpr int kAce = 14;

using Cards = std::array<std::int16_t, kCards + 1>;

struct WarTable {
    Cards deckorder{};  // card code in file order dealt to each card image
    Cards cardused{};   // the shuffle's marks, by code
    Cards cardrank{};   // 2 .. 13 by rank, the ace 14
    std::array<int, kCards + 1> tag{};  // where each card lies, by the numbers above
    int playercount = 0;  // cards in each pile
    int compcount = 0;
    int playertable = 0;  // cards each side has laid in this battle, the turned card counted
    int comptable = 0;
    int playerface = 0;   // each side's face-up card of the battle
    int compface = 0;
    bool barewar = false;  // the last war found both piles empty and laid no card
};

}  // namespace warrules
