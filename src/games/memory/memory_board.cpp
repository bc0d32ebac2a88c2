#include "games/memory/memory_board.h"

#include "core/cards.h"

#include <array>

namespace memoryrules {
namespace {

constexpr int kBigColumns = 6;
constexpr int kSmallColumns = 4;
constexpr double kColumnStep = 1320;
constexpr double kRowStep = 1800;

// The 4 x 6 boards' map: the position lying in each cell, rows from the top.
constexpr std::array<std::array<int, kBigColumns>, 4> kBigMap{{
    {1, 2, 3, 4, 24, 13},
    {5, 6, 7, 8, 16, 17},
    {9, 10, 11, 12, 20, 21},
    {14, 18, 15, 19, 22, 23},
}};

// File-order suit blocks of a pair's two codes: black pairs spade then club, red heart then diamond.
constexpr int kSpades = 0, kClubs = 1, kDiamonds = 2, kHearts = 3;

}  // namespace

int cardsOn(Board board) { return board == Board::Small ? 12 : 24; }

int pairsOn(Board board) { return cardsOn(board) / 2; }

int pairof(int code) { return (code + 1) / 2; }

std::string pairface(int code) {
    if (code < 1 || code > 24) return {};
    const int pair = pairof(code);
    const int rank = pair == 1 ? 1 : 15 - pair;
    const bool first = code % 2 == 1;
    const int block = pair % 2 == 1 ? (first ? kSpades : kClubs) : (first ? kHearts : kDiamonds);
    return core::facefile(rank, core::suitword(block));
}

Cell cellOf(Board board, int position) {
    if (position < 1 || position > cardsOn(board)) return {0, 0};
    if (board == Board::Small) return {(position - 1) / kSmallColumns + 1, (position - 1) % kSmallColumns + 1};
    for (std::size_t r = 0; r < kBigMap.size(); ++r)
        for (std::size_t c = 0; c < kBigMap[r].size(); ++c)
            if (kBigMap[r][c] == position) return {static_cast<int>(r) + 1, static_cast<int>(c) + 1};
    return {0, 0};
}

Place cardPlace(Board board, int position) {
    const Cell cell = cellOf(board, position);
    const double left0 = board == Board::Big ? 1920 : board == Board::Small ? 2160 : 1080;
    const double top0 = board == Board::Small ? 480 : 360;
    return {left0 + kColumnStep * (cell.column - 1), top0 + kRowStep * (cell.row - 1)};
}

}  // namespace memoryrules
