#pragma once

#include "games/accordion/accordion.h"

#include "accordion_decks.h"

#include "support/game_window_test.h"

#include <string_view>
#include <tuple>
#include <vector>

// Accordion window tests: deals chosen by the test, cards named as "5S" in the window's order of suits.
class AccordionTest : public gp::GameWindowTest {
protected:
    AccordionTest() : GameWindowTest("accordian") {}

    static int card(std::string_view name) { return gp::cardCode(name, core::SuitOrder::Window); }
    // Opens the window and deals the given order instead of its own shuffle.
    Accordian& openWith(const accordiontest::Order& order);
    // Clicks on the stock.
    void deal(Accordian& a, int clicks);

    // The code whose face a control shows, 0 for none.
    static int shown(const Accordian& a, const platform::Control& c) { return a.faces.match(c.Picture.get()); }
    // The codes that row images from..to show.
    static std::vector<int> row(const Accordian& a, int from, int to);
    // Whether row image k lies on the table where the user can see it.
    static bool inSight(const Accordian& a, int k);

    // Every row image is indexed by its position, shows the very picture of its slot, shows
    // exactly when its slot does, and lies on its slot in front of it.
    static void expectRowMirrorsSlots(Accordian& a);

    // What a user could see change: the table, and every slot's and row image's picture,
    // visibility, place and drag mode.
    struct View {
        accordionrules::AccordionTable table;
        std::vector<std::tuple<platform::Picture, bool, double, double, int>> controls;
        bool operator==(const View&) const = default;
    };
    static View view(const Accordian& a);
};
