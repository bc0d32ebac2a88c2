#pragma once

#include <string>

// The cards of the memory games: pair codes and their faces, and where each position lies on
// the three boards. Codes 2k - 1 and 2k form pair k; positions are the card images 1..N.
namespace memoryrules {

// The two boards against the computer, and the timed board (the big one moved to the left).
enum class Board { Big, Small, Timed };

int cardsOn(Board board);  // 24, 12, 24
int pairsOn(Board board);  // 12, 6, 12

// Pair k of a code: the whole part of (code + 1) / 2.
int pairof(int code);

// Pair k shows one rank, in the order ace, king, queen .. three. Odd pairs are black (the spade,
// then the club), even pairs red (the heart, then the diamond). Empty text outside 1 to 24.
std::string pairface(int code);

struct Cell {
    int row;
    int column;
};
// Rows and columns from the top left. The 4 x 6 boards put positions in a fixed map; the 3 x 4
// board numbers row by row. Row 0 for a position not on the board.
Cell cellOf(Board board, int position);

// Design position of a card in twips, before scaling.
struct Place {
    double left;
    double top;
};
Place cardPlace(Board board, int position);

}  // namespace memoryrules
