#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/tictactoe-hangman/hangman.h"
#include "games/tictactoe-hangman/hangmanhighs.h"
#include "games/tictactoe-hangman/tictacsettings.h"
#include "games/tictactoe-hangman/tictactoe.h"

#include <algorithm>

// Tic-Tac-Toe: the board holds as many marks of each side as that side has made. Hangman and the
// dialogs: the run's own rules (locks, timers, an answering window).
namespace {

using namespace tictactoerules;

std::string tictactoeHolds(tictactoe& g) {
    const TicTacToeTable& t = g.table;
    const auto marks = [&](int mark) { return static_cast<int>(std::ranges::count(t.tag, mark)); };
    if (marks(t.playermark) != t.playermoves || marks(t.compmark) != t.compmoves)
        return "the board shows " + std::to_string(marks(t.playermark)) + " and " + std::to_string(marks(t.compmark)) +
               " marks, counted " + std::to_string(t.playermoves) + " and " + std::to_string(t.compmoves);
    return {};
}

platform::Form* tictactoeWindow() { return platform::loaded<tictactoe>(); }
platform::Form* hangmanWindow() { return platform::loaded<hangman>(); }

const bool tictactoePlayed =
    gp::playRules<tictactoe>("tictactoe", {.timers = 1, .locks = common::mainwindow, .holds = tictactoeHolds});
const bool settingsPlayed =
    gp::playRules<tictacsettings>("tictactoe settings", {.played = false, .locks = tictactoeWindow});
const bool hangmanPlayed = gp::playRules<hangman>("hangman", {.locks = common::mainwindow});
const bool highsPlayed = gp::playRules<hangmanhighs>("hangman highs", {.played = false, .locks = hangmanWindow});

}  // namespace
