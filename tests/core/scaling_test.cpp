#include "core/scaling.h"

#include <gtest/gtest.h>

using namespace core;

namespace {

constexpr ScaleFactors kHearts{0.74f, 0.9f};
constexpr ScaleFactors kGolf{0.78f, 1.0f};

}  // namespace

TEST(SetScale, ScreenSizeChoosesTheWindowsFactor) {
    struct Case { int w, h; const char* text; ScreenKind kind; float hearts; float golf; };
    const Case cases[] = {
        {640, 480, "Screen Resolution: 640 x 480", ScreenKind::At640x480, 0.74f, 0.78f},
        {800, 600, "Screen Resolution: 800 x 600", ScreenKind::At800x600, 0.9f, 1.0f},
        {1024, 768, "Screen Resolution: 1024 x 768", ScreenKind::Other, 1.0f, 1.0f},
        {1280, 1024, "Screen Resolution: 1280 x 1024", ScreenKind::Other, 1.0f, 1.0f},
        {640, 400, "Screen Resolution: 640 x 400", ScreenKind::Other, 1.0f, 1.0f},
        {800, 480, "Screen Resolution: 800 x 480", ScreenKind::Other, 1.0f, 1.0f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto hearts = choosescale(c.w * 15.0, c.h * 15.0, 15, 15, kHearts);
        EXPECT_EQ(hearts.text, c.text);
        EXPECT_EQ(hearts.kind, c.kind);
        EXPECT_EQ(hearts.scale, c.hearts);
        EXPECT_EQ(choosescale(c.w * 15.0, c.h * 15.0, 15, 15, kGolf).scale, c.golf);
    }
}

TEST(SetScale, PixelsComeFromWholeTwipsAndWholeTwipsPerPixel) {
    EXPECT_EQ(screenpixels(12288, 12), 1024);                // large fonts
    EXPECT_EQ(screenpixels(9600.4, 15), 640);
    EXPECT_EQ(screenpixels(9614, 15), 640);                  // the remainder is dropped
    EXPECT_EQ(screenpixels(9600, 15.2), 640);                // 15.2 rounds to 15
    EXPECT_EQ(screenpixels(9600, 0), 0);                     // never a division by zero
    EXPECT_EQ(choosescale(7680, 5760, 12, 12, kHearts).kind, ScreenKind::At640x480);
}

TEST(SetScale, TextIsTheExactComparison) {
    EXPECT_EQ(screenkind("Screen Resolution: 640 x 480"), ScreenKind::At640x480);
    EXPECT_EQ(screenkind("Screen Resolution:640 x 480"), ScreenKind::Other);
    EXPECT_EQ(screenkind("screen resolution: 800 x 600"), ScreenKind::Other);
    EXPECT_EQ(screenkind("Screen Resolution: 800 x 600 "), ScreenKind::Other);
}

TEST(ScaleIt, EveryEdgeTimesTheFactor) {
    const auto g = scaled(Geometry{1000, 2000, 3000, 4000}, 0.78f);
    EXPECT_DOUBLE_EQ(g.Left, 1000 * double(0.78f));
    EXPECT_DOUBLE_EQ(g.Top, 2000 * double(0.78f));
    EXPECT_DOUBLE_EQ(g.Width, 3000 * double(0.78f));
    EXPECT_DOUBLE_EQ(g.Height, 4000 * double(0.78f));
    const auto same = scaled(Geometry{-120, 35, 1065, 1440}, 1.0f);
    EXPECT_EQ(same.Left, -120);
    EXPECT_EQ(same.Height, 1440);
    EXPECT_NEAR(scaled(2680.0, 0.76f), 2036.8, 1e-3);
}
