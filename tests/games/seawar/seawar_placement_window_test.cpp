#include "seawar_fixture.h"

#include "games/seawar/seawar_layout.h"

#include "platform/input.h"

#include <QPushButton>

#include <algorithm>

using namespace seawarrules;

namespace {

// The position of a control in its container's stacking order, back to front.
std::ptrdiff_t depth(const platform::Control& c) {
    const auto& light = c.container()->lightControls();
    return std::find(light.begin(), light.end(), &c) - light.begin();
}

}  // namespace

class SeaWarPlacement : public SeaWarTest {
protected:
    // A drag held at (grabX, grabY) inside the ship and let go with the pointer at (x, y) on the
    // drop zone, which must be frontmost there.
    void dropHeld(seawar& w, int ship, double grabX, double grabY, double x, double y) {
        platform::Image& picture = w.shippicture(ship);
        const double fromX = picture.windowX() + grabX;
        const double fromY = picture.windowY() + grabY;
        ASSERT_EQ(platform::input::hitTest(w, fromX, fromY), &picture);
        platform::input::move(w, fromX, fromY);
        platform::input::press(w, fromX, fromY, platform::vbLeftButton);
        const double toX = w.Image4.windowX() + x;
        const double toY = w.Image4.windowY() + y;
        platform::input::move(w, toX, toY, platform::vbLeftButton);
        ASSERT_EQ(platform::input::hitTest(w, toX, toY), &w.Image4);
        platform::input::release(w, toX, toY, platform::vbLeftButton);
        settle();
    }
    // Presses a button from the keyboard: focus and the space bar reach a button the enemy side covers.
    static void keyPress(platform::CommandButton& button) { static_cast<QPushButton*>(button.widget())->click(); }
};

TEST_F(SeaWarPlacement, DropsSnapToTheGridsCellsAsTheyLie) {
    seawar& w = openSeaWar();
    const double zoneLeft = w.Image4.Left;
    const double zoneTop = w.Image4.Top;
    const auto left = [&](int column) { return w.Image1[100 + column].Left - zoneLeft; };
    const auto top = [&](int row) { return w.Image1[usercell(row, 1)].Top - zoneTop; };
    const struct {
        const char* name;
        int ship;
        double grabX, pointerX, pointerY;
        int first;
    } cases[] = {
        {"a carrier held near its bow over column 10 starts in column 6", kCarrier, 100, left(10) + 200, top(3) + 300,
         126},
        {"a cruiser held the same way starts in column 9", kCruiser, 100, left(10) + 200, top(4) + 300, 139},
        {"a picture on column 4's left edge stays there", kDestroyer, 100, left(4) + 100, top(5) + 300, 144},
        {"a picture on row 7's top edge goes to row 6", kSubmarine, 100, left(2) + 150, top(7) + 232.5, 152},
        {"a picture reaching left of the grid starts in column 1", kBattleship, 900, left(1) + 300, top(8) + 300,
         171},
        {"a picture reaching above the grid starts in row 1", kCruiser, 100, left(7) + 150, 100, 107},
    };
    for (const auto& c : cases) {
        dropHeld(w, c.ship, c.grabX, 232.5, c.pointerX, c.pointerY);
        const platform::Image& picture = w.shippicture(c.ship);
        EXPECT_EQ(w.table.playercells[c.ship][1], c.first) << c.name;
        EXPECT_EQ(picture.Left, w.Image1[c.first].Left) << c.name;
        EXPECT_EQ(picture.Top, w.Image1[c.first].Top) << c.name;
        EXPECT_EQ(w.table.droppedship, c.ship) << c.name;
    }
    EXPECT_EQ(sounds.played(), std::vector<std::string>(6, "flick.wav"));
}

TEST_F(SeaWarPlacement, TheDropPlacesTheShipThatWasDraggedWhereverThePointerLastMoved) {
    seawar& w = openSeaWar();
    // The pointer last moved over the carrier; the cruiser arrives at the drop zone.
    w.accside.MouseMove(platform::vbLeftButton, 0, 100, 232.5);
    const double x = w.Image1[134].Left - w.Image4.Left + 100 + 60;
    const double y = w.Image1[134].Top - w.Image4.Top + 232.5 + 60;
    w.Image4.DragDrop(w.cruiserside, x, y);
    EXPECT_EQ(w.table.playercells[kCruiser][1], 134);
    EXPECT_EQ(w.cruiserside.Left, w.Image1[134].Left);
    EXPECT_EQ(w.table.droppedship, kCruiser);
    EXPECT_EQ(w.table.playercells[kCarrier][1], 0) << "the carrier stays in the dock";
    EXPECT_EQ(w.accside.Left, 600);
}

TEST_F(SeaWarPlacement, AnUprightShipDroppedLowIsHeldInsideTheGrid) {
    seawar& w = openSeaWar();
    drop(w, kCarrier, 102);
    click(w.Command1);
    drop(w, kCarrier, 177);
    EXPECT_EQ(w.table.playercells[kCarrier], (ShipCells{0, 157, 167, 177, 187, 197}));
    EXPECT_EQ(w.accside.Top, w.Image1[157].Top);
    EXPECT_EQ(w.table.shipway[kCarrier], kUp) << "a drop never turns a ship";
}

