#pragma once

#include <array>
#include <cstdint>
#include <string>

// The state of the Fore and Aft board, shared by the window and the plain rules. Cells 1..17 are
// numbered row by row from the top left: 1..9 the upper-left square, 9..17 the lower-right one.
// Pieces 1..8 are green, 9..16 red. Index 0 is unused so the numbers read as the board's own.
namespace foreaftrules {

inline constexpr int kCells = 17;
inline constexpr int kPieces = 16;
inline constexpr int kLastGreen = 8;
inline constexpr int kMiddle = 9;  // the cell both squares share, empty at the start

struct ForeAftBoard {
    std::array<std::int16_t, kPieces + 1> piecepos{};  // by piece: the cell it occupies
    std::int16_t emptycell = kMiddle;
    int clicked = 0;          // the piece last clicked, which a running move carries
    std::string backwards;    // the backwards-moves setting as last read; only exactly "YES" allows them
};

}  // namespace foreaftrules
