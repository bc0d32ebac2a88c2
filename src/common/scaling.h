#pragma once

#include "core/scaling.h"

#include <string>

namespace platform {
class Form;
}

// `setscale` and `scaleit` on windows and controls; the arithmetic behind them is the core's.
namespace common {

// The factor shrunk just enough for a window of that design size, scaled and given what it adds at
// that screen, to lie wholly on the screen; the factor itself where the window fits and at every
// screen but the two small ones.
float fitscale(float scale, core::ScreenKind kind, const core::ScaleFactors& factors, double designWidth,
               double designHeight);

// `setscale`: which of a window's factors applies on this screen. A window too large for the
// screen at its own factor (from its design size, at the time of the call) takes a smaller one; a
// maximized window covers the screen whatever its factor.
core::ScaleChoice setscale(const platform::Form& window, const core::ScaleFactors& factors);

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
