#pragma once

#include "games/tictactoe-hangman/tictactoe_rules.h"
#include "games/tictactoe-hangman/tictactoe_table.h"

#include "common/gamewindow.h"
#include "platform/controls.h"

#include <string>

// Tic-Tac-Toe: the user against one named computer player, in matches won by the first side to
// win the chosen number of games. The rules live in plain functions over `table`; the window
// mirrors the board onto its cells, runs the computer's move on `Timer1` and asks the questions.
class tictactoe : public common::GameWindow {
public:
    tictactoe();

    // A new match: both totals 0, a new opponent, then a new game.
    void newgame2_Click();
    // A new game within the match: an empty board, the marks dealt from the play-as setting; X
    // moves first.
    void newgame();
    // Counts the finished game for the side that moved last, asks the match question when a total
    // has reached the target, and sets up the next game.
    void checks(bool computerMovedLast);
    // The computer's move: its choice, its mark, and the board handed back to the user.
    void compturn();

    tictactoerules::TicTacToeTable table;
    // Every random choice of the game: the marks of a random deal and the computer's chance cells.
    tictactoerules::Draw draw;
    float scale = 1;
    std::string playername;
    std::string oppname;  // the opponent of the current match

    platform::ControlArray<platform::Image> Picture1{*this, 1, 9};  // the cells, row by row
    platform::ControlArray<platform::Line> Line1{*this, 1, 8};      // the grid, in front of the cells
    platform::Label Label1{*this};  // the user's name and mark
    platform::Label Label3{*this};  // the user's wins
    platform::Label Label2{*this};  // the opponent's name and mark
    platform::Label Label4{*this};  // the opponent's wins
    platform::Image Image1{*this};  // the turn arrow
    platform::Timer Timer1{*this, 1500, false};  // runs while a computer move is pending

    platform::Menu newgame2{file, "New Game", div};
    platform::Menu edit{*this, "Edit", sound};
    platform::Menu pref{edit, "Preferences"};

private:
    void design();
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Unload(int& Cancel) override;
    void setscale();
    void scalewindow();
    void readsettings();
    void showcell(int cell);
    void clearboard();
    void pointarrow(bool atUser);
    void compmove();

    void Picture1_Click(int Index);
    void Timer1_Timer();
    void pref_Click();
};
