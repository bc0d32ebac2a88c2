#pragma once

#include <array>
#include <string_view>

// The chosen card-back design on disk: its number in "\Data\carddeck.dat" and its five pictures in
// the files every card game loads for backs and stock piles.
namespace shell {

inline constexpr std::string_view kDesignFile = "\\Data\\carddeck.dat";

// The design the number file names: exactly "1" to "5"; any other text names design 1.
int storeddesign();

// Saves the design's five pictures, then its number, each file replaced whole. When a save fails
// the files go back to the design the number file still names. False when the design was not saved.
bool savedeck(int design);

// Makes the five picture files show the design the number file names, rewriting those that do not.
// Run at start-up, it rolls back a set that was interrupted half way.
void matchdeck();
// The start-up check of the deck is left for when the main window stands; whichever comes first, that
// moment or a click that leads to the deck, runs it, and only once.
void deferdeckcheck();
void finishdeckcheck();

}  // namespace shell
