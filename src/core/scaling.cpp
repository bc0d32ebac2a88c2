#include "core/scaling.h"

#include <cmath>

namespace core {
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

Geometry scaled(Geometry g, float scale) {
    g.Height *= scale;
    g.Width *= scale;
    g.Top *= scale;
    g.Left *= scale;
    return g;
}

double scaled(double twips, float scale) { return static_cast<float>(twips) * scale; }

}  // namespace core
