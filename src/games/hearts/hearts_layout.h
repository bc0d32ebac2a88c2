#pragma once

// Where the cards of the Hearts table lie, in twips of the 1024 x 768 design times the window's
// scale. Plain functions so the geometry can be checked without a window.
namespace heartsrules {

struct Place {
    double left = 0;
    double top = 0;
};

// A design value times the single-precision scale, as every position of the table is formed.
double scaled(double twips, float scale);

// The place of a slot in its seat's fan at the deal.
Place fanPlace(int slot, float scale);
// The side seats' hands lie sideways.
bool sideways(int slot);
// Where a seat puts its card into the trick.
Place trickPlace(int seat, float scale);
// The move of every held card behind a played one, closing the gap in the fan.
Place closeUpStep(int seat, float scale);

// The user's two rows: the hand and a card raised for passing.
inline constexpr double kHandRow = 5880;
inline constexpr double kRaisedRow = 5680;
enum class Row { Hand, Raised, Elsewhere };
// Tops are compared within a twip either way, since y times scale need not be whole.
Row rowOf(double top, float scale);

// A swept trick travels 300 twips a tick toward its winner, at every screen size.
Place sweepStep(int winner);
// The trick is off the table once the seat-4 card passes the winner's limit.
bool sweptOff(int winner, Place card);

}  // namespace heartsrules
