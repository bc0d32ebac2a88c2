#include "platform/screen_fit.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

// The edge that keeps a span of `size` within [0, room], moved as little as it must.
double keptWithin(double start, double size, double room) { return std::max(0.0, std::min(start, room - size)); }

bool overlap(const ScreenRect& a, const ScreenRect& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

}  // namespace

bool fitsOnScreen(const ScreenRect& window, double screenWidth, double screenHeight) {
    return window.left >= 0 && window.top >= 0 && window.left + window.width <= screenWidth &&
           window.top + window.height + kTitleAllowanceTwips <= screenHeight;
}

ScreenRect movedOnScreen(ScreenRect window, double screenWidth, double screenHeight) {
    window.left = keptWithin(window.left, window.width, screenWidth);
    window.top = keptWithin(window.top, window.height + kTitleAllowanceTwips, screenHeight);
    return window;
}

float fittingScale(float scale, double designWidth, double designHeight, double addedWidth, double addedHeight,
                   double screenWidth, double screenHeight) {
    float fitted = scale;
    const auto limit = [&fitted](double design, double added, double room) {
        if (design <= 0 || design * double(fitted) + added <= room) return;
        // Whole hundredths, rounded down, as the windows' own factors are written: their design
        // steps stay whole twips, and single precision cannot carry the window back over the edge.
        fitted = std::min(fitted, float(std::floor((room - added) / design * 100) / 100));
    };
    limit(designWidth, addedWidth, screenWidth);
    limit(designHeight, addedHeight, screenHeight - kTitleAllowanceTwips);
    return std::max(fitted, 0.1f);
}

ScreenRect besideOf(double width, double height, const ScreenRect& keepVisible, double screenWidth, double screenHeight) {
    // The box's own footprint counts its title bar, as a window's does.
    const double tall = height + kTitleAllowanceTwips;
    ScreenRect box = movedOnScreen({(screenWidth - width) / 2, (screenHeight - tall) / 2, width, height}, screenWidth,
                             screenHeight);
    const ScreenRect footprint{box.left, box.top, width, tall};
    if (!overlap(footprint, keepVisible)) return box;
    const double above = keepVisible.top;
    const double below = screenHeight - (keepVisible.top + keepVisible.height);
    const double left = keepVisible.left;
    const double right = screenWidth - (keepVisible.left + keepVisible.width);
    // Below or above first: there the box stays near the middle of the table.
    if (std::max(below, above) >= tall)
        box.top = below >= above ? keepVisible.top + keepVisible.height : keepVisible.top - tall;
    else if (std::max(right, left) >= width)
        box.left = right >= left ? keepVisible.left + keepVisible.width : keepVisible.left - width;
    else if (std::max(below, above) >= std::max(right, left))
        box.top = below >= above ? screenHeight - tall : 0;
    else
        box.left = right >= left ? screenWidth - width : 0;
    return movedOnScreen(box, screenWidth, screenHeight);
}

}  // namespace platform
