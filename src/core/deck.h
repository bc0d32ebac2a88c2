#pragma once

#include <cstdint>
#include <functional>
#include <span>

// The shuffle by rejection over a window's `deckorder` and `cardused` arrays (index 0 unused).
namespace core {

// Draws rndnum(n, offset) again and again until the code is not marked -1 in cardused, marks it
// and returns it. Returns 0 without drawing when every code of the range is already marked,
// where the draw could never end.
int drawfree(std::span<std::int16_t> cardused, int n, int offset = 1);

// Clears cardused(1..n), then fills deckorder(1..n) with the codes 1..n in random order, position
// by position. dealt, when given, runs for each position as soon as its code is drawn.
void shuffledeck(std::span<std::int16_t> deckorder, std::span<std::int16_t> cardused, int n,
                 const std::function<void(int position)>& dealt = {});

// A deal chosen by the caller in place of the shuffle (tests lay out known tables this way): each
// position 1..n takes the code at order[position - 1], and every code of the range is marked dealt.
// An order that is not the codes 1..n, each once, throws std::invalid_argument and changes nothing.
void knowndeal(std::span<std::int16_t> deckorder, std::span<std::int16_t> cardused,
               std::span<const std::int16_t> order);

}  // namespace core
