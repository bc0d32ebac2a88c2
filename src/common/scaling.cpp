#include "common/scaling.h"

#include "platform/form.h"

namespace common {

void holdclient(platform::Form& window, double right, double bottom) {
    if (window.ScaleWidth() < right) window.Width = window.Width + (right - window.ScaleWidth());
    if (window.ScaleHeight() < bottom) window.Height = window.Height + (bottom - window.ScaleHeight());
}

}  // namespace common
