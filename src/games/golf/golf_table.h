#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The state of the Golf table, shared by the window and the plain rules. Card images 1..35 are
// the table (seven columns of five, rows counted from the bottom), 36..51 the stock, 52 the waste.
// Arrays by card image run 1 to 52; index 0 is unused so the numbers read as the table's own.
namespace golfrules {

inline constexpr int kColumns = 7;
inline constexpr int kRows = 5;
inline constexpr int kTableCards = kColumns * kRows;  // 35
inline constexpr int kFirstStockCard = 36;            // where the turns start after a deal
inline constexpr int kWasteCard = 52;                 // also the value of a spent stock's next turn

using Codes = std::array<std::int16_t, 53>;

struct GolfTable {
    Codes deckorder{};  // card code in window order dealt to each card image
    Codes cardused{};   // the shuffle's marks, by code
    // The card images still on the table, by column 1..7 (index 0 unused): the top row first,
    // the card that shows whole, and may be played, last.
    std::array<std::vector<int>, kColumns + 1> columns{};
    std::int16_t nextdraw = 0;  // the stock is card images nextdraw..51
    int waste = 0;              // the code of the waste card
};

}  // namespace golfrules
