#pragma once

#include "games/hearts/hearts_table.h"

#include <array>
#include <optional>
#include <string_view>

#include "games/hearts/hearts_layout.h"

// The state changes of a deal, a new game and the pass.
namespace heartsrules {

// The suit word and rank (1 to 13) of the card in a slot, from its code.
void suitAndRank(HeartsTable& t, int slot);

// A deal: passing opens, the hand's point cards clear and every slot is tagged with its seat.
void beginDeal(HeartsTable& t);
// The layout's reset: no cards chosen, hearts unbroken, suit counts and shuffle marks clear.
void clearLayoutState(HeartsTable& t);
// A new game: thirteen cards a seat, totals 0, the first hand passes left.
void newGameState(HeartsTable& t);
// No card of a trick on the table.
void clearTrick(HeartsTable& t);

// The pass button's caption for a pass state: any state but 1 to 3 starts the hand.
std::string_view passCaption(int passstate);

// The row a slot lies in while passing: the user's chosen cards raised, the rest of the user's
// hand in its row, every other seat's card elsewhere.
Row passRow(const HeartsTable& t, int slot);
// A click on a card while passing: returns the row the card moves to, or nothing when it stays.
std::optional<Row> choosePassCard(HeartsTable& t, int slot, Row current);
// The last three slots of the seat that the pass goes to.
std::array<int, 3> passTargets(int passstate);
// Swaps the three chosen cards with the target seat's last three; returns the user's slots that
// received new cards, in the order chosen.
std::array<int, 3> exchangePass(HeartsTable& t, int passstate);
// The press of the button while it offers a pass: the exchange in its direction, after which it
// offers to start the hand. Returns the user's slots that received new cards.
std::array<int, 3> passChosen(HeartsTable& t);

}  // namespace heartsrules
