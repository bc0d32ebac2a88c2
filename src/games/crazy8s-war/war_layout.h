#pragma once

#include "games/crazy8s-war/war_rules.h"

// Where the War cards lie on the table, in design twips times the window's scale.
namespace warrules {

struct Place {
    double left = 0, top = 0;
};

// Where each side's turned card lies.
Place turnedplace(Side side, float scale);
// A war card from its side's face card: the k-th face down 200 twips per card to the side (the
// user's to the right, the computer's to the left), the face-up one 200 twips off the face card
// (the user's down, the computer's up), so each war fans out over the cards before it.
Place warplace(Place face, Side side, int k, float scale);

// A won card slides 100 twips a tick on both axes toward its winner's corner, unscaled.
inline constexpr double kSlideStep = 100;
// Whether a sliding card has left the window toward the winner's corner.
bool slidout(Place card, Side winner, float scale);

// Cards in the piles wait out of sight.
inline constexpr double kOutOfSight = -7000;

}  // namespace warrules
