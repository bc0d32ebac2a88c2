#pragma once

#include "games/golf/golf.h"

#include "support/window_test.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>

// Golf window tests: sound on, and tables chosen by the test.
class GolfTest : public gp::WindowTest {
protected:
    void SetUp() override;

    // A code in the window's order of suits: 0 spades, 1 hearts, 2 diamonds, 3 clubs.
    static int code(int rank, int block) { return block * 13 + rank; }
    // A deal with the given codes at the given card images (1..52); the other codes fill the
    // remaining images in ascending order.
    static std::array<std::int16_t, 52> dealWith(const std::map<int, int>& placed);
    // Opens the window and deals the chosen table.
    golf& openWith(const std::map<int, int>& placed);

    // The code whose face a control shows, 0 for none.
    static int shown(const golf& g, const platform::Control& c) { return g.faces.match(c.Picture.get()); }
    // The table cards showing in automatic drag mode.
    static std::set<int> draggable(const golf& g);
    // Whether a control shows the same pixels as a picture file of the program folder.
    static bool showsFile(const platform::Control& c, std::string_view file);
};
