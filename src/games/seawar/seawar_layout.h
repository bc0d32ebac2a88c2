#pragma once

// Where the grids and ships lie at design, in twips for a 1024 x 768 screen; the window scales
// these by its factor at load, and doubles the cells.
namespace seawarrules {

struct Rect {
    double left, top, width, height;
};
struct Segment {
    double x1, y1, x2, y2;
};

// Cells 1..100 of the enemy grid (in its frame) and 101..200 of the user's (on the window).
Rect celldesign(int cell);
// Grid lines 0..21 of the enemy grid and 22..43 of the user's.
Segment linedesign(int line);
inline constexpr int kLastEnemyLine = 21;
inline constexpr int kLastLine = 43;

// A ship's picture in the dock, and its lying size (an upright ship is 465 x 1890 at design).
inline constexpr double kDockLeft = 600;
inline constexpr double kShipBeam = 465;
inline constexpr double kUpLength = 1890;
double shipdesignwidth(int ship);
double docktop(int ship);

}  // namespace seawarrules
