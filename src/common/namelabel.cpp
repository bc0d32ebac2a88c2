#include "common/namelabel.h"

#include "platform/light_controls.h"

namespace common {

void namelabel(platform::Label& label, double left, double top, double width) {
    label.Move(left, top, width, 255);
    label.Caption = "Your Name";
    label.Alignment = platform::vbCenter;
    label.ForeColor = platform::RGB(255, 255, 128);
    label.BackColor = platform::vbMenuText;
}

}  // namespace common
