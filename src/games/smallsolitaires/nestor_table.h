#pragma once

#include <array>
#include <cstdint>
#include <functional>

// The state of the Nestor table, shared by the window and the plain rules. Position p is the card
// shown by card image p: positions 6(c - 1) + 1 to 6c are column c from the top row down, 49 to 52
// the reserve. Arrays run from 1; index 0 is unused so the numbers read as the table's own.
namespace nestorrules {

inline constexpr int kCards = 52;
inline constexpr int kColumns = 8;
inline constexpr int kRows = 6;
inline constexpr int kColumnCards = kColumns * kRows;  // 48
inline constexpr int kReserve = 9;                     // the reserve's column number
inline constexpr int kFirstReserve = kColumnCards + 1;

using Codes = std::array<std::int16_t, kCards + 1>;

// One random draw, 1 to n: core::rndnum in the window, a script in the tests.
using Draw = std::function<int(int n)>;

struct NestorTable {
    Codes deckorder{};   // the card code (file order) dealt at each position
    Codes cardused{};    // the deal's marks, by code
    Codes cardrank{};    // the rank at each position, ace 1 .. king 13
    Codes cardcolumn{};  // 1 to 8 for the columns' positions, 9 for the reserve's
    std::array<std::int16_t, kReserve + 1> columncount{};  // cards still shown, by column
    std::array<std::int16_t, kRows + 1> dealcolumn{};      // while dealing: the ranks of the column so far
    std::int16_t pairflag = 0;  // while dealing: -1 when the card drawn repeats a rank of its column
    // The card's depth, as its tag tells: its place counted from the free end of its column, the
    // free card being 1. Removed cards go on falling below 1.
    Codes depth{};
    std::array<bool, kCards + 1> shown{};

    friend bool operator==(const NestorTable&, const NestorTable&) = default;
};

}  // namespace nestorrules
