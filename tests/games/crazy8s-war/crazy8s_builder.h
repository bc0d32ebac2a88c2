#pragma once

#include "games/crazy8s-war/crazy8s_rules.h"
#include "support/card_names.h"

#include <array>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// Crazy 8s deals from card names such as "8C", "10H", "QS" (file order codes).
namespace crazy8stest {

using crazy8srules::Crazy8sTable;

inline int code(const std::string& name) { return gp::cardCode(name, core::SuitOrder::File); }

// A deck order: the user's seven cards (images 1..7), the computer's seven (8..14), the starter
// (15) and the first stock cards from image 16 on, the next to draw first; the cards nobody named
// fill the rest of the stock in ascending order.
inline std::array<std::int16_t, 52> deck(const std::string& user, const std::string& comp, const std::string& starter,
                                         const std::string& stock = "") {
    std::map<int, int> placed;
    int position = 1;
    const auto place = [&](const std::string& names, int first, std::size_t count) {
        const std::vector<int> codes = gp::cardCodes(names, core::SuitOrder::File);
        if (count && codes.size() != count) throw std::invalid_argument("a hand holds seven cards: " + names);
        position = first;
        for (int c : codes) placed[position++] = c;
    };
    place(user, 1, 7);
    place(comp, 8, 7);
    place(starter, 15, 1);
    place(stock, 16, 0);
    return gp::completeDeck(placed);
}

inline Crazy8sTable dealt(const std::string& user, const std::string& comp, const std::string& starter,
                          const std::string& stock = "") {
    Crazy8sTable t;
    const auto order = deck(user, comp, starter, stock);
    for (int k = 1; k <= 52; ++k) t.deckorder[k] = order[k - 1];
    crazy8srules::deal(t);
    return t;
}

// The card image that shows the named card.
inline int image(const Crazy8sTable& t, const std::string& name) {
    for (int k = 1; k <= 52; ++k)
        if (t.deckorder[k] == code(name)) return k;
    throw std::invalid_argument("no such card " + name);
}

}  // namespace crazy8stest
