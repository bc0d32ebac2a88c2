#pragma once

#include "games/gin/gin_melds.h"
#include "games/gin/gin_moves.h"
#include "games/gin/gin_table.h"
#include "support/card_names.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <stdexcept>
#include <string>
#include <string_view>

// Gin Rummy tables from card names such as "QS", "TD", "2C", "AH" (file order codes: spades 1-13,
// clubs 14-26, diamonds 27-39, hearts 40-52).
namespace gintest {

using ginrules::GinTable;

// The computer's draws from a script, each from 1 to `range` (any range when 0); running out of it
// fails the test. Handed over as std::ref(script), so the test sees what is left.
struct Script {
    std::deque<int> draws;
    int range = 0;
    int operator()(int n) {
        if (range != 0) {
            EXPECT_EQ(n, range);
        }
        if (draws.empty()) {
            ADD_FAILURE() << "more draws than scripted";
            return 1;
        }
        const int d = draws.front();
        draws.pop_front();
        return d;
    }
};

inline int code(std::string_view name) { return gp::cardCode(name, core::SuitOrder::File); }

// A deck order dealing the named cards: the computer's hand to slots 1.., the user's to 11.., the
// first discard to slot 21 and the stock from slot 22 (drawn first); the cards nobody named fill
// the free slots in code order.
inline std::array<std::int16_t, 52> deal(std::string_view computer, std::string_view user,
                                         std::string_view discard = "", std::string_view stock = "") {
    std::map<int, int> placed;
    const std::pair<int, std::string_view> parts[] = {{1, computer}, {11, user}, {21, discard}, {22, stock}};
    for (auto [slot, names] : parts)
        for (int c : gp::cardCodes(names, core::SuitOrder::File)) placed[slot++] = c;
    return gp::completeDeck(placed);
}

// That deal laid out and judged as the deal judges it.
inline GinTable table(std::string_view computer, std::string_view user, std::string_view discard = "",
                      std::string_view stock = "", int knockmood = 3) {
    GinTable t;
    ginrules::beginDeal(t, knockmood);
    ginrules::setDeal(t, deal(computer, user, discard, stock));
    ginrules::layDeal(t);
    ginrules::setkeepmarks(t);
    ginrules::matching(t);
    return t;
}

inline int slotOf(const GinTable& t, std::string_view name) {
    for (int slot = 1; slot <= 52; ++slot)
        if (t.deckorder[slot] == code(name)) return slot;
    throw std::invalid_argument("card not dealt: " + std::string(name));
}

inline int tagOf(const GinTable& t, std::string_view name) { return t.tag[slotOf(t, name)]; }

}  // namespace gintest
