#pragma once

#include "games/crazy8s-war/war_rules.h"
#include "support/card_names.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// War deals from card names such as "AS", "10H" (file order codes).
namespace wartest {

using warrules::WarTable;

inline int code(const std::string& name) { return gp::cardCode(name, core::SuitOrder::File); }

// A deck order: the user's pile top first from position 1, the computer's from position 27; the
// cards nobody named fill the other positions in ascending order.
inline std::array<std::int16_t, 52> deck(const std::string& user, const std::string& comp) {
    std::map<int, int> placed;
    int position = 1;
    for (int c : gp::cardCodes(user, core::SuitOrder::File)) placed[position++] = c;
    position = 27;
    for (int c : gp::cardCodes(comp, core::SuitOrder::File)) placed[position++] = c;
    return gp::completeDeck(placed);
}

inline WarTable dealt(const std::string& user, const std::string& comp) {
    WarTable t;
    const auto order = deck(user, comp);
    for (int k = 1; k <= 52; ++k) t.deckorder[k] = order[k - 1];
    warrules::deal(t);
    return t;
}

// The card image that shows the named card.
inline int image(const WarTable& t, const std::string& name) {
    for (int k = 1; k <= 52; ++k)
        if (t.deckorder[k] == code(name)) return k;
    throw std::invalid_argument("no such card " + name);
}

// A game in progress: the user's pile holds the named cards then `userMore` cards nobody named,
// the computer's likewise; every other card is out of the game.
inline WarTable piles(const std::string& user, int userMore, const std::string& comp, int compMore) {
    WarTable t = dealt(user, comp);
    std::vector<int> spare;
    const std::vector<int> named = [&] {
        std::vector<int> all = gp::cardCodes(user, core::SuitOrder::File);
        for (int c : gp::cardCodes(comp, core::SuitOrder::File)) all.push_back(c);
        return all;
    }();
    for (int k = 1; k <= 52; ++k)
        if (std::find(named.begin(), named.end(), t.deckorder[k]) == named.end()) spare.push_back(k);
    t.tag.fill(0);
    const auto fill = [&](const std::string& names, int more, int pile, int& count) {
        count = 0;
        for (int c : gp::cardCodes(names, core::SuitOrder::File))
            for (int k = 1; k <= 52; ++k)
                if (t.deckorder[k] == c) t.tag[k] = pile + ++count;
        for (int m = 0; m < more; ++m) {
            t.tag[spare.back()] = pile + ++count;
            spare.pop_back();
        }
    };
    fill(user, userMore, warrules::kUserPile, t.playercount);
    fill(comp, compMore, warrules::kCompPile, t.compcount);
    return t;
}

}  // namespace wartest
