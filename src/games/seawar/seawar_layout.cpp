#include "games/seawar/seawar_layout.h"

#include "games/seawar/seawar_table.h"

namespace seawarrules {
namespace {

constexpr double kPitch = 240;
constexpr double kCellSize = 255;
constexpr double kGridSpan = 10 * kPitch;
// The user's grid's top-left corner; the enemy grid's is its frame's corner.
constexpr double kUserLeft = 3240;
constexpr double kUserTop = 240;

}  // namespace

Rect celldesign(int cell) {
    const bool user = cell > 100;
    const int k = cell - (user ? kFirstUserCell : 1);
    const double left = kPitch * (k % 10) + (user ? kUserLeft : 0);
    const double top = kPitch * (k / 10) + (user ? kUserTop : 0);
    return {left, top, kCellSize, kCellSize};
}

Segment linedesign(int line) {
    if (line <= 8) return {kPitch * (line + 1), 0, kPitch * (line + 1), kGridSpan};
    if (line == 9) return {0, 0, 0, kGridSpan};
    if (line == 10) return {kGridSpan, 0, kGridSpan, kGridSpan};
    if (line <= kLastEnemyLine) return {0, kPitch * (line - 11), kGridSpan, kPitch * (line - 11)};
    if (line <= 32) {
        const double x = kUserLeft + kPitch * (line - 22);
        return {x, kUserTop, x, kUserTop + kGridSpan};
    }
    const double y = kUserTop + kPitch * (line - 33);
    return {kUserLeft, y, kUserLeft + kGridSpan, y};
}

double shipdesignwidth(int ship) {
    static constexpr PerShip widths{0, 930, 1395, 1410, 1890, 2370};
    return isship(ship) ? widths[ship] : 0;
}

double docktop(int ship) {
    static constexpr PerShip tops{0, 4200, 3600, 3000, 2400, 1800};
    return isship(ship) ? tops[ship] : 0;
}

}  // namespace seawarrules
