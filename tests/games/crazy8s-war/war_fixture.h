#pragma once

#include "games/crazy8s-war/wargame.h"

#include "support/game_window_test.h"
#include "war_builder.h"

#include <string>

// War window tests: deals chosen by the test, cards named as "AS".
class WarTest : public gp::GameWindowTest {
protected:
    WarTest() : GameWindowTest("war") {}

    // The main window stand-in, then the table with this deal in place of the load's: the user's
    // pile top first, then the computer's.
    wargame& openWith(const std::string& user, const std::string& comp);
    // The same with short piles: each holds the named cards then as many more; the other cards are
    // out of the game.
    wargame& openPiles(const std::string& user, int userMore, const std::string& comp, int compMore);
    static int image(const wargame& w, const std::string& name) { return wartest::image(w.table, name); }

    // Whether any of the four timers runs.
    static bool busy(const wargame& w);
    // Lets the clock run until the battle under way is over, at most a minute.
    void finish(wargame& w);
    // Clicks the user's pile and plays the battle out.
    void battle(wargame& w);
    // The card images in the order they reach a pile while the clock runs until the battle is over.
    std::vector<int> collect(wargame& w);
};
