#include "support/window_test.h"
#include "test_windows.h"

#include "platform/input.h"

#include <QWidget>

#include <gtest/gtest-spi.h>

namespace gp {
namespace {

using namespace testwin;
using platform::vbAutomatic;

class Drag : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        events().clear();
        t = &open<Table>();
        for (int i = 1; i <= 3; ++i) t->card[i].DragMode = vbAutomatic;
    }
    // Only what happens from the press on.
    std::vector<std::string> fromPress(std::vector<std::string> log) {
        log.erase(log.begin());  // the gesture's move onto the source
        return log;
    }
    Table* t = nullptr;
};

TEST_F(Drag, PressNamesTheSourceThenDragsWithoutClickOrMoves) {
    drag(t->card[1], t->zone, 300, 450);
    EXPECT_EQ(fromPress(events()), (std::vector<std::string>{"card1.move", "card1.over0", "card1.over1",
                                                             "zone.drop from 1 at 300,450", "drag ended 1"}));
}

TEST_F(Drag, PressWithoutAnyMoveStillNamesTheSource) {
    platform::input::press(*t, 700, 700, platform::vbLeftButton);
    EXPECT_TRUE(platform::input::dragging());
    EXPECT_EQ(events(), (std::vector<std::string>{"card1.move", "card1.over0"}));
    platform::input::release(*t, 700, 700, platform::vbLeftButton);
}

TEST_F(Drag, DragOverFollowsThePointerFromTheSource) {
    platform::input::press(*t, 700, 700, platform::vbLeftButton);
    platform::input::move(*t, 710, 700, platform::vbLeftButton);
    platform::input::move(*t, 1300, 700, platform::vbLeftButton);
    platform::input::move(*t, 8000, 5000, platform::vbLeftButton);
    EXPECT_EQ(events(), (std::vector<std::string>{"card1.move", "card1.over0", "card1.over2", "card1.over1",
                                                  "card2.over0", "card2.over1"}));
    platform::input::release(*t, 8000, 5000, platform::vbLeftButton);
}

TEST_F(Drag, OutlineOfTheSourceSizeKeepsTheGrabPoint) {
    platform::input::press(*t, 700, 800, platform::vbLeftButton);
    platform::input::move(*t, 5000, 4000, platform::vbLeftButton);
    const auto o = platform::input::dragOutline();
    EXPECT_DOUBLE_EQ(o.left, 5000 - 100);
    EXPECT_DOUBLE_EQ(o.top, 4000 - 200);
    EXPECT_DOUBLE_EQ(o.width, 1065);
    EXPECT_DOUBLE_EQ(o.height, 1440);
    EXPECT_DOUBLE_EQ(t->card[1].Left, 600) << "the card itself stays";
    platform::input::release(*t, 5000, 4000, platform::vbLeftButton);
    EXPECT_FALSE(platform::input::dragging());
}

TEST_F(Drag, DropGoesToTheFrontmostControlWhichMayBeTheSourceItself) {
    drag(t->card[2], t->card[2], 100, 100);
    drag(t->card[1], t->card[2], 10, 10);
    EXPECT_EQ(std::count(events().begin(), events().end(), "card2.drop from 2 at 100,100"), 1);
    EXPECT_EQ(std::count(events().begin(), events().end(), "card2.drop from 1 at 10,10"), 1);
}

TEST_F(Drag, ControlWithoutDropHandlerSwallowsTheDrop) {
    t->label.Move(4000, 3000, 1500, 1500);  // now lies over the zone
    EXPECT_NONFATAL_FAILURE(drag(t->card[1], t->zone), "lands on Label");
    EXPECT_EQ(std::count_if(events().begin(), events().end(), [](const std::string& e) { return e.find("drop") != e.npos; }), 0);
    EXPECT_EQ(events().back(), "drag ended 1");
}

TEST_F(Drag, DropZoneBehindACardFailsTheGesture) {
    t->zone.Move(600, 600, 1065, 1440);
    t->zone.ZOrder(1);
    EXPECT_NONFATAL_FAILURE(drag(t->card[3], t->zone), "lands on Image(1)");
}

TEST_F(Drag, DropZoneOutsideTheClientAreaFailsTheGesture) {
    t->zone.Move(t->canvas()->width() * 15.0 + 300, 600, 1065, 1440);
    EXPECT_NONFATAL_FAILURE(drag(t->card[3], t->zone), "outside the window's client area");
    EXPECT_NONFATAL_FAILURE(dragTo(t->card[3], 4000, -300), "outside the window's client area");
}

TEST_F(Drag, ReleaseOverTheBackgroundGoesToTheWindow) {
    dragTo(t->card[3], 8000, 6000);
    EXPECT_EQ(fromPress(events()), (std::vector<std::string>{"card3.move", "card3.over0", "card3.over1",
                                                             "form.drop from 3 at 8000,6000", "drag ended 3"}));
}

TEST_F(Drag, ReleaseOutsideTheWindowDropsNowhere) {
    // The third card reaches past the right edge of the client area, where the user cannot see it.
    const double clientWidth = t->canvas()->width() * 15.0;
    t->card[3].Left = clientWidth - 500;
    struct Case {
        double x, y;
    };
    for (const Case c : {Case{4500, -600}, Case{-300, 2000}, Case{clientWidth + 100, 1000}}) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        events().clear();
        platform::input::press(*t, 1300, 700, platform::vbLeftButton);
        platform::input::move(*t, c.x, c.y, platform::vbLeftButton);
        platform::input::release(*t, c.x, c.y, platform::vbLeftButton);
        settle();
        EXPECT_EQ(events(), (std::vector<std::string>{"card2.move", "card2.over0", "card2.over1", "drag ended 2"}));
    }
}

TEST_F(Drag, ManualModeAndPictureLessControlsNeedNoDragToClick) {
    t->card[1].DragMode = platform::vbManual;
    click(t->card[1]);
    EXPECT_FALSE(platform::input::dragging());
    EXPECT_EQ(events(), std::vector<std::string>{"card1.click"});
}

TEST_F(Drag, SourceUnloadedDuringTheDragEndsItWithoutADrop) {
    platform::input::press(*t, 700, 700, platform::vbLeftButton);
    t->card.Unload(1);
    EXPECT_FALSE(platform::input::dragging());
    platform::input::release(*t, 4500, 3500, platform::vbLeftButton);
    EXPECT_EQ(events(), (std::vector<std::string>{"card1.move", "card1.over0"}));
}

TEST_F(Drag, DisabledControlsTakeNoDrop) {
    t->zone.Enabled = false;
    dragTo(t->card[1], 4500, 3500);
    EXPECT_EQ(events()[events().size() - 2], "form.drop from 1 at 4500,3500");
}

}  // namespace
}  // namespace gp
