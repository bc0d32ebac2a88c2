#pragma once

#include "support/card_names.h"

#include <array>
#include <cstdint>
#include <map>
#include <set>
#include <stdexcept>
#include <string_view>

// Chosen deals for Forty Thieves tests. Card k is the k-th card dealt: cards 1..40 the tableau
// (row 1 the deepest, row 4 the columns' top cards 31..40), card 41 the waste's first card, cards
// 42..104 the stock in the order it turns.
namespace fortythievestest {

using Order = std::array<std::int16_t, 104>;

// Deck one's code of a card name such as "5H", and deck two's code of the same face.
inline int code(std::string_view name) { return gp::cardCode(name, core::SuitOrder::File); }
inline int second(std::string_view name) { return code(name) + 52; }

// The card dealt in column c (1..10) at row r (1 the deepest, 4 the top card).
constexpr int at(int c, int r) { return (r - 1) * 10 + c; }

// The given codes at the given cards (1..104); the codes nobody placed fill the other cards in
// ascending order, so with only deck one's cards placed, the stock's twelfth card is the second
// ace of spades and deck two follows in order.
inline Order order(const std::map<int, int>& placed) {
    std::set<int> free;
    for (int c = 1; c <= 104; ++c) free.insert(c);
    for (const auto& [k, c] : placed)
        if (!free.erase(c)) throw std::invalid_argument("code placed twice: " + std::to_string(c));
    Order all{};
    for (int k = 1; k <= 104; ++k) {
        if (auto it = placed.find(k); it != placed.end()) {
            all[k - 1] = static_cast<std::int16_t>(it->second);
            continue;
        }
        all[k - 1] = static_cast<std::int16_t>(*free.begin());
        free.erase(free.begin());
    }
    return all;
}

}  // namespace fortythievestest
