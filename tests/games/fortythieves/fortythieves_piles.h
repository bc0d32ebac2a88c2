#pragma once

#include "games/fortythieves/fortythieves_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <vector>

namespace fortythievestest {

// What holds after every step of a game: each deck holds each of its codes once; every card lies
// in exactly one pile, each pile numbered without gaps; only the free cards drag; a card on a
// foundation is exactly as it was when the foundation took it (`onFoundation`).
inline void expectWholeTable(const fortythievesrules::FortyThievesTable& t,
                             const std::map<int, fortythievesrules::Card>& onFoundation) {
    using namespace fortythievesrules;
    const std::set<int> one(t.deckorder.begin() + 1, t.deckorder.begin() + 1 + kDeckCards);
    const std::set<int> two(t.deckorder.begin() + 1 + kDeckCards, t.deckorder.end());
    EXPECT_EQ(one.size(), std::size_t(kDeckCards));
    EXPECT_EQ(*one.begin(), 1);
    EXPECT_EQ(*one.rbegin(), kDeckCards);
    EXPECT_EQ(two.size(), std::size_t(kDeckCards));
    EXPECT_EQ(*two.begin(), kDeckCards + 1);
    EXPECT_EQ(*two.rbegin(), kCards);

    std::map<int, int> seen;
    for (int c = 1; c <= kColumns; ++c) {
        const std::vector<int> column = columncards(t, c);
        EXPECT_LE(column.size(), std::size_t(kMostInColumn));
        for (std::size_t i = 0; i < column.size(); ++i) {
            const Card& card = t.card[column[i]];
            EXPECT_EQ(card.tag, int(column.size() - i) * 100 + c);
            EXPECT_TRUE(card.Visible);
            EXPECT_EQ(card.draggable, i + 1 == column.size()) << column[i];
            ++seen[column[i]];
        }
    }
    std::vector<int> stock, waste;
    int foundation = 0;
    for (int k = 1; k <= kCards; ++k) {
        const Card& card = t.card[k];
        if (card.onfoundation) {
            ++foundation;
            ++seen[k];
            ASSERT_TRUE(onFoundation.count(k)) << k;
            EXPECT_EQ(card, onFoundation.at(k)) << "a foundation card is never touched again";
            EXPECT_FALSE(card.draggable);
        } else if (card.tag > 2000 && card.tag < 4000) {
            stock.push_back(card.tag);
            ++seen[k];
            EXPECT_FALSE(card.Visible);
        } else if (card.tag > 4000) {
            waste.push_back(card.tag);
            ++seen[k];
            EXPECT_TRUE(card.draggable);
        }
    }
    EXPECT_EQ(seen.size(), std::size_t(kCards));
    for (const auto& [k, times] : seen) EXPECT_EQ(times, 1) << k;
    std::ranges::sort(stock);
    std::ranges::sort(waste);
    for (std::size_t i = 0; i < stock.size(); ++i) EXPECT_EQ(stock[i], 2001 + int(i));
    for (std::size_t i = 0; i < waste.size(); ++i) EXPECT_EQ(waste[i], 4001 + int(i));
    EXPECT_EQ(int(stock.size()), t.stockleft);
    int built = 0;
    for (int f = 1; f <= kFoundations; ++f) built += t.nextrank[f] - 1;
    EXPECT_EQ(built, foundation);
    if (!waste.empty()) {
        EXPECT_EQ(t.card[t.wastetop].tag, 4001);
        EXPECT_TRUE(t.card[t.wastetop].Visible);
    }
}

}  // namespace fortythievestest
