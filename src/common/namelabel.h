#pragma once

namespace platform {
class Label;
}

// The players' name labels at the card tables.
namespace common {

// "Your Name" until the window sets a name, centred, light yellow on the system's menu-text
// colour, in the system's default font; one line high.
void namelabel(platform::Label& label, double left, double top, double width);

}  // namespace common
