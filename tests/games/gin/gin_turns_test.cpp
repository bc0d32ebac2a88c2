#include <gtest/gtest.h>

#include "games/gin/gin_turns.h"
#include "gin_builder.h"

#include <deque>
#include <functional>

using namespace ginrules;
using gintest::slotOf;
using gintest::table;
using gintest::tagOf;

namespace {

// Three runs and the ten of hearts; the computer's hand melds nothing.
GinTable usersTurn(const char* stock) {
    GinTable t = table("2H 5H 8H JH 3C 7C QC 4D JD KS", "AS 2S 3S 4C 5C 6C 7D 8D 9D TH", "TS", stock);
    t.turn = kUser;
    return t;
}

TEST(GinTurns, TheUsersDrawAndDiscard) {
    const struct {
        const char* what;
        const char* stock;
        bool fromPile;
        const char* thrown;  // the card discarded after the draw
        int unmatched;       // the user's total after the discard
        bool mayKnock;
    } cases[] = {
        {"the stock's king drawn and thrown back", "KH", false, "KH", 10, false},
        {"the pile's ten taken, the ten of hearts thrown", "KH", true, "TH", 10, false},
        {"an ace drawn for the ten: one point left", "AH", false, "TH", 1, true},
        {"the ace kept no longer", "AH", false, "AH", 10, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GinTable t = usersTurn(c.stock);
        const int taken = slotOf(t, c.fromPile ? "TS" : c.stock);
        EXPECT_EQ(c.fromPile ? userTakesPile(t) : userDrawsStock(t), taken);
        EXPECT_EQ(t.tag[taken], drawnTag(kUser));
        EXPECT_EQ(t.drawn, -1);
        EXPECT_EQ(t.stockcount, c.fromPile ? kStockSize : kStockSize - 1);
        EXPECT_EQ(t.pilecount, c.fromPile ? 0 : 1);

        ASSERT_TRUE(userDiscards(t, slotOf(t, c.thrown)));
        EXPECT_EQ(tagOf(t, c.thrown), kPile + t.pilecount) << "on top of the pile";
        EXPECT_EQ(t.drawn, 0);
        EXPECT_EQ(t.turn, kComputer);
        EXPECT_EQ(t.unmatched[kUser], c.unmatched) << "both hands judged afresh";
        EXPECT_EQ(userMayKnock(t), c.mayKnock);
        for (int tag = kUserHand + 1; tag <= kUserHand + kHandSize; ++tag) EXPECT_NE(slotOfTag(t, tag), 0) << tag;
        EXPECT_EQ(slotOfTag(t, drawnTag(kUser)), 0) << "the hand has closed up to ten";
    }
}

TEST(GinTurns, TheUserDiscardsOnlyAnOwnCard) {
    GinTable t = usersTurn("KH");
    userDrawsStock(t);
    const GinTable before = t;
    for (const char* name : {"2H", "TS", "QD"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(userDiscards(t, slotOf(t, name)));
        EXPECT_EQ(t.tag, before.tag);
        EXPECT_EQ(t.turn, kUser);
        EXPECT_EQ(t.drawn, -1);
    }
    EXPECT_FALSE(userDiscards(t, 0));
    EXPECT_FALSE(userDiscards(t, 53));
}

TEST(GinTurns, TheComputersWholeTurn) {
    const struct {
        const char* what;
        const char* pile;
        const char* drawn;      // the card it ends up drawing
        std::deque<int> draws;  // the discard search's
        const char* thrown;
    } cases[] = {
        {"the jack of clubs left, the eight drawn, a free card thrown", "JC", "8C", {9}, "9D"},
        {"the five of hearts taken to the four", "5H", "5H", {9}, "9D"},
        {"kept and melded cards passed over", "JC", "8C", {1, 7, 10}, "5C"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GinTable t = table("7S 7C 7D 2H 3H 4H KS QS 9D 5C", "AS 2S 3S 4D 5D 6D 8H 9H TH KC", c.pile, "8C");
        t.turn = kComputer;
        gintest::Script script{c.draws};
        const ComputerTurn turn = computerTurn(t, std::ref(script));
        EXPECT_EQ(turn.drawn, slotOf(t, c.drawn));
        EXPECT_EQ(turn.discarded, slotOf(t, c.thrown));
        EXPECT_EQ(tagOf(t, c.thrown), kPile + t.pilecount);
        EXPECT_EQ(t.turn, kUser);
        EXPECT_TRUE(script.draws.empty());
        EXPECT_EQ(slotOfTag(t, drawnTag(kComputer)), 0) << "ten cards again";
        GinTable judged = t;
        setkeepmarks(judged);
        matching(judged);
        EXPECT_EQ(t.unmatched, judged.unmatched) << "judged after the discard";
        EXPECT_EQ(t.keepmark, judged.keepmark);
    }
}

TEST(GinTurns, TheComputerFindsTheStockEmpty) {
    GinTable t = table("7S 7C 7D 2H 3H 4H KS QS 9D 5C", "AS 2S 3S 4D 5D 6D 8H 9H TH KC", "JC");
    while (const int slot = drawStock(t, kUser)) discard(t, kUser, t.tag[slot]);
    t.turn = kComputer;
    ASSERT_FALSE(takesPile(t));
    const GinTable before = t;
    gintest::Script none;
    const ComputerTurn turn = computerTurn(t, std::ref(none));
    EXPECT_EQ(turn.drawn, 0);
    EXPECT_EQ(turn.discarded, 0);
    EXPECT_EQ(t.tag, before.tag);
    EXPECT_EQ(t.turn, kComputer) << "the window ends the hand as dead";
}

}  // namespace
