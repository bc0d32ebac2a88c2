#pragma once

#include <array>
#include <cstdint>

// The state of the Calculation table, shared by the window and the plain rules. Position i is the
// card shown by card image i: positions 1 to 4 start the four foundations, 5 to 52 are the stock in
// the order it is turned. Arrays run from 1; index 0 is unused so the numbers read as the table's own.
namespace calculationrules {

inline constexpr int kCards = 52;
inline constexpr int kFoundations = 4;
inline constexpr int kPiles = 4;
inline constexpr int kStockCards = 48;
inline constexpr int kFirstStock = 5;

// Where a card lies, as its tag tells: 1 to 4 on that foundation; 100p + k on waste pile p,
// k-th from the top (100p + 1 is the top card); 1000 + (i - 4) for stock card i, face down or
// turned and waiting, for as long as it has not been played.
inline constexpr int kPileBand = 100;
inline constexpr int kStockBand = 1000;

using Codes = std::array<std::int16_t, kCards + 1>;
using PerFoundation = std::array<std::int16_t, kFoundations + 1>;

struct CalculationTable {
    Codes deckorder{};  // the card code (file order) dealt at each position
    Codes cardused{};   // the shuffle's marks, by code
    Codes cardrank{};   // the rank of the card at each position, ace 1 .. king 13
    Codes tag{};        // where the card at each position lies
    std::array<bool, kCards + 1> draggable{};
    PerFoundation foundneed{};  // the rank each foundation takes next
    PerFoundation pilecount{};  // the cards on each waste pile
    std::array<bool, kFoundations + 1> closed{};  // a foundation that took its king takes nothing more
    std::int16_t turned = 0;    // stock cards turned so far; the next is position turned + 5

    friend bool operator==(const CalculationTable&, const CalculationTable&) = default;
};

}  // namespace calculationrules
