#include "support/window_test.h"
#include "test_windows.h"

#include "platform/input.h"

#include <gtest/gtest-spi.h>

namespace gp {
namespace {

using namespace testwin;
using platform::input::hitTest;

class Stacking : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        events().clear();
        t = &open<Table>();
    }
    std::string frontAt(double x, double y) {
        platform::Control* c = hitTest(*t, x, y);
        if (!c) return "background";
        if (c == &t->zone) return "zone";
        if (c == &t->label) return "label";
        if (c == &t->button) return "button";
        if (c == &t->frame) return "frame";
        if (c == &t->inner) return "inner";
        if (c == &t->framelabel) return "framelabel";
        if (c->Index() > 0) return "card" + std::to_string(c->Index());
        return c->describe();
    }
    Table* t = nullptr;
};

TEST_F(Stacking, LaterDesignedLightControlsLieInFront) {
    EXPECT_EQ(frontAt(700, 700), "card1");
    EXPECT_EQ(frontAt(1300, 700), "card2") << "card 2 covers card 1 where they overlap";
    EXPECT_EQ(frontAt(2500, 700), "card3");
}

TEST_F(Stacking, ZOrderBringsToFrontOrSendsToBack) {
    t->card[1].ZOrder(0);
    EXPECT_EQ(frontAt(1300, 700), "card1");
    t->card[1].ZOrder(1);
    EXPECT_EQ(frontAt(1300, 700), "card2");
    t->card[3].ZOrder();
    t->card[2].ZOrder();
    EXPECT_EQ(frontAt(1900, 700), "card2") << "the last one brought forward is frontmost";
}

TEST_F(Stacking, ShapesLinesHiddenAndDisabledControlsLetThePointerThrough) {
    EXPECT_EQ(frontAt(100, 100), "background") << "only the shape lies here";
    EXPECT_EQ(frontAt(700, 1000), "card1") << "the line over the card takes nothing";
    t->card[3].Visible = false;
    EXPECT_EQ(frontAt(2000, 700), "card2");
    t->card[2].Enabled = false;
    EXPECT_EQ(frontAt(1300, 700), "card1");
}

TEST_F(Stacking, PictureLessImageTakesItsWholeRectangle) {
    ASSERT_FALSE(t->zone.Picture);
    EXPECT_EQ(frontAt(4001, 3001), "zone");
    EXPECT_EQ(frontAt(5499, 4499), "zone");
    EXPECT_EQ(frontAt(5500, 4500), "background");
}

TEST_F(Stacking, WindowedControlsLieInFrontOfEveryLightOne) {
    t->card[3].Move(5800, 500);
    t->card[3].ZOrder(0);
    EXPECT_EQ(frontAt(6100, 700), "button");
    t->button.ZOrder(1);
    EXPECT_EQ(frontAt(6100, 700), "button") << "sending it back stays within its own layer";
}

TEST_F(Stacking, FrameHoldsControlsAtItsOwnOriginAndDisablesThem) {
    EXPECT_EQ(frontAt(3000 + 400, 4800 + 400), "inner");
    EXPECT_EQ(frontAt(3000 + 1300, 4800 + 400), "framelabel");
    EXPECT_EQ(frontAt(3000 + 2500, 4800 + 1500), "frame");
    EXPECT_DOUBLE_EQ(t->inner.windowX(), 3300);
    t->frame.Enabled = false;
    EXPECT_FALSE(t->inner.takesPointer());
    EXPECT_EQ(frontAt(3000 + 400, 4800 + 400), "background");
    click(t->inner);
    EXPECT_EQ(events(), std::vector<std::string>{"form.click"}) << "the click falls through to the window";
}

TEST_F(Stacking, GeometryIsKeptExactlyAsAssigned) {
    struct Case {
        double left, top, width, height;
    };
    for (const Case c : {Case{-1234.5, 99999, 0.25, 17}, Case{1e-3, -7.75, 1440, 1065}}) {
        t->zone.Move(c.left, c.top, c.width, c.height);
        EXPECT_EQ(t->zone.Left, c.left);
        EXPECT_EQ(t->zone.Top, c.top);
        EXPECT_EQ(t->zone.Width, c.width);
        EXPECT_EQ(t->zone.Height, c.height);
    }
}

TEST_F(Stacking, ClicksReachTheFrontmostControlOfEitherLayer) {
    click(t->card[1]);
    click(t->label);
    click(t->button);
    click(t->inner);
    click(t->framelabel);
    clickAt(*t, 8000, 5000);
    EXPECT_EQ(events(), (std::vector<std::string>{"card1.click", "label.click", "button.click", "inner.click",
                                                  "framelabel.click", "form.click"}));
}

TEST_F(Stacking, ClickingAControlCoveredEverywhereFailsTheTest) {
    t->zone.Move(600, 600, 300, 300);
    t->zone.ZOrder(1);
    t->card[1].ZOrder(0);
    EXPECT_NONFATAL_FAILURE(click(t->zone), "covered everywhere");
    EXPECT_TRUE(events().empty());
}

TEST_F(Stacking, DisabledWindowTakesNoClicks) {
    t->Enabled = false;
    click(t->card[1]);
    click(t->button);
    EXPECT_TRUE(events().empty());
}

TEST_F(Stacking, MouseMoveGoesToTheControlUnderThePointerOrTheWindow) {
    mouseMove(t->card[2]);
    platform::input::move(*t, 8000, 5000);
    EXPECT_EQ(events(), (std::vector<std::string>{"card2.move", "form.move"}));
}

}  // namespace
}  // namespace gp
