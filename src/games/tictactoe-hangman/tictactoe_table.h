#pragma once

#include <array>
#include <functional>
#include <string>

// The state of a Tic-Tac-Toe match, shared by the window and the plain rules. The cells are
// numbered row by row from the top left, 1-2-3, 4-5-6, 7-8-9; index 0 is unused so the numbers
// read as the board's own.
namespace tictactoerules {

inline constexpr int kEmpty = 0;
inline constexpr int kX = 1;
inline constexpr int kO = 2;
inline constexpr int kCells = 9;

// Each cell's content: kEmpty, kX or kO. The window shows it as the cells' pictures.
using Board = std::array<int, kCells + 1>;

struct TicTacToeTable {
    Board tag{};
    int playermark = kX;
    int compmark = kO;
    int compcell = 0;     // the cell chosen for the computer's mark
    int playermoves = 0;  // marks placed in the current game
    int compmoves = 0;
    int playerwins = 0;   // games won in the current match
    int compwins = 0;
    bool catgame = false;  // from a draw until the match scoring has counted it
    // The two settings as their files hold them ("\tictacwhat.dat", "\tictacto.dat"): the mark
    // to play as ("X", "O" or "R") and the match target ("1" to "15"), read at every new game and
    // activation, and set at once by the settings dialog.
    std::string playas;
    std::string playto;
};

// A whole number from 1 to n, as the game's one random generator draws it.
using Draw = std::function<int(int n)>;

}  // namespace tictactoerules
