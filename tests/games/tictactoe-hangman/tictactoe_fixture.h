#pragma once

#include "games/tictactoe-hangman/tictacsettings.h"
#include "games/tictactoe-hangman/tictactoe.h"

#include "support/game_window_test.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

// Tic-Tac-Toe window tests: the settings the test writes, chance the test scripts, and boards read
// back from the cells as nine characters, "X", "O" or "." row by row.
class TicTacToeTest : public gp::GameWindowTest {
protected:
    TicTacToeTest() : GameWindowTest("tictactoe") {}

    // The play-as and play-to files the window reads.
    static void settings(std::string_view playas, std::string_view playto);
    tictactoe& openTicTac();
    // The window's random draws come from these numbers from now on; running dry fails the test.
    void script(tictactoe& w, std::deque<int> numbers);

    // The board as its cells show it; a cell whose picture is not its tag's fails the test.
    static std::string board(const tictactoe& w);
    // "1" for each enabled cell, "0" for each disabled one.
    static std::string enabled(const tictactoe& w);
    static bool arrowAtUser(const tictactoe& w);
    // The cells that take a click: exactly the empty ones.
    static std::string emptyCells(const tictactoe& w);

    // The computer's wait.
    void computerMove() { advance(1500); }
    // The user clicks the cells in order, each answered by the computer after its wait, until a
    // box shows the game's end (the boxes must be scripted) or the cells run out.
    void play(tictactoe& w, const std::vector<int>& cells);
    // The prompts of the boxes shown since the test began.
    std::vector<std::string> prompts() const;

    std::deque<int> numbers;
};
