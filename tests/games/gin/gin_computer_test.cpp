#include <gtest/gtest.h>

#include "games/gin/gin_computer.h"
#include "gin_builder.h"

#include <deque>
#include <functional>

using namespace ginrules;
using gintest::table;

namespace {

TEST(GinComputer, TakesThePileForAPairOrASuitNeighbour) {
    const struct {
        const char* what;
        const char* computer;
        const char* pile;
        bool takes;
    } cases[] = {
        {"two queens", "QS QD", "QH", true},
        {"one queen, no jack or king of hearts", "QS", "QH", false},
        {"the four below", "4C", "5C", true},
        {"the six above", "6C", "5C", true},
        {"only the three, two below", "3C", "5C", false},
        {"the four of another suit", "4D", "5C", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(takesPile(table(c.computer, "", c.pile)), c.takes);
    }
}

// Melded at 101..106 (three sevens, two to four of hearts), kept at 107 and 108 (king and queen of
// spades), free at 109 and 110; 111 drawn from the stock, or taken from the pile and kept.
GinTable elevenCards(bool fromPile) {
    GinTable t = table("7S 7C 7D 2H 3H 4H KS QS 9D 5C", "", "JC", "8C");
    if (fromPile)
        takePile(t, kComputer);
    else
        drawStock(t, kComputer);
    return t;
}

TEST(GinComputer, DiscardSearchesWithScriptedDraws) {
    const std::deque<int> elevenBad(11, 1);
    auto then = [&](std::deque<int> more) {
        std::deque<int> d = elevenBad;
        d.insert(d.end(), more.begin(), more.end());
        return d;
    };
    const struct {
        const char* what;
        bool fromPile;
        std::deque<int> draws;
        int tag;
    } cases[] = {
        {"a free card at once", false, {9}, 109},
        {"melded and kept cards passed over", false, {1, 6, 7, 8, 10}, 110},
        {"the drawn card may go", false, {2, 11}, 111},
        {"the card from the pile is passed over", true, {11, 11, 9}, 109},
        {"an acceptable 11th draw", false, {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 10}, 110},
        {"an acceptable 12th draw goes to the second search", false, then({9, 7}), 107},
        {"after thirteen draws the second search takes a kept card", false, then({8, 8, 8}), 108},
        {"the second search's acceptable 12th draw hands over; the last resort takes even a melded card", false,
         then({9, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 10, 3}), 103},
        {"the second search's 13th draw hands over too", false,
         then({9, 1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6, 1, 10}), 110},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const GinTable t = elevenCards(c.fromPile);
        gintest::Script script{c.draws, 11};
        EXPECT_EQ(chooseDiscard(t, std::ref(script)), c.tag);
        EXPECT_TRUE(script.draws.empty()) << script.draws.size() << " draws left over";
    }
}

}  // namespace
