#pragma once

#include "platform/constants.h"
#include "platform/screen_fit.h"
#include "platform/services.h"

namespace platform {
class Form;
}

#include <string>
#include <string_view>

// The decision behind `setscale` and the arithmetic of `scaleit`, apart from any window.
namespace common {

// Twips a window adds to its outer size after scaling itself, never multiplied.
struct Added {
    double width = 0, height = 0;
};

// A window's own size factors for the two small screens; every other screen keeps 1. What the
// window adds to its size at each small screen counts when the factor must shrink to fit.
struct ScaleFactors {
    float at640x480 = 1.0f;
    float at800x600 = 1.0f;
    Added added640x480{};
    Added added800x600{};
};

enum class ScreenKind { At640x480, At800x600, Other };

struct ScaleChoice {
    std::string text;  // "Screen Resolution: 640 x 480"
    ScreenKind kind;   // which small screen the text names, if any
    float scale;       // the factor that applies
};

// Whole pixels from twips: both values rounded, the division dropping its remainder.
int screenpixels(double twips, double twipsPerPixel);
// "Screen Resolution:" and each number with the blank of its sign position.
std::string screentext(int widthPx, int heightPx);
// The exact, case-sensitive comparison with the two small sizes.
ScreenKind screenkind(std::string_view text);
float scalefor(ScreenKind kind, const ScaleFactors& factors);

// The whole decision from the screen's size in twips and its twips per pixel.
ScaleChoice choosescale(double widthTwips, double heightTwips, double twipsPerPixelX,
                        double twipsPerPixelY, const ScaleFactors& factors);

// A window's or control's geometry in twips, scaled in the order Height, Width, Top, Left.
struct Geometry {
    double Left = 0, Top = 0, Width = 0, Height = 0;
};
Geometry scaled(Geometry g, float scale);
// A design value times the single-precision scale, as a game forms every position it computes.
double scaled(double twips, float scale);

// The factor shrunk just enough for a window of that design size, scaled and given what it adds at
// that screen, to lie wholly on the screen; the factor itself where the window fits and at every
// screen but the two small ones.
float fitscale(float scale, ScreenKind kind, const ScaleFactors& factors, double designWidth, double designHeight);

// `setscale`: which of a window's factors applies on this screen. A window too large for the
// screen at its own factor (from its design size, at the time of the call) takes a smaller one; a
// maximized window covers the screen whatever its factor.
ScaleChoice setscale(const platform::Form& window, const ScaleFactors& factors);

// `setscale` on a window that still keeps the screen-size text in its hidden `txtres`.
template <class TextHolder>
ScaleChoice setscale(TextHolder& txtres, const ScaleFactors& factors) {
    ScaleChoice choice = setscale(txtres.form(), factors);
    txtres.Text = choice.text;
    return choice;
}
inline bool smallscreen(const ScaleChoice& choice) { return choice.kind != ScreenKind::Other; }

// `scaleit` on a window or a control: Height, Width, Top and Left, in that order, times scale.
template <class Object>
void scaleit(Object& object, float scale) {
    object.Height = object.Height * double(scale);
    object.Width = object.Width * double(scale);
    object.Top = object.Top * double(scale);
    object.Left = object.Left * double(scale);
}

// The frame allowance does not shrink with a scaled window, so its client area can end up short of
// the controls it was designed to hold: the window grows just enough for its client area to
// reach `right` and `bottom` (client twips), and never shrinks.
void holdclient(platform::Form& window, double right, double bottom);

// `scaleit` on a line: its end points X1, X2, Y1 and Y2, in that order, times scale.
template <class LineControl>
void scaleline(LineControl& line, float scale) {
    line.X1 = line.X1 * double(scale);
    line.X2 = line.X2 * double(scale);
    line.Y1 = line.Y1 * double(scale);
    line.Y2 = line.Y2 * double(scale);
}

}  // namespace common
