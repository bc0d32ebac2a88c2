#include "platform/screen_fit.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using platform::ScreenRect;

constexpr double kW = 640 * 15, kH = 480 * 15;  // the screen, twips
constexpr double kTitle = platform::kTitleAllowanceTwips;

bool overlaps(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(ScreenFit, AWindowMovesOnlyAsFarAsItMust) {
    struct Case {
        std::string what;
        ScreenRect window, moved;
    };
    const Case cases[] = {
        {"fits: stays", {100, 200, 4000, 3000}, {100, 200, 4000, 3000}},
        {"title room at the bottom counts", {0, kH - 3000 - kTitle + 1, 4000, 3000}, {0, kH - 3000 - kTitle, 4000, 3000}},
        {"past the right edge", {kW - 100, 0, 4000, 3000}, {kW - 4000, 0, 4000, 3000}},
        {"above and left of the screen", {-50, -70, 4000, 3000}, {0, 0, 4000, 3000}},
        {"too large: top-left corner", {300, 300, kW + 10, kH + 10}, {0, 0, kW + 10, kH + 10}},
    };
    for (const Case& c : cases) {
        const ScreenRect moved = platform::movedOnScreen(c.window, kW, kH);
        EXPECT_EQ(moved.left, c.moved.left) << c.what;
        EXPECT_EQ(moved.top, c.moved.top) << c.what;
        EXPECT_EQ(platform::fitsOnScreen(c.window, kW, kH), c.window.top == c.moved.top && c.window.left == c.moved.left &&
                                                            c.window.width <= kW)
            << c.what;
    }
}

TEST(ScreenFit, TheFactorShrinksJustEnoughForWhatTheWindowAdds) {
    struct Case {
        std::string what;
        float scale;
        double width, height, addedWidth, addedHeight;
    };
    const Case cases[] = {
        {"fits at its own factor", 0.78f, 9000, 8000, 0, 0},
        {"too tall", 0.78f, 9000, 10655, 0, 800},
        {"too wide", 0.78f, 13000, 5000, 1500, 300},
        {"both", 0.9f, 12000, 12000, 900, 1300},
    };
    for (const Case& c : cases) {
        const float fitted = platform::fittingScale(c.scale, c.width, c.height, c.addedWidth, c.addedHeight, kW, kH);
        const ScreenRect at{0, 0, c.width * fitted + c.addedWidth, c.height * fitted + c.addedHeight};
        EXPECT_LE(fitted, c.scale) << c.what;
        EXPECT_TRUE(platform::fitsOnScreen(at, kW, kH)) << c.what;
        // A hundredth more would not fit, unless the window's own factor fitted.
        const float more = fitted + 0.011f;
        const ScreenRect larger{0, 0, c.width * more + c.addedWidth, c.height * more + c.addedHeight};
        if (fitted < c.scale) {
            EXPECT_FALSE(platform::fitsOnScreen(larger, kW, kH)) << c.what;
        }
    }
}

TEST(ScreenFit, ABoxLeavesWhatItMustKeepInSight) {
    struct Case {
        std::string what;
        double width, height;
        ScreenRect keep;
    };
    const Case cases[] = {
        {"a card in the middle", 4000, 2000, {4200, 2800, 1200, 1600}},
        {"a card near the top", 4000, 2000, {4200, 300, 1200, 1600}},
        {"a card near the bottom", 4000, 2000, {4200, 5000, 1200, 1600}},
        {"a tall card: beside it", 3000, 2000, {3000, 0, 1200, kH}},
        {"nothing in the way", 4000, 2000, {0, 0, 500, 500}},
    };
    for (const Case& c : cases) {
        const ScreenRect box = platform::besideOf(c.width, c.height, c.keep, kW, kH);
        EXPECT_TRUE(platform::fitsOnScreen(box, kW, kH)) << c.what;
        EXPECT_FALSE(overlaps({box.left, box.top, box.width, box.height + kTitle}, c.keep)) << c.what;
    }
    const ScreenRect centred = platform::besideOf(4000, 2000, {0, 0, 500, 500}, kW, kH);
    EXPECT_EQ(centred.left, (kW - 4000) / 2);
}

}  // namespace
