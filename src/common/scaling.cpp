#include "common/scaling.h"

#include "platform/form.h"
#include "platform/screen_fit.h"
#include "platform/services.h"

namespace common {

float fitscale(float scale, core::ScreenKind kind, const core::ScaleFactors& factors, double designWidth,
               double designHeight) {
    // Larger screens show every window at its design size, moved where it must be.
    if (kind == core::ScreenKind::Other) return scale;
    const core::Added added = kind == core::ScreenKind::At640x480 ? factors.added640x480 : factors.added800x600;
    return platform::fittingScale(scale, designWidth, designHeight, added.width, added.height,
                                  platform::screenWidthTwips(), platform::screenHeightTwips());
}

core::ScaleChoice setscale(const platform::Form& window, const core::ScaleFactors& factors) {
    const double perPixel = platform::kTwipsPerPixel;
    core::ScaleChoice choice = core::choosescale(platform::screenWidthTwips(), platform::screenHeightTwips(),
                                                 perPixel, perPixel, factors);
    if (window.WindowState != platform::vbMaximized)
        choice.scale = fitscale(choice.scale, choice.kind, factors, window.Width, window.Height);
    return choice;
}

void holdclient(platform::Form& window, double right, double bottom) {
    if (window.ScaleWidth() < right) window.Width = window.Width + (right - window.ScaleWidth());
    if (window.ScaleHeight() < bottom) window.Height = window.Height + (bottom - window.ScaleHeight());
}

}  // namespace common
