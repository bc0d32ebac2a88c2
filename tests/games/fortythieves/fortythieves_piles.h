#pragma once

#include "games/fortythieves/fortythieves_rules.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace fortythievestest {

// What holds after every step of a game: each deck holds each of its codes once; every card lies
// in exactly one pile, each pile numbered without gaps; only the free cards drag; a card on a
// foundation is exactly as it was when the foundation took it (`onFoundation`). Returns what is
// wrong, or empty text.
inline std::string wholeTableFault(const fortythievesrules::FortyThievesTable& t,
                                   const std::map<int, fortythievesrules::Card>& onFoundation) {
    using namespace fortythievesrules;
    const auto card = [](int k) { return "card " + std::to_string(k); };
    const std::set<int> one(t.deckorder.begin() + 1, t.deckorder.begin() + 1 + kDeckCards);
    const std::set<int> two(t.deckorder.begin() + 1 + kDeckCards, t.deckorder.end());
    if (one.size() != std::size_t(kDeckCards) || *one.begin() != 1 || *one.rbegin() != kDeckCards)
        return "the first deck does not hold codes 1 to 52 once each";
    if (two.size() != std::size_t(kDeckCards) || *two.begin() != kDeckCards + 1 || *two.rbegin() != kCards)
        return "the second deck does not hold codes 53 to 104 once each";

    std::map<int, int> seen;
    for (int c = 1; c <= kColumns; ++c) {
        const std::vector<int> column = columncards(t, c);
        const std::string where = "column " + std::to_string(c);
        if (column.size() > std::size_t(kMostInColumn)) return where + " holds more than 19 cards";
        for (std::size_t i = 0; i < column.size(); ++i) {
            const Card& held = t.card[column[i]];
            if (held.tag != int(column.size() - i) * 100 + c)
                return card(column[i]) + " in " + where + " is tagged " + std::to_string(held.tag);
            if (!held.Visible) return card(column[i]) + " in " + where + " is hidden";
            if (held.draggable != (i + 1 == column.size()))
                return card(column[i]) + " in " + where + (held.draggable ? " drags though covered" : " does not drag");
            ++seen[column[i]];
        }
    }
    std::vector<int> stock, waste;
    int foundation = 0;
    for (int k = 1; k <= kCards; ++k) {
        const Card& c = t.card[k];
        if (c.onfoundation) {
            ++foundation;
            ++seen[k];
            if (!onFoundation.count(k)) return card(k) + " is on a foundation that never took it";
            if (!(c == onFoundation.at(k))) return card(k) + " was touched on its foundation";
            if (c.draggable) return card(k) + " drags from a foundation";
        } else if (c.tag > 2000 && c.tag < 4000) {
            stock.push_back(c.tag);
            ++seen[k];
            if (c.Visible) return card(k) + " shows in the stock";
        } else if (c.tag > 4000) {
            waste.push_back(c.tag);
            ++seen[k];
            if (!c.draggable) return card(k) + " on the waste does not drag";
        }
    }
    if (seen.size() != std::size_t(kCards)) return std::to_string(kCards - seen.size()) + " cards lie in no pile";
    for (const auto& [k, times] : seen)
        if (times != 1) return card(k) + " lies in " + std::to_string(times) + " piles";
    std::ranges::sort(stock);
    std::ranges::sort(waste);
    for (std::size_t i = 0; i < stock.size(); ++i)
        if (stock[i] != 2001 + int(i)) return "the stock's numbers have a gap at " + std::to_string(2001 + i);
    for (std::size_t i = 0; i < waste.size(); ++i)
        if (waste[i] != 4001 + int(i)) return "the waste's numbers have a gap at " + std::to_string(4001 + i);
    if (int(stock.size()) != t.stockleft)
        return "the stock holds " + std::to_string(stock.size()) + " cards but counts " + std::to_string(t.stockleft);
    int built = 0;
    for (int f = 1; f <= kFoundations; ++f) built += t.nextrank[f] - 1;
    if (built != foundation)
        return "the foundations count " + std::to_string(built) + " cards but hold " + std::to_string(foundation);
    if (!waste.empty() && (t.card[t.wastetop].tag != 4001 || !t.card[t.wastetop].Visible))
        return "the waste's top card " + std::to_string(t.wastetop) + " is not its visible first card";
    return {};
}

}  // namespace fortythievestest
