#pragma once

#include <array>
#include <cstdint>

// The state of the Interlock Puzzle, shared by the window and the plain rules. The ace to the
// eight of spades (faces 1 to 8) lie on eight of the nine cells of a three-by-three grid, numbered
// row by row from the top left; the ninth cell is blank. Arrays run from 1; index 0 is unused.
namespace interlockrules {

inline constexpr int kCards = 8;
inline constexpr int kCells = 9;

using PerCard = std::array<std::int16_t, kCards + 1>;

struct InterlockTable {
    PerCard cardused{};   // the shuffle's marks, by face
    PerCard deckorder{};  // the face each card image shows
    PerCard cardcell{};   // the cell each face lies on
    PerCard tag{};        // the cell each card image lies on, as its tag tells
    std::int16_t blankcell = 0;  // 0 before the first deal

    friend bool operator==(const InterlockTable&, const InterlockTable&) = default;
};

}  // namespace interlockrules
