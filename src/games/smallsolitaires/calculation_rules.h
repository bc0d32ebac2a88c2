#pragma once

#include "games/smallsolitaires/calculation_table.h"

#include <array>
#include <cstdint>
#include <string_view>

// The rules of Calculation as plain functions over its table: the deal, the stock, the waste piles,
// the foundations that build by one, two, three and four, and which cards may be dragged.
namespace calculationrules {

// The codes that start foundations 1 to 4: the ace of spades, two of clubs, three of diamonds and
// four of hearts.
inline constexpr std::array<std::int16_t, kFoundations> kStarters{1, 15, 29, 43};

// Design places in twips: the turn position (times the window's scale), the top of a card out of
// sight (at every scale) and the step down a waste pile (at every scale).
inline constexpr double kTurnLeft = 840;
inline constexpr double kTurnTop = 2520;
inline constexpr double kParkedTop = -7000;
inline constexpr double kPileStep = 200;

// A new game: piles empty, foundations open and needing 2, 4, 6 and 8, the stock full, the four
// starters at positions 1 to 4 and the other 48 cards shuffled into positions 5 to 52.
void startmeup(CalculationTable& t);
// The same with the deal chosen by the caller (positions 1..52 at [0]..[51]); positions 1 to 4 must
// hold the starters and the order every code once, else std::invalid_argument.
void startmeup(CalculationTable& t, const std::array<std::int16_t, kCards>& order);

// The waste pile 1..4 that a tag places a card on, 0 for none.
int pileof(int tag);
// The top card of the waste pile, 0 when it is empty.
int piletop(const CalculationTable& t, int p);

// Turns the next stock card: it waits at the turn position and may be dragged. Returns its
// position, or 0 once the stock is spent.
int turnstock(CalculationTable& t);
// The stock's picture after `turned` turns: the full pile from 34 cards left, the half pile from
// 14, the thin pile from 1; empty text: the stock is hidden.
std::string_view stockview(int turned);

// A card dropped on the slot of waste pile p: only a turned stock card is taken. Returns whether it
// was; it is then the pile's top.
bool ontopile(CalculationTable& t, int d, int p);

// A card dropped on card `target`: the flick sounds whenever the target lies on a waste pile; a
// turned stock card then joins that pile, any other card stays.
struct CardDrop {
    bool flick = false;
    int pile = 0;  // the pile the card joined, 0 for none
};
CardDrop ontocard(CalculationTable& t, int d, int target);

// Whether foundation f takes the card at position d, and putting it there: the foundation needs
// its rank and is still open; the rank it needs next grows by f, wrapping past the king, and its
// king closes it.
bool takes(const CalculationTable& t, int d, int f);
bool ontofoundation(CalculationTable& t, int d, int f);

// `setdrags`: of the cards outside the stock, only the top card of each waste pile may be dragged.
void setdrags(CalculationTable& t);

// All four foundations closed.
bool won(const CalculationTable& t);

// The step between the cards of a pile of `count` cards whose slot's top is slotTop: the design's
// step while the top card lies no lower than lowestTop; a longer pile fans closer, evenly, so that
// its top card stays whole and no card lies exactly on another.
double pileStep(double slotTop, int count, double lowestTop);
// Each card's place in pile p, counted from the bottom card (0), from its tag.
int pileplace(const CalculationTable& t, int d, int p);

}  // namespace calculationrules
