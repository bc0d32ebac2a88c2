#pragma once

#include <array>
#include <cstdint>

// The state of a Towers of Hanoi table, shared by the three windows and the plain rules. Discs are
// numbered 1..n by size (1 the smallest), pegs 1..3 from the left; index 0 is unused so the numbers
// read as the table's own.
namespace towersrules {

inline constexpr int kPegs = 3;
inline constexpr int kMostDiscs = 6;

using Counts = std::array<std::int16_t, 11>;

struct TowersTable {
    int n = 4;          // the window's number of discs
    Counts piecepeg{};  // by disc: the peg it lies on
    Counts pegcount{};  // by peg: how many discs it holds
    Counts pegtop{};    // by peg: its top (smallest) disc, 0 when it holds none
};

}  // namespace towersrules
