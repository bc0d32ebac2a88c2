#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <map>
#include <string_view>
#include <vector>

// Cards named as a player writes them, for tests that lay out a chosen table.
namespace gp {

// The code of a card name: the rank "A", "2" .. "10" (or "T"), "J", "Q", "K" and the suit letter
// "S", "C", "D", "H", counted in the given order of suits: "QS" is 12 in either order, "10H" is
// 49 in file order and 23 in window order. A name that is not a card throws std::invalid_argument.
int cardCode(std::string_view name, core::SuitOrder order);
// The codes of names separated by spaces, such as "2C AH 10D".
std::vector<int> cardCodes(std::string_view names, core::SuitOrder order);

// A deck order (positions 1..52 at [0]..[51]) with the given codes at the given positions; the
// codes nobody placed fill the other positions in ascending order. A code placed twice throws.
std::array<std::int16_t, 52> completeDeck(const std::map<int, int>& placed);

}  // namespace gp
