#include "platform/color.h"

#include <QColor>

#include <iomanip>

namespace platform {

QColor Color::toQColor() const {
    if (!isSystem()) return QColor(int(value_ & 0xFF), int(value_ >> 8 & 0xFF), int(value_ >> 16 & 0xFF));
    // The classic desktop's colours, fixed so that every run looks alike.
    switch (value_ & 0xFF) {
    case 5: return QColor(255, 255, 255);   // window background
    case 7: return QColor(0, 0, 0);         // menu text
    case 8: return QColor(0, 0, 0);         // window text
    case 12: return QColor(171, 171, 171);  // application workspace
    case 15: return QColor(236, 233, 216);  // button face
    case 18: return QColor(0, 0, 0);        // button text
    default: return QColor(0, 0, 0);
    }
}

std::ostream& operator<<(std::ostream& out, Color c) {
    if (c.isSystem()) return out << "system colour " << (c.value() & 0xFF);
    return out << "RGB(" << (c.value() & 0xFF) << ", " << (c.value() >> 8 & 0xFF) << ", " << (c.value() >> 16 & 0xFF) << ')';
}

}  // namespace platform
