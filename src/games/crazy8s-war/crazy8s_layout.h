#pragma once

// Where the Crazy 8s cards lie, in twips. Hand slots run row by row, seven to a row; the user's
// positions are design values times the window's scale taken to the nearest whole twip (halves to
// even), so a card sits exactly on its slot at every size.
namespace crazy8srules {

struct Place {
    double left = 0, top = 0;
};

// The nearest whole twip to a design value times scale, halves going to the even one.
double nearest(double design, float scale);

// The user's slot 1..28: lefts 400 + 1300 per column, tops 5460 + 300 per row.
Place userslot(int slot, float scale);
// The computer's slot 1..28 under its frame: the user's lefts, tops 500, 300, 150, 0 by row, unscaled.
Place compslot(int slot, float scale);
// The back that shows the computer's card k, in its frame: its column's left (`columnleft`), and
// 480 times scale less 100 for each row, so each further row shows a strip above the one before.
Place backslot(int k, float scale);
// The discard pile and its drop zone.
Place pileplace(float scale);
// Cards out of play wait outside the window.
inline constexpr double kOutside = -5000;

}  // namespace crazy8srules
