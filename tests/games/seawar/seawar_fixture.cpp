#include "seawar_fixture.h"

#include "games/seawar/seawar_placement.h"

#include "platform/files.h"
#include "platform/input.h"

#include <algorithm>

using namespace seawarrules;

void SeaWarTest::SetUp() {
    GameWindowTest::SetUp();
    options("Classic", "2");
}

void SeaWarTest::options(std::string_view gametype, std::string_view firstmove) {
    platform::writeSetting("\\seawartype.dat", gametype);
    platform::writeSetting("\\battleshipfirst.dat", firstmove);
}

seawar& SeaWarTest::openSeaWar() { return openGame<seawar>(); }

SeaWarTest::FleetPlan SeaWarTest::apart() {
    return {{{}, {181, kSide}, {161, kSide}, {141, kSide}, {121, kSide}, {101, kSide}}};
}

void SeaWarTest::drop(seawar& w, int ship, int first) {
    platform::Image& picture = w.shippicture(ship);
    const double grabX = picture.Width / 2;
    const double grabY = picture.Height / 2;
    ASSERT_EQ(platform::input::hitTest(w, picture.windowX() + grabX, picture.windowY() + grabY), &picture)
        << "ship " << ship << " is covered where it would be taken";
    const double left = w.Image1[first].Left + 60 - w.Image4.Left + grabX;
    const double top = w.Image1[first].Top + 60 - w.Image4.Top + grabY;
    drag(picture, w.Image4, left, top);
}

void SeaWarTest::placeFleet(seawar& w, const FleetPlan& plan) {
    for (int ship = 1; ship <= kShips; ++ship) {
        const auto [first, way] = plan[static_cast<std::size_t>(ship)];
        // A ship's first drop is lying, which may not start as far right as an upright one.
        drop(w, ship, usercell(rowof(first), std::min(columnof(first), 11 - shipsize(ship))));
        if (way == kUp) click(w.Command1);
        if (w.table.playercells[ship][1] != first) drop(w, ship, first);
        ASSERT_EQ(w.table.playercells[ship][1], first) << "ship " << ship;
    }
}

void SeaWarTest::startBattle(seawar& w, const FleetPlan& plan) {
    placeFleet(w, plan);
    boxes.expect("move first", platform::vbOK);
    click(w.Command2);
}

void SeaWarTest::fire(seawar& w, int cell) {
    click(w.Image1[cell]);
    computerTurn(w);
}

void SeaWarTest::computerTurn(seawar& w) {
    for (int tick = 0; tick < 10 && w.Timer1.running(); ++tick) advance(1000);
    EXPECT_FALSE(w.Timer1.running()) << "the computer's turn never ended";
}

std::vector<int> SeaWarTest::emptyEnemyCells(const seawar& w) {
    std::vector<int> cells;
    for (int cell = 1; cell <= 100; ++cell) {
        bool ship = false;
        for (int s = 1; s <= kShips; ++s) ship = ship || holds(w.table.enemycells[s], s, cell);
        if (!ship) cells.push_back(cell);
    }
    return cells;
}

bool SeaWarTest::pegShows(const seawar& w, int cell) {
    const platform::Image& peg = w.Shape2[cell];
    return peg.Top == w.Image1[cell].Top && peg.Left == w.Image1[cell].Left;
}
