#pragma once

#include "core/cards.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <utility>
#include <vector>

// Deals chosen for the tests of the three solitaires, in file order of suits.
namespace solitairetest {

using Order = std::array<std::int16_t, 52>;

// The ranks each Calculation foundation takes after its starting card, up to its king.
inline const std::array<std::vector<int>, 4> kBuilds{{
    {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13},
    {4, 6, 8, 10, 12, 1, 3, 5, 7, 9, 11, 13},
    {6, 9, 12, 2, 5, 8, 11, 1, 4, 7, 10, 13},
    {8, 12, 3, 7, 11, 2, 6, 10, 1, 5, 9, 13},
}};

// A Calculation deal that can be played out with each waste pile serving its own foundation: the
// stock holds foundation 1's twelve ranks, then foundation 2's, 3's and 4's, each run of three
// reversed, so two cards of every three wait on the pile until the third is turned. Straight, the
// runs are not reversed and every card goes up as it is turned.
struct CalculationDeal {
    Order order{};
    std::array<int, 53> foundation{};  // the foundation each stock position is meant for
};

inline CalculationDeal calculationDeal(bool straight = false) {
    CalculationDeal deal;
    std::array<bool, 53> used{};
    deal.order[0] = 1, deal.order[1] = 15, deal.order[2] = 29, deal.order[3] = 43;
    for (int code : deal.order)
        if (code != 0) used[code] = true;
    int position = 5;
    for (int f = 1; f <= 4; ++f) {
        const std::vector<int>& build = kBuilds[f - 1];
        for (std::size_t run = 0; run < build.size(); run += 3) {
            for (std::size_t step = 0; step < 3; ++step) {
                int code = build[straight ? run + step : run + 2 - step];
                while (used[code]) code += 13;
                used[code] = true;
                deal.order[position - 1] = static_cast<std::int16_t>(code);
                deal.foundation[position] = f;
                ++position;
            }
        }
    }
    return deal;
}

// Codes 1 to 52 in order: each column's six codes run on in rank, so no column repeats a rank.
inline Order ascending() {
    Order order{};
    for (int i = 0; i < 52; ++i) order[i] = static_cast<std::int16_t>(i + 1);
    return order;
}

// The order with the codes at each pair of positions (1..52) exchanged.
inline Order swapped(Order order, const std::vector<std::pair<int, int>>& swaps) {
    for (const auto& [a, b] : swaps) std::swap(order[a - 1], order[b - 1]);
    return order;
}

// A Nestor deal that can be cleared: columns 1, 2, 5 and 6 hold the ace to the six from the top
// down, columns 3, 4 and 7 the seven to the queen; column 8 the seven to the jack over a king; the
// reserve three kings and a queen.
inline Order nestorDeal() {
    const std::array<std::array<int, 6>, 8> ranks{{
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {7, 8, 9, 10, 11, 12},
        {1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {7, 8, 9, 10, 11, 13},
    }};
    std::array<bool, 53> used{};
    Order order{};
    const auto take = [&](int rank) {
        int code = rank;
        while (used[code]) code += 13;
        if (code > 52) throw std::logic_error("a rank dealt five times");
        used[code] = true;
        return static_cast<std::int16_t>(code);
    };
    for (int c = 0; c < 8; ++c)
        for (int r = 0; r < 6; ++r) order[c * 6 + r] = take(ranks[c][r]);
    for (int k = 0; k < 3; ++k) order[48 + k] = take(13);
    order[51] = take(12);
    return order;
}

}  // namespace solitairetest
