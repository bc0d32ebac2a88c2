#pragma once

#include <string_view>

// Where things lie on the Euchre table, in twips of the 1024 x 768 design times the window's
// scale. Plain functions so the geometry can be checked without a window.
namespace euchrerules {

struct Place {
    double left = 0;
    double top = 0;
};

// A design value times the window's scale, as its load scales every control.
inline double scaled(double twips, float scale) { return twips * double(scale); }

// The user's card with a tag of 1 to 5 in the bottom row.
Place userRowPlace(int tag, float scale);
inline constexpr double kUserRowStep = 1200;
// Where a seat puts its card into the trick.
Place trickPlace(int seat, float scale);
// The turn arrow beside a seat, and its picture.
Place arrowPlace(int seat, float scale);
std::string_view arrowfile(int seat);
// The dealer marker beside a seat.
Place dealerPlace(int seat, float scale);

// A swept trick rides on the winner's card, 100 twips a tick toward the winner's side.
Place sweepStep(int winner, float scale);
// Whether the winner's card has left the table.
bool sweptOff(int winner, Place card, float scale);

}  // namespace euchrerules
