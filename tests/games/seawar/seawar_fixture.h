#pragma once

#include "games/seawar/seawar.h"

#include "support/game_window_test.h"

#include <array>
#include <string_view>
#include <utility>

// Sea War window tests: sound on, the options the test writes, and fleets placed by dragging.
class SeaWarTest : public gp::GameWindowTest {
protected:
    SeaWarTest() : GameWindowTest("seawar") {}
    void SetUp() override;

    // The game type and first move the next load reads; the defaults are "Classic" and "2" (the
    // user first) so that a test decides when the computer fires.
    void options(std::string_view gametype, std::string_view firstmove);
    seawar& openSeaWar();

    // By ship number 1..5: first cell and orientation.
    using FleetPlan = std::array<std::pair<int, int>, 6>;
    // Five ships apart, all lying: rows 1, 3, 5, 7 and 9 from column 1.
    static FleetPlan apart();

    // Drags the ship onto the drop zone so that its picture's top-left corner comes to lie a
    // little inside cell `first`; the drag fails the test when anything else is frontmost there.
    void drop(seawar& w, int ship, int first);
    // Drops every ship of the plan, turning the upright ones with Rotate after their drop.
    void placeFleet(seawar& w, const FleetPlan& plan);
    // Places the fleet and presses Done, answering the first-move notice.
    void startBattle(seawar& w, const FleetPlan& plan = apart());

    // The user clicks an enemy cell; the computer's turn, if it follows, runs to its end.
    void fire(seawar& w, int cell);
    // Lets the computer's timer run until it stops.
    void computerTurn(seawar& w);

    // The enemy cells that hold no ship, in order.
    static std::vector<int> emptyEnemyCells(const seawar& w);
    static bool pegShows(const seawar& w, int cell);
};
