#pragma once

#include "platform/form.h"

namespace shell {

// Sizes a window whose design gives its client area rather than its outer size.
inline void setclientsize(platform::Form& form, double width, double height) {
    form.Width = form.Width + (width - form.ScaleWidth());
    form.Height = form.Height + (height - form.ScaleHeight());
}

}  // namespace shell
