#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <string_view>

// Deals that Accordion's tests choose, as deck orders (positions 1..52 at [0]..[51]) in the
// window's order of suits.
namespace accordiontest {

using Order = std::array<std::int16_t, 52>;

// The k-th card dealt is code k: the spades, hearts, diamonds and clubs, each ace to king. Within
// a block each card shares its suit with its neighbours.
inline Order inOrder() {
    Order order{};
    for (int k = 1; k <= 52; ++k) order[k - 1] = static_cast<std::int16_t>(k);
    return order;
}

// Every card matches the one before it: spades up, hearts down from the king, diamonds up from the
// ace, clubs down from the king, so each change of suit keeps the rank.
inline Order everyCardMatches() {
    Order order{};
    int k = 0;
    for (int block = 0; block < 4; ++block)
        for (int i = 0; i < 13; ++i) {
            const int rank = block % 2 == 0 ? i + 1 : 13 - i;
            order[k++] = static_cast<std::int16_t>(13 * block + rank);
        }
    return order;
}

}  // namespace accordiontest