TEST_F(SeaWarPlacement, OnlyTheFirstDropChangesTheDockPicture) {
    seawar& w = openSeaWar();
    EXPECT_EQ(w.subside.Picture, w.dockpicture);
    drop(w, kSubmarine, 133);
    EXPECT_EQ(w.subside.Picture, w.sidepicture);
    EXPECT_EQ(w.subside.Width, 1410) << "the picture keeps its size";
    click(w.Command1);
    EXPECT_EQ(w.subside.Picture, w.uppicture);
    drop(w, kSubmarine, 117);
    EXPECT_EQ(w.subside.Picture, w.uppicture);
    EXPECT_EQ(w.table.playercells[kSubmarine], (ShipCells{0, 117, 127, 137, 0, 0}));
}

TEST_F(SeaWarPlacement, ReleasesAnywhereButTheDropZoneChangeNothing) {
    seawar& w = openSeaWar();
    drop(w, kCarrier, 101);
    sounds.clear();
    const auto before = w.table;
    drag(w.destroyerside, w.accside);
    drag(w.accside, w.accside);
    drag(w.accside, w.Command2);
    drag(w.destroyerside, w.Label1);
    dragTo(w.subside, w.Shape1.Left + 200, w.Shape1.Top + 3000);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_TRUE(boxes.shown().empty()) << "a drop on Done is no press of Done";
    EXPECT_EQ(w.table.droppedship, 5);
    EXPECT_EQ(w.table.playercells, before.playercells);
    EXPECT_EQ(w.destroyerside.Left, 600);
    EXPECT_EQ(w.accside.Left, w.Image1[101].Left);
}

TEST_F(SeaWarPlacement, ADropStacksTheShipsAndDrawsTheGridOverThem) {
    seawar& w = openSeaWar();
    drop(w, kBattleship, 121);
    const std::ptrdiff_t order[] = {depth(w.cruiserside), depth(w.accside), depth(w.destroyerside),
                                    depth(w.battleshipside), depth(w.subside)};
    EXPECT_TRUE(std::is_sorted(std::begin(order), std::end(order)));
    EXPECT_GT(depth(w.cruiserside), depth(w.Image4)) << "a placed ship can be taken again";
    for (int k = 22; k <= 43; ++k) EXPECT_GT(depth(w.Line1[k]), depth(w.subside)) << k;
    drop(w, kBattleship, 141);
    EXPECT_EQ(w.table.playercells[kBattleship][1], 141);
}

TEST_F(SeaWarPlacement, RotateTurnsTheShipDroppedLast) {
    const struct {
        const char* name;
        int ship, first;
        bool upFirst;  // turned upright before it is turned back
        int anchor;
        int expectedAnchor;
    } cases[] = {
        {"a lying carrier in row 8 goes up to row 6", kCarrier, 171, false, 171, 151},
        {"a lying cruiser in row 10 goes up one row", kCruiser, 195, false, 195, 185},
        {"an upright battleship in column 9 comes back to column 7", kBattleship, 121, true, 129, 127},
        {"an upright destroyer in column 5 lies down where it is", kDestroyer, 141, true, 145, 145},
    };
    for (const auto& c : cases) {
        seawar& w = openSeaWar();
        drop(w, c.ship, c.first);
        if (c.upFirst) {
            click(w.Command1);
            drop(w, c.ship, c.anchor);
        }
        platform::Image& picture = w.shippicture(c.ship);
        const double length = c.upFirst ? picture.Height : picture.Width;
        click(w.Command1);
        const bool up = !c.upFirst;
        EXPECT_EQ(w.table.shipway[c.ship], up ? kUp : kSide) << c.name;
        EXPECT_EQ(w.table.playercells[c.ship][1], c.expectedAnchor) << c.name;
        EXPECT_EQ(w.table.playercells[c.ship][2], c.expectedAnchor + (up ? 10 : 1)) << c.name;
        EXPECT_EQ(picture.Left, w.Image1[c.expectedAnchor].Left) << c.name;
        EXPECT_EQ(picture.Top, w.Image1[c.expectedAnchor].Top) << c.name;
        EXPECT_EQ(up ? picture.Height : picture.Width, length) << c.name;
        EXPECT_EQ(up ? picture.Width : picture.Height, kShipBeam) << c.name;
        EXPECT_EQ(picture.Picture, up ? w.uppicture : w.sidepicture) << c.name;
        close(w);
    }
}

TEST_F(SeaWarPlacement, TwoTurnsRestoreTheOrientationNotThePlace) {
    seawar& w = openSeaWar();
    drop(w, kCarrier, 196);
    click(w.Command1);
    click(w.Command1);
    EXPECT_EQ(w.table.playercells[kCarrier][1], 156);
    EXPECT_EQ(w.accside.Width, 2370);
    EXPECT_EQ(w.accside.Height, 465);
    EXPECT_EQ(w.accside.Picture, w.sidepicture);
}

