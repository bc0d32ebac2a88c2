#pragma once

#include "games/fortythieves/fortythieves.h"

#include "fortythieves_decks.h"

#include "support/game_window_test.h"

#include <map>
#include <set>
#include <string>

// Forty Thieves window tests: deals chosen by the test, cards named as "5H" in file order.
class FortyThievesTest : public gp::GameWindowTest {
protected:
    FortyThievesTest() : GameWindowTest("fortythieves") {}

    // Opens the window and deals the given codes at the given cards instead of its own shuffle.
    fortythieves& openWith(const std::map<int, int>& placed);
    // Clicks on the stock.
    void turn(fortythieves& w, int clicks = 1);
    // A drop on the visible strip of a card that other cards of its column cover.
    void dropOnStrip(platform::Control& source, platform::Image& covered);

    // Card picture `card`'s place in the table, as its tag's text.
    static std::string tagOf(const fortythieves& w, const platform::Image& card);
    // The cards in automatic drag mode.
    static std::set<int> draggable(const fortythieves& w);
    // Every card picture shows the table's card: place, visibility, drag mode and (unless
    // told otherwise, as comparing pixels is slow) its face.
    static void expectMirrorsTable(const fortythieves& w, bool faces = true);
    // Whether the control is the frontmost one at its own centre.
    static bool onTop(fortythieves& w, const platform::Control& c);
};
