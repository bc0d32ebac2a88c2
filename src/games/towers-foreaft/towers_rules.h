#pragma once

#include "games/towers-foreaft/towers_table.h"

// The rules of Towers of Hanoi as plain functions over its table, and the design tables of the
// three window sizes.
namespace towersrules {

// Every disc on peg 1, the smallest on top.
void newgame(TowersTable& t);
// Each peg's top set again to the smallest disc on it, 0 for an empty peg.
void settops(TowersTable& t);

// A disc may be dragged only while it is the top disc of its peg.
bool draggable(const TowersTable& t, int disc);
// Disc d, lying on peg s, may go onto peg p when it is a top disc and p is empty or its top disc is
// larger; its own peg is therefore refused.
bool accepts(const TowersTable& t, int d, int s, int p);
// Moves disc d from peg s onto peg p when accepted; returns whether it moved.
bool drop(TowersTable& t, int d, int s, int p);
// The whole tower on the second or third peg; a tower on the first peg is no win.
bool won(const TowersTable& t);

// A window's design in twips, before `scale`.
struct Size {
    double width;
    double height;
};
struct TowersDesign {
    int n;
    Size client;                                     // the client area
    std::array<Size, kMostDiscs + 1> disc;           // by disc 1..n
    std::array<std::array<double, kPegs + 1>, kMostDiscs + 1> left;  // by disc, then peg 1..3
    std::array<double, kMostDiscs + 1> top;          // by height in the stack, 1 the bottom
};

// The design of the window with n discs: 4, 5 or 6.
const TowersDesign& design(int n);

// The pegs' pictures: design Left by peg 1..3, and the Top, Width and Height they share.
double pegLeft(int peg);
inline constexpr double kPegTop = 480;
inline constexpr double kPegWidth = 3390;
inline constexpr double kPegHeight = 5145;

// Where disc d lies on peg p at the given height, in design twips times scale.
double discLeft(const TowersDesign& d, int disc, int peg, float scale);
double discTop(const TowersDesign& d, int height, float scale);

}  // namespace towersrules
