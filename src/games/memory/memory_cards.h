#pragma once

#include "games/memory/memory_table.h"

#include "platform/control_array.h"
#include "platform/light_controls.h"

#include <cstdint>
#include <vector>

// What the Card Memorization windows do with their card pictures, the same on every board: the
// table's state decides, these helpers mirror it onto the card images 1..N and the hidden back.
namespace memorycards {

using Cards = platform::ControlArray<platform::Image>;

// The cards at their design places, 1335 x 1815 twips, not yet stretching.
void design(Cards& cards, memoryrules::Board board);

// A shuffled deal: every card face down at the size of a face, in play; the back into `back`.
void deal(Cards& cards, platform::Image& back, memoryrules::MemoryTable& t);
// The same with the codes given (deckorder 1..N) in place of the shuffle.
void dealKnown(Cards& cards, platform::Image& back, memoryrules::MemoryTable& t,
               const std::vector<std::int16_t>& order);

// Every card back in play, visible and enabled, for a new game.
void startover(Cards& cards);

// The card at the position shows the face of its pair code.
void showface(Cards& cards, const memoryrules::MemoryTable& t, int position);
// The card at the position shows the back again; a position of no card changes nothing.
void facedown(Cards& cards, const platform::Image& back, int position);
// Its pair was found: hidden and disabled for the rest of the game.
void remove(Cards& cards, int position);
// All N cards, removed ones too (those stay hidden).
void enablecards(Cards& cards, bool on);

// At load: every card stretches, then its place and size are scaled.
void scalecards(Cards& cards, float scale);

}  // namespace memorycards
