#pragma once

#include "games/tictactoe-hangman/tictactoe_table.h"

#include <array>
#include <string_view>

// Tic-Tac-Toe as plain functions over the table: the line test, the user's and the computer's
// moves, and the match scoring.
namespace tictactoerules {

using Line = std::array<int, 3>;

// The three rows, the three columns and the two diagonals.
inline constexpr std::array<Line, 8> kLines{{
    {1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 4, 7}, {2, 5, 8}, {3, 6, 9}, {1, 5, 9}, {3, 5, 7},
}};

inline constexpr int kDefaultTarget = 3;
inline constexpr int kMostWins = 15;

// A line is complete when its three cells hold the same mark.
bool complete(const Board& board, const Line& line);
// The line test: whether any of the eight lines is complete.
bool anyline(const Board& board);

inline int marksplaced(const TicTacToeTable& t) { return t.playermoves + t.compmoves; }

// How a move left the game.
enum class Ending { None, Win, Cat };

// A new game: an empty board, no marks counted, no draw pending. The match totals stay.
void newgamestate(TicTacToeTable& t);
// The user's mark for a new game from the play-as text: exactly "X" or "O", anything else a draw
// of one of the two. The computer takes the other.
void dealmarks(TicTacToeTable& t, std::string_view playas, const Draw& draw);

// The user's mark in an empty cell: a complete line wins, a ninth mark without one is a Cat (and
// `catgame` is set).
Ending usermove(TicTacToeTable& t, int cell);

// The computer's choice of cell (`compcell`), counting the mark it is about to place: on an empty
// board any cell by chance; otherwise a win, then a block, the centre, a line extended from a lone
// mark of its own, and last a random empty cell.
void compturn(TicTacToeTable& t, const Draw& draw);
// Places the computer's mark in `compcell`, drawing another cell while the chosen one is taken, and
// judges it: a complete line wins, a full board without one is a Cat (and `catgame` is set).
Ending compmove(TicTacToeTable& t, const Draw& draw);

// The match target from the play-to text: a whole number from 1 to 15, or 3 for any other text.
int playto(std::string_view text);

// Who has reached the target, the user tested first.
enum class MatchQuestion { None, UserWon, ComputerWon };
// Counts a finished game for the side that made its last move, unless it was a Cat, and tells
// which match question is due.
MatchQuestion countgame(TicTacToeTable& t, bool computerMovedLast, int target);

}  // namespace tictactoerules
