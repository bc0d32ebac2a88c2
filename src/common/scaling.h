#pragma once

#include "core/scaling.h"
#include "platform/services.h"

namespace platform {
class Form;
}

// `setscale` and `scaleit` on windows and controls; the arithmetic behind them is the core's.
namespace common {

// `setscale` on a window: the screen-size text goes into its hidden `txtres`, is read back and
// compared; the result says which factor applies and whether the small-screen fonts are due.
template <class TextHolder>
core::ScaleChoice setscale(TextHolder& txtres, const core::ScaleFactors& factors) {
    const double perPixel = platform::kTwipsPerPixel;
    core::ScaleChoice choice = core::choosescale(platform::screenWidthTwips(), platform::screenHeightTwips(),
                                                 perPixel, perPixel, factors);
    txtres.Text = choice.text;
    choice.kind = core::screenkind(txtres.Text.get());
    choice.scale = core::scalefor(choice.kind, factors);
    return choice;
}

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
