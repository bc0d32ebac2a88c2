#pragma once

#include "games/backgammon/backgammon.h"
#include "games/backgammon/backgammonscore.h"

#include "board_builder.h"
#include "support/game_window_test.h"

#include <set>
#include <string_view>

// Backgammon window tests: the game window fixture, the user rolling first unless a test writes
// another first-roll setting, and boards set directly.
class BackgammonTest : public gp::GameWindowTest {
protected:
    BackgammonTest() : gp::GameWindowTest("backgammon") {}
    void SetUp() override;

    // The main window stand-in, then the board.
    backgammon& openBoard();
    // Puts a board chosen by the test on the window, keeping the match.
    static void setBoard(backgammon& b, const bgrules::BackgammonTable& board);
    // Drags the user's checker onto a point area, or onto the bear-off tray for bgrules::kTray.
    void move(backgammon& b, int checker, int target);
    // The places whose markers show.
    static std::set<int> shownMarkers(const backgammon& b);
    // Counts the sounds of one name played so far.
    int playedCount(std::string_view wave) const;
    // Whether the board window's own picture is the picture file's.
    static bool boardShows(const backgammon& b, std::string_view file);

    // The computer moves with chosen dice until its turn is over.
    void computerMoves(backgammon& b, int d1, int d2);
    // The score window when it shows.
    static backgammonscore* scoreShown();

    // Plays the running game to its end through the window: rolls by clicking the dice, drags
    // checkers to legal targets (bearing off first), lets the computer tick, and scripts each box
    // the game will show, answering the computer's offers with `acceptOffers`. With `userDoubles`
    // the user doubles at the first roll of the game. Stops when the score window shows.
    struct Played {
        int userDoubles = 0, computerOffers = 0, computerTicks = 0, userMoves = 0;
    };
    Played playGame(backgammon& b, bool userDoubles, bool acceptOffers);

private:
    // Scripts the verdict box when the game ending now completes the match.
    void expectVerdict(const backgammon& b, int gamesAfter);
};
