#pragma once

// Where the cards of the Gin Rummy table lie, in twips of the 1024 x 768 design times the
// window's scale.
namespace ginrules {

struct Place {
    double left = 0;
    double top = 0;
};

// The place of a card by its tag. Hand positions step 300 twips to the right from 2680; the
// drawn card lies apart at 5680. Stock cards wait above the window, at a place not scaled.
Place placeOf(int tag, float scale);
// A meld marker sits just below the user's card it marks.
double markerTop(double cardTop, double cardHeight, float scale);

}  // namespace ginrules
