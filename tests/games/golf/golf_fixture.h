#pragma once

#include "games/golf/golf.h"

#include "support/game_window_test.h"

#include <map>
#include <set>
#include <string_view>

// Golf window tests: tables chosen by the test, cards named as "5S" in the window's order of suits.
class GolfTest : public gp::GameWindowTest {
protected:
    GolfTest() : GameWindowTest("golf") {}

    static int card(std::string_view name) { return gp::cardCode(name, core::SuitOrder::Window); }
    // Opens the window and deals the given codes at the given card images (1..52); the other
    // codes fill the remaining images in ascending order.
    golf& openWith(const std::map<int, int>& placed);

    // The code whose face a control shows, 0 for none.
    static int shown(const golf& g, const platform::Control& c) { return g.faces.match(c.Picture.get()); }
    // The table cards showing in automatic drag mode.
    static std::set<int> draggable(const golf& g);
    // Every card image shows the face of the code the table holds for it.
    static void expectFacesShowTheTable(const golf& g);
};
