#include "common/scaling.h"

#include "platform/form.h"

#include <cmath>

namespace common {
namespace {

// A number's text with the blank that stands in the sign position of a number that is not negative.
// Appended rather than added: GCC 12's optimiser warns falsely about a literal + std::string.
std::string numbertext(int n) {
    return std::string(n < 0 ? "" : " ").append(std::to_string(n));
}

}  // namespace

int screenpixels(double twips, double twipsPerPixel) {
    const long long whole = std::llround(std::nearbyint(twips));
    const long long per = std::llround(std::nearbyint(twipsPerPixel));
    if (per == 0) return 0;
    return static_cast<int>(whole / per);
}

std::string screentext(int widthPx, int heightPx) {
    return "Screen Resolution:" + numbertext(widthPx) + " x" + numbertext(heightPx);
}

ScreenKind screenkind(std::string_view text) {
    if (text == "Screen Resolution: 640 x 480") return ScreenKind::At640x480;
    if (text == "Screen Resolution: 800 x 600") return ScreenKind::At800x600;
    return ScreenKind::Other;
}

float scalefor(ScreenKind kind, const ScaleFactors& factors) {
    switch (kind) {
    case ScreenKind::At640x480: return factors.at640x480;
    case ScreenKind::At800x600: return factors.at800x600;
    case ScreenKind::Other: break;
    }
    return 1.0f;
}

ScaleChoice choosescale(double widthTwips, double heightTwips, double twipsPerPixelX,
                        double twipsPerPixelY, const ScaleFactors& factors) {
    ScaleChoice choice;
    choice.text = screentext(screenpixels(widthTwips, twipsPerPixelX),
                             screenpixels(heightTwips, twipsPerPixelY));
    choice.kind = screenkind(choice.text);
    choice.scale = scalefor(choice.kind, factors);
    return choice;
}

float fitscale(float scale, ScreenKind kind, const ScaleFactors& factors, double designWidth, double designHeight) {
    // Larger screens show every window at its design size, moved where it must be.
    if (kind == ScreenKind::Other) return scale;
    const Added added = kind == ScreenKind::At640x480   ? factors.added640x480
                        : kind == ScreenKind::At800x600 ? factors.added800x600
                                                        : Added{};
    return platform::fittingScale(scale, designWidth, designHeight, added.width, added.height,
                                  platform::screenWidthTwips(), platform::screenHeightTwips());
}

ScaleChoice setscale(const platform::Form& window, const ScaleFactors& factors) {
    const double perPixel = platform::kTwipsPerPixel;
    ScaleChoice choice = choosescale(platform::screenWidthTwips(), platform::screenHeightTwips(),
                                     perPixel, perPixel, factors);
    if (window.WindowState != platform::vbMaximized)
        choice.scale = fitscale(choice.scale, choice.kind, factors, window.Width, window.Height);
    return choice;
}

Geometry scaled(Geometry g, float scale) {
    g.Height *= scale;
    g.Width *= scale;
    g.Top *= scale;
    g.Left *= scale;
    return g;
}

double scaled(double twips, float scale) { return static_cast<float>(twips) * scale; }

void holdclient(platform::Form& window, double right, double bottom) {
    if (window.ScaleWidth() < right) window.Width = window.Width + (right - window.ScaleWidth());
    if (window.ScaleHeight() < bottom) window.Height = window.Height + (bottom - window.ScaleHeight());
}

}  // namespace common
