#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string>

// The state of the Forty Thieves table, shared by the window and the plain rules. Card k (1..104)
// is the card picture that the shuffle gave the k-th code; where it lies is told by its tag:
//   depth x 100 + column  in tableau column 1..10, depth 1 the column's top card (column 10's
//                         tags end in 0, so its top card reads 110);
//   2000 + n              in the stock, the n-th to be turned;
//   4000 + n              on the waste, the n-th from the top.
// A card on a foundation carries a mark instead, and no numbering or search looks at it again.
// Arrays by card run 1 to 104, by column 1 to 10, by foundation 1 to 8; index 0 is unused.
namespace fortythievesrules {

inline constexpr int kCards = 104;
inline constexpr int kDeckCards = 52;
inline constexpr int kColumns = 10;
inline constexpr int kFoundations = 8;
inline constexpr int kTableauCards = 40;
inline constexpr int kFirstWasteCard = 41;
inline constexpr int kStockCards = 63;

inline constexpr int kDepthStep = 100;
inline constexpr int kStockTags = 2000;  // column tags lie below, stock and waste tags above
inline constexpr int kWasteTags = 4000;
inline constexpr int kNextInStock = kStockTags + 1;
inline constexpr int kTopOfWaste = kWasteTags + 1;
// The deepest a column may grow: a twentieth card would need the stock's tag 2000 + column.
inline constexpr int kMostInColumn = 19;

struct Card {
    std::int16_t tag = 0;
    std::int16_t cardrank = 0;  // 1 ace .. 13 king
    core::MaybeSuit cardsuit;
    bool onfoundation = false;  // accepted by a foundation since the last deal
    bool draggable = false;     // automatic drag mode
    bool Visible = false;
    double Left = 0;
    double Top = 0;
    // When the card was last brought to the front (0: not since the table was made); the window
    // brings its pictures forward in this order.
    int raised = 0;

    friend bool operator==(const Card&, const Card&) = default;
};

using Codes = std::array<std::int16_t, kCards + 1>;

struct FortyThievesTable {
    Codes deckorder{};  // the code drawn for each card, file order, 53..104 the second deck
    Codes cardused{};   // the shuffle's marks, by code
    std::array<Card, kCards + 1> card{};

    std::array<std::int16_t, kFoundations + 1> nextrank{};  // 14 once a king is on
    // The card whose face foundation k shows (0: the empty foundation), and when the foundation
    // was last brought to the front, counted with the cards' `raised`.
    std::array<std::int16_t, kFoundations + 1> slotcard{};
    std::array<int, kFoundations + 1> slotraised{};
    std::int16_t wastetop = kFirstWasteCard;
    std::int16_t stockleft = kStockCards;
    float scale = 1;  // the window's size factor

    // The deal's counters.
    std::int16_t dealrow = 4;
    std::int16_t dealtop = 2760;
    std::int16_t dealstep = 1200;
    std::int16_t dealcol = 1;
    std::int16_t dealcard = 1;
    std::int16_t dealcount = 1;

    int raisecount = 0;  // the latest `raised` or `slotraised` given

    friend bool operator==(const FortyThievesTable&, const FortyThievesTable&) = default;
};

}  // namespace fortythievesrules
