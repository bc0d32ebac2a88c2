#pragma once

// Keeping windows and boxes wholly on the screen. A window manager puts a title bar of about 30
// pixels on top of a window's client area, so a window fits when its outer rectangle, with that
// much more below it, lies within the screen. Plain arithmetic in twips, apart from any window.
namespace platform {

inline constexpr double kTitleAllowanceTwips = 30 * 15;

struct ScreenRect {
    double left = 0, top = 0, width = 0, height = 0;
};

bool fitsOnScreen(const ScreenRect& window, double screenWidth, double screenHeight);
// The window moved as little as it must to fit; one too large for the screen goes to its top or
// left edge, which keeps its title and its top-left corner in reach.
ScreenRect movedOnScreen(ScreenRect window, double screenWidth, double screenHeight);
// The largest factor in whole hundredths, at most `scale`, at which a window whose outer size is `design` times the
// factor plus `added` fits the screen; `scale` itself where it fits already.
float fittingScale(float scale, double designWidth, double designHeight, double addedWidth, double addedHeight,
                   double screenWidth, double screenHeight);
// Where a box of the given size goes so that it leaves `keepVisible` in sight: centred on the
// screen where that covers nothing of it, else on the side of it with the most room, within the
// screen.
ScreenRect besideOf(double width, double height, const ScreenRect& keepVisible, double screenWidth, double screenHeight);

}  // namespace platform
