#include "crazy8s_builder.h"

#include "games/crazy8s-war/crazy8s_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace crazy8srules;
using crazy8stest::dealt;
using crazy8stest::image;

namespace {

const std::string kUser = "7C 8C 8D 3C 7H 2H KD";
const std::string kComp = "AS 2S 3S 4S 5S 6S 9S";
// With the nine of hearts to follow: seven spades that do not play, seven hearts, and 21 stock
// cards that do not play either, so a hand of spades fills up to 28 without a card to play.
const std::string kSpades = "AS 2S 3S 4S 5S 6S 7S";
const std::string kHearts = "AH 2H 3H 4H 5H 6H 7H";
const std::string kDeadStock = "10S JS QS KS AC 2C 3C 4C 5C 6C 7C 10C JC QC KC AD 2D 3D 4D 5D 6D";

TEST(Crazy8sRules, DealGivesSevenCardsEachAStarterAndAStockOf37) {
    const Crazy8sTable t = dealt(kUser, kComp, "9H");
    for (int k = 1; k <= 7; ++k) {
        EXPECT_EQ(t.tag[k], kUserTag);
        EXPECT_EQ(t.slot[k], k);
        EXPECT_EQ(t.tag[k + 7], kCompTag);
        EXPECT_EQ(t.slot[k + 7], k);
    }
    EXPECT_EQ(t.tag[kStarter], 38);
    for (int k = 16; k <= 52; ++k) EXPECT_EQ(t.tag[k], k - 15) << k;
    EXPECT_EQ(t.playercount, 7);
    EXPECT_EQ(t.compcount, 7);
    EXPECT_EQ(t.nextdraw, 16);
    EXPECT_EQ(t.discardtag, 38);
    EXPECT_EQ(t.activesuit, core::Suit::Hearts);
    EXPECT_EQ(t.activerank, 9);
    EXPECT_EQ(t.cardsuit[image(t, "KD")], core::Suit::Diamonds);
    EXPECT_EQ(t.cardrank[image(t, "KD")], 13);
}

struct LegalCase {
    const char* starter;
    std::vector<const char*> played;  // by the user, in order
    const char* named;                // the suit named for the last card, an eight
    const char* card;
    bool legal;
};

TEST(Crazy8sRules, AnEightPlaysOnAnythingAndOtherCardsFollowSuitOrRank) {
    const LegalCase cases[] = {
        {"9H", {}, "", "8D", true},
        {"9H", {}, "", "2H", true},
        {"9H", {}, "", "KD", false},
        {"9H", {}, "", "7C", false},
        // A starter eight is followed like any card: its suit or an eight.
        {"8S", {}, "", "8C", true},
        {"8S", {}, "", "3C", false},
        // After the seven of clubs: a club, a seven, or any eight.
        {"7S", {"7C"}, "", "3C", true},
        {"7S", {"7C"}, "", "7H", true},
        {"7S", {"7C"}, "", "8D", true},
        {"7S", {"7C"}, "", "2H", false},
        {"7S", {"7C"}, "", "KD", false},
        // After an eight naming hearts: a heart or an eight; the eight's own suit no longer follows.
        {"9H", {"8C"}, "hearts", "2H", true},
        {"9H", {"8C"}, "hearts", "8D", true},
        {"9H", {"8C"}, "hearts", "3C", false},
        {"9H", {"8C"}, "hearts", "7C", false},
        // An eight on an eight that named another suit.
        {"9H", {"8C"}, "spades", "8D", true},
    };
    for (const auto& c : cases) {
        Crazy8sTable t = dealt(kUser, kComp, c.starter);
        for (const char* name : c.played) play(t, image(t, name));
        if (*c.named) t.activesuit = core::suitnamed(c.named);
        EXPECT_EQ(legal(t, image(t, c.card)), c.legal)
            << c.card << " on " << c.starter << (c.played.empty() ? "" : " then ") << (c.played.empty() ? "" : c.played[0])
            << " " << c.named;
    }
}

TEST(Crazy8sRules, PlayingAnEightSetsTheRankAndLeavesTheSuitToBeNamed) {
    Crazy8sTable t = dealt(kUser, kComp, "9H");
    play(t, image(t, "8C"));
    EXPECT_EQ(t.activerank, 8);
    EXPECT_EQ(t.activesuit, core::Suit::Hearts);
    EXPECT_EQ(t.tag[image(t, "8C")], 39);
    EXPECT_EQ(t.discardtag, 39);
    EXPECT_EQ(t.playercount, 6);
}

struct PickCase {
    const char* comp;
    const char* plays;  // empty: the computer holds nothing that plays
};

TEST(Crazy8sRules, TheComputerPlaysItsFirstCardInImageOrderThatIsAnEightOrFollows) {
    const PickCase cases[] = {
        // The eight comes first in image order, so it goes before the nine that matches.
        {"2S 8C 9C 3D 4D 5D 6D", "8C"},
        {"2S 9C 8C 3D 4D 5D 6D", "9C"},
        {"2S 3D 4D 5D 6D 7D KH", "KH"},
        {"2S 3S 4S 5S 6S 7S KS", ""},
    };
    for (const auto& c : cases) {
        const Crazy8sTable t = dealt("AC 2C 3C 4C 5C 6C 7C", c.comp, "9H");
        EXPECT_EQ(comppick(t), *c.plays ? image(t, c.plays) : 0) << c.comp;
    }
}

struct NameCase {
    const char* keeps;  // what the computer still holds beside the eight it plays
    const char* names;
};

TEST(Crazy8sRules, TheComputersEightNamesTheSuitItHoldsMostOf) {
    const NameCase cases[] = {
        {"2H 3H 4S 5S 6D", "hearts"},
        {"2H 4S 5S 6D 7D", "spades"},
        {"2H 3H 4S 6D 7D", "hearts"},
        {"6D 2C", "diamonds"},
        {"2C 3C 8H", "clubs"},  // eights are not counted
        {"", "hearts"},
    };
    const std::vector<std::string> fillers = {"KC", "QC", "JC", "10C", "9C", "KS"};
    for (const auto& c : cases) {
        std::string comp = "8C";
        std::vector<std::string> spare;
        if (*c.keeps) comp += std::string(" ") + c.keeps;
        const std::size_t kept = gp::cardCodes(comp, core::SuitOrder::File).size();
        for (std::size_t k = kept; k < 7; ++k) {
            comp += " " + fillers[k - kept];
            spare.push_back(fillers[k - kept]);
        }
        Crazy8sTable t = dealt("AS AC AD AH KH QH JH", comp, "10H");
        for (const std::string& name : spare) play(t, image(t, name));
        const CompTurn turn = computerturn(t);
        EXPECT_EQ(turn.played, image(t, "8C")) << c.keeps;
        EXPECT_EQ(t.activesuit, core::suitnamed(c.names)) << c.keeps;
        EXPECT_EQ(t.activerank, 8) << c.keeps;
    }
}

TEST(Crazy8sRules, TheComputerDrawsUntilACardPlaysThenPlaysIt) {
    Crazy8sTable t = dealt("AC 2C 3C 4C 5C 6C 7C", "2S 3S 4S 5S 6S 7S KS", "9H", "3D 4D 9C 5D");
    const CompTurn turn = computerturn(t);
    EXPECT_EQ(turn.drawn, (std::vector<int>{16, 17, 18}));
    EXPECT_EQ(turn.played, 18);
    EXPECT_EQ(t.compcount, 9);
    EXPECT_EQ(t.activesuit, core::Suit::Clubs);
    EXPECT_EQ(t.activerank, 9);
    EXPECT_EQ(t.nextdraw, 19);
    EXPECT_EQ(t.tag[19], 1);
    EXPECT_EQ(t.tag[18], t.discardtag);
    EXPECT_EQ(t.discardtag, 38 - 3 + 1);
}

TEST(Crazy8sRules, AfterTheStockTheStarterComesBackThenTheDiscardsInPlayOrderButNeverTheTopOne) {
    Crazy8sTable t = dealt(kUser, kComp, "9H");
    const std::vector<int> discards = {image(t, "2H"), image(t, "7H"), image(t, "7C")};
    for (int card : discards) play(t, card);
    std::vector<int> drawn;
    for (int k = 0; k < 37; ++k) drawn.push_back(draw(t, k % 2 ? kCompTag : kUserTag));
    for (int k = 0; k < 37; ++k) EXPECT_EQ(drawn[k], 16 + k);
    EXPECT_EQ(draw(t, kCompTag), kStarter);
    EXPECT_EQ(draw(t, kUserTag), discards[0]);
    EXPECT_EQ(draw(t, kCompTag), discards[1]);
    // Only the top discard lies outside the hands: nothing is left to draw.
    EXPECT_FALSE(candraw(t, kUserTag));
    EXPECT_EQ(draw(t, kUserTag), 0);
    EXPECT_EQ(t.tag[discards[2]], 1);
    EXPECT_EQ(t.discardtag, 1);
    EXPECT_EQ(t.playercount, 4 + 19 + 1);
    EXPECT_EQ(t.compcount, 7 + 18 + 2);
}

TEST(Crazy8sRules, AHandTakesNoTwentyNinthCard) {
    Crazy8sTable t = dealt(kUser, kComp, "9H");
    for (int k = 0; k < 21; ++k) EXPECT_NE(draw(t, kUserTag), 0);
    EXPECT_EQ(t.playercount, 28);
    EXPECT_FALSE(candraw(t, kUserTag));
    EXPECT_EQ(draw(t, kUserTag), 0);
    EXPECT_EQ(t.playercount, 28);
    EXPECT_TRUE(candraw(t, kCompTag));
}

TEST(Crazy8sRules, TheStockAnswersWhileTheUserMayDrawOrHasNothingToPlay) {
    // Holding the two of hearts on the nine of hearts, with a stock: the stock draws.
    Crazy8sTable t = dealt(kUser, kComp, "9H");
    EXPECT_TRUE(stockusable(t));
    for (int k = 0; k < 21; ++k) draw(t, kUserTag);
    EXPECT_FALSE(stockusable(t)) << "28 cards and a heart to play";
    // Nothing to play and nothing to draw: a click passes.
    Crazy8sTable stuck = dealt(kSpades, kHearts, "9H", kDeadStock);
    for (int k = 0; k < 21; ++k) draw(stuck, kUserTag);
    ASSERT_FALSE(candraw(stuck, kUserTag));
    ASSERT_FALSE(haslegal(stuck, kUserTag));
    EXPECT_TRUE(stockusable(stuck));
}

TEST(Crazy8sRules, AComputerThatCanNeitherPlayNorDrawPasses) {
    Crazy8sTable t = dealt(kHearts, kSpades, "9H", kDeadStock);
    for (int k = 0; k < 21; ++k) draw(t, kCompTag);
    const Crazy8sTable before = t;
    ASSERT_EQ(comppick(t), 0);
    const CompTurn turn = computerturn(t);
    EXPECT_TRUE(turn.drawn.empty());
    EXPECT_EQ(turn.played, 0);
    EXPECT_EQ(t.tag, before.tag);
    EXPECT_EQ(t.compcount, 28);
}

TEST(Crazy8sRules, TheUsersHandClosesUpBehindAPlayedCard) {
    Crazy8sTable t = dealt(kUser, kComp, "9H");
    draw(t, kUserTag);
    draw(t, kUserTag);
    ASSERT_EQ(t.slot[16], 8);
    ASSERT_EQ(t.slot[17], 9);
    EXPECT_EQ(play(t, 3), 3);
    const int expected[][2] = {{1, 1}, {2, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}, {16, 7}, {17, 8}};
    for (const auto& [card, slot] : expected) EXPECT_EQ(t.slot[card], slot) << card;
    // The last card of the hand leaves no gap.
    EXPECT_EQ(play(t, 17), 8);
    for (const auto& [card, slot] : expected) {
        if (card == 17) continue;
        EXPECT_EQ(t.slot[card], slot) << card;
    }
}

struct CompGapCase {
    int draws;
    int played;  // card image
    int moved;   // the card that fills the gap, 0 for none
    int to;
};

TEST(Crazy8sRules, TheComputersLastCardFillsTheGapOfItsPlay) {
    const CompGapCase cases[] = {
        {0, 9, 14, 2},   // slot 2 played: slot 7's card moves there
        {0, 14, 0, 0},   // its last card: nothing moves
        {1, 10, 16, 3},  // the drawn eighth card moves to slot 3
    };
    for (const auto& c : cases) {
        Crazy8sTable t = dealt(kUser, kComp, "9H");
        for (int k = 0; k < c.draws; ++k) draw(t, kCompTag);
        Crazy8sTable before = t;
        play(t, c.played);
        for (int k = 1; k <= 52; ++k) {
            if (t.tag[k] != kCompTag) continue;
            EXPECT_EQ(t.slot[k], k == c.moved ? c.to : before.slot[k]) << "played " << c.played << ", card " << k;
        }
        EXPECT_EQ(t.compcount, 7 + c.draws - 1);
    }
}

struct SlotCase {
    float scale;
    std::array<double, 4> tops;
    std::array<double, 7> lefts;
};

TEST(Crazy8sLayout, HandSlotsAreWholeTwipsAtEachScale) {
    const SlotCase cases[] = {
        {1.0f, {5460, 5760, 6060, 6360}, {400, 1700, 3000, 4300, 5600, 6900, 8200}},
        {0.78f, {4259, 4493, 4727, 4961}, {312, 1326, 2340, 3354, 4368, 5382, 6396}},
        {0.9f, {4914, 5184, 5454, 5724}, {360, 1530, 2700, 3870, 5040, 6210, 7380}},
    };
    const double compTops[] = {500, 300, 150, 0};
    for (const auto& c : cases) {
        for (int slot = 1; slot <= 28; ++slot) {
            const int row = (slot - 1) / 7, column = (slot - 1) % 7;
            EXPECT_EQ(userslot(slot, c.scale).top, c.tops[row]) << c.scale << " slot " << slot;
            EXPECT_EQ(userslot(slot, c.scale).left, c.lefts[column]) << c.scale << " slot " << slot;
            EXPECT_EQ(compslot(slot, c.scale).top, compTops[row]) << c.scale << " slot " << slot;
            EXPECT_EQ(compslot(slot, c.scale).left, c.lefts[column]) << c.scale << " slot " << slot;
            EXPECT_EQ(backslot(slot, c.scale).left, c.lefts[column]) << c.scale << " back " << slot;
            EXPECT_NEAR(backslot(slot, c.scale).top, 480 * double(c.scale) - 100 * row, 1e-3) << c.scale << " back " << slot;
        }
    }
    EXPECT_NEAR(backslot(8, 0.78f).top, 274.4, 1e-4);
    EXPECT_NEAR(pileplace(0.78f).left, 3931.2, 1e-3);
    EXPECT_NEAR(pileplace(0.78f).top, 2246.4, 1e-3);
    EXPECT_EQ(nearest(2.5, 1.0f), 2);
    EXPECT_EQ(nearest(3.5, 1.0f), 4);
}

}  // namespace