TEST_F(SeaWarPlacement, RotateBeforeAnyDropOnlySounds) {
    seawar& w = openSeaWar();
    drop(w, kCruiser, 111);
    chooseMenu(w.newgame);
    sounds.clear();
    click(w.Command1);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    EXPECT_EQ(w.cruiserside.Width, 930);
    EXPECT_EQ(w.table.shipway[kCruiser], kSide);
}

TEST_F(SeaWarPlacement, NewGameSendsEveryShipBackToTheDock) {
    seawar& w = openSeaWar();
    drop(w, kCarrier, 101);
    drop(w, kDestroyer, 141);
    click(w.Command1);
    drop(w, kCruiser, 181);
    chooseMenu(w.newgame);
    EXPECT_EQ(w.table.droppedship, 0);
    for (int ship = 1; ship <= kShips; ++ship) {
        const platform::Image& picture = w.shippicture(ship);
        EXPECT_EQ(picture.Left, kDockLeft) << ship;
        EXPECT_EQ(picture.Top, docktop(ship)) << ship;
        EXPECT_EQ(picture.Width, shipdesignwidth(ship)) << ship;
        EXPECT_EQ(picture.Height, kShipBeam) << ship;
        EXPECT_EQ(picture.Picture, w.dockpicture) << ship;
        EXPECT_EQ(w.table.playercells[ship][1], 0) << ship;
        EXPECT_EQ(w.table.shipway[ship], kSide) << ship;
    }
    drop(w, kDestroyer, 141);
    EXPECT_EQ(w.destroyerside.Picture, w.sidepicture) << "a new game's first drop changes the picture again";
}

TEST_F(SeaWarPlacement, DoneWantsEveryShipOnTheGridBeforeItLooksForOverlaps) {
    seawar& w = openSeaWar();
    drop(w, kCarrier, 101);
    drop(w, kBattleship, 104);
    drop(w, kSubmarine, 141);
    drop(w, kDestroyer, 161);
    boxes.expect("You Need to Position all your ships", platform::vbOK);
    click(w.Command2);
    drop(w, kCruiser, 181);
    boxes.expect("Two ships may not be on the same spot", platform::vbOK);
    click(w.Command2);
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[0].title, "Position Ships");
    EXPECT_EQ(boxes.shown()[1].style, platform::vbOKOnly + platform::vbInformation);
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_TRUE(w.table.placing);
    drop(w, kBattleship, 121);
    boxes.expect("You will move first", platform::vbOK);
    click(w.Command2);
    EXPECT_TRUE(w.Frame1.Visible.get());
}

TEST_F(SeaWarPlacement, AShipLeftInTheDockIsNotPlacedAtTheSmallestScreen) {
    setScreen(640, 480);
    seawar& w = openSeaWar();
    for (int ship : {kCarrier, kBattleship, kSubmarine, kDestroyer}) drop(w, ship, apart()[ship].first);
    boxes.expect("You Need to Position all your ships", platform::vbOK);
    click(w.Command2);
    EXPECT_TRUE(w.table.placing);
}

TEST_F(SeaWarPlacement, DoneStartsTheBattleWithTheFirstMoverOfTheSetting) {
    const struct {
        const char* setting;
        const char* notice;
        bool userFirst;
    } cases[] = {
        {"2", "You will move first", true},
        {"3", "The Computer will move first", false},
        {"1", nullptr, false},
    };
    for (const auto& c : cases) {
        options("Classic", c.setting);
        seawar& w = openSeaWar();
        placeFleet(w, apart());
        boxes.expect(c.notice ? c.notice : "move first", platform::vbOK);
        click(w.Command2);
        const bool userFirst = c.notice ? c.userFirst : w.table.firstmover == 1;
        EXPECT_EQ(boxes.shown().back().prompt, userFirst ? "You will move first" : "The Computer will move first");
        EXPECT_EQ(boxes.shown().back().title, userFirst ? "Your Move" : "Computer Move");
        EXPECT_EQ(w.table.firstmover, userFirst ? 1 : 2) << c.setting;
        EXPECT_TRUE(w.Frame1.Visible.get());
        EXPECT_EQ(w.Frame1.Enabled.get(), userFirst) << c.setting;
        EXPECT_EQ(w.Timer1.running(), !userFirst) << c.setting;
        EXPECT_FALSE(w.gametype.Enabled.get());
        EXPECT_FALSE(w.Image1[150].Enabled.get());
        EXPECT_EQ(w.accside.DragMode, platform::vbManual);
        close(w);
    }
}

TEST_F(SeaWarPlacement, RotateAndDoneDoNothingOnceTheBattleIsOn) {
    seawar& w = openSeaWar();
    startBattle(w);
    const auto before = w.table;
    const double height = w.cruiserside.Height;
    sounds.clear();
    keyPress(w.Command1);
    keyPress(w.Command2);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(boxes.shown().size(), 1u) << "only the first-move notice of the real Done";
    EXPECT_EQ(w.table.playercells, before.playercells);
    EXPECT_EQ(w.cruiserside.Height, height);
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_TRUE(w.Frame1.Enabled.get());
}
