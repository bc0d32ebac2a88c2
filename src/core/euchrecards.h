#pragma once

#include "core/cards.h"

#include <optional>
#include <string>
#include <string_view>

// Euchre's 24-card deck: codes 1 to 24 in blocks of six (spades, hearts, clubs, diamonds),
// each block ace, king, queen, jack, ten, nine.
namespace core {

inline constexpr int kEuchreDeckSize = 24;

struct EuchreCard {
    Suit suit;
    int value;              // ace 14, king 13 .. nine 9
};

// The card of a code; nothing outside 1 to 24.
std::optional<EuchreCard> euchrecard(int code);
// Its face picture file; empty text outside 1 to 24.
std::string euchrefacefile(int code);

}  // namespace core
