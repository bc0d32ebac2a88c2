#include "war_builder.h"

#include "games/crazy8s-war/war_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace warrules;
using wartest::image;
using wartest::piles;

namespace {

TEST(WarRules, TheDealGivesEachSideAPileOf26NumberedFromItsTop) {
    const WarTable t = wartest::dealt("AS KH", "2C");
    for (int k = 1; k <= 26; ++k) {
        EXPECT_EQ(t.tag[k], 100 + k);
        EXPECT_EQ(t.tag[k + 26], 200 + k);
    }
    EXPECT_EQ(t.playercount, 26);
    EXPECT_EQ(t.compcount, 26);
    EXPECT_EQ(t.cardrank[1], 14) << "the ace is valued 14";
    EXPECT_EQ(t.cardrank[2], 13);
    EXPECT_EQ(t.cardrank[27], 2);
    EXPECT_TRUE(canturn(t));
}

TEST(WarRules, ATurnLaysBothTopCardsAndThePilesCloseUp) {
    WarTable t = wartest::dealt("AS KH", "2C 3C");
    turn(t);
    EXPECT_EQ(t.tag[image(t, "AS")], 301);
    EXPECT_EQ(t.tag[image(t, "2C")], 401);
    EXPECT_EQ(t.playerface, image(t, "AS"));
    EXPECT_EQ(t.compface, image(t, "2C"));
    EXPECT_EQ(t.tag[image(t, "KH")], 101);
    EXPECT_EQ(t.tag[image(t, "3C")], 201);
    EXPECT_EQ(t.playercount, 25);
    EXPECT_EQ(t.compcount, 25);
    EXPECT_EQ(t.playertable, 1);
    EXPECT_EQ(t.comptable, 1);
}

struct JudgeCase {
    const char* user;
    const char* comp;
    int userLeft, compLeft;  // cards left in each pile after the turn
    Side winner;
    Side shortside;
};

TEST(WarRules, TheHigherCardWinsAndASideShortOfCardsLosesEqualRanks) {
    const JudgeCase cases[] = {
        {"AS", "KH", 25, 25, Side::User, Side::None},
        {"KH", "AS", 25, 25, Side::Computer, Side::None},
        {"AS", "AH", 25, 25, Side::None, Side::None},
        {"2S", "2H", 4, 4, Side::None, Side::None},
        // The computer short: the user's card counts one higher, so it wins equal ranks and one
        // rank below the computer's ties.
        {"9S", "9H", 25, 3, Side::User, Side::Computer},
        {"9S", "10H", 25, 3, Side::None, Side::Computer},
        {"9S", "JH", 25, 0, Side::Computer, Side::Computer},
        // The computer's pile is tested first: with both short only the user's card is raised.
        {"9S", "9H", 3, 3, Side::User, Side::Computer},
        {"9S", "10H", 2, 1, Side::None, Side::Computer},
        // The user short.
        {"9S", "9H", 3, 25, Side::Computer, Side::User},
        {"10S", "9H", 0, 25, Side::None, Side::User},
        {"AS", "KH", 1, 25, Side::None, Side::User},
    };
    for (const auto& c : cases) {
        WarTable t = piles(c.user, c.userLeft, c.comp, c.compLeft);
        turn(t);
        const WarTable before = t;
        const Judgement j = judge(t);
        const std::string what = std::string(c.user) + " against " + c.comp + " with " +
                                 std::to_string(c.userLeft) + " and " + std::to_string(c.compLeft) + " left";
        EXPECT_EQ(j.winner, c.winner) << what;
        EXPECT_EQ(j.shortside, c.shortside) << what;
        EXPECT_EQ(t.cardrank, before.cardrank) << what << ": the raise counts for the comparison only";
    }
}

struct StepCase {
    const char* what;
    const char* user;
    const char* comp;
    int userLeft, compLeft;  // cards left in each pile after the turn
    bool sliding;            // a won card is still on its way
    int collected;           // won cards already handed over
    BattleStep::Next next;
    Side winner;
    bool slides;  // the lowest card image on the table slides now
    Side notice;
};

TEST(WarRules, TheBattleTimerLaysAWarHandsOverTheLowestWonCardOrEnds) {
    using Next = BattleStep::Next;
    const StepCase cases[] = {
        {"a tie", "AS", "AH", 25, 25, false, 0, Next::War, Side::None, false, Side::None},
        {"the user's higher card", "AS", "KH", 25, 25, false, 0, Next::Collect, Side::User, true, Side::None},
        {"the computer's higher card", "KH", "AS", 25, 25, false, 0, Next::Collect, Side::Computer, true, Side::None},
        {"a card still sliding", "AS", "KH", 25, 25, true, 0, Next::Collect, Side::User, false, Side::None},
        {"the second won card", "AS", "KH", 25, 25, false, 1, Next::Collect, Side::User, true, Side::None},
        {"both won cards handed over", "AS", "KH", 25, 25, false, 2, Next::Done, Side::None, false, Side::None},
        {"the computer short", "9S", "9H", 25, 3, false, 0, Next::Collect, Side::User, true, Side::Computer},
        {"the computer short, a card sliding", "9S", "9H", 25, 3, true, 0, Next::Collect, Side::User, false, Side::None},
        {"the user short, a tie", "10S", "9H", 0, 25, false, 0, Next::War, Side::None, false, Side::User},
        {"the user short, table clear", "9S", "9H", 3, 25, false, 2, Next::Done, Side::None, false, Side::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        WarTable t = piles(c.user, c.userLeft, c.comp, c.compLeft);
        turn(t);
        const Judgement j = judge(t);
        for (int n = 0; n < c.collected; ++n) arrive(t, nextcollect(t), j.winner);
        const WarTable before = t;
        const BattleStep step = battlestep(t, c.sliding);
        EXPECT_EQ(step.next, c.next);
        EXPECT_EQ(step.winner, c.winner);
        EXPECT_EQ(step.card, c.slides ? nextcollect(t) : 0);
        if (c.slides) {
            EXPECT_NE(step.card, 0);
        }
        EXPECT_EQ(step.notice, c.notice);
        EXPECT_EQ(t.tag, before.tag) << "the step only reads the table";
    }
}

TEST(WarRules, AWarLaysThreeDownAndOneUpFromEachPile) {
    WarTable t = piles("7S 2S 3S 4S 5S 6S", 0, "7H 2H 3H 4H 5H 6H", 0);
    turn(t);
    ASSERT_EQ(judge(t).winner, Side::None);
    const War w = laywar(t);
    const std::vector<std::string> userCards = {"2S", "3S", "4S", "5S"}, compCards = {"2H", "3H", "4H", "5H"};
    ASSERT_EQ(w.user.size(), 4u);
    ASSERT_EQ(w.comp.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(w.user[k].card, image(t, userCards[k]));
        EXPECT_EQ(w.user[k].k, k < 3 ? k + 1 : 0);
        EXPECT_EQ(t.tag[w.user[k].card], 302 + k);
        EXPECT_EQ(w.comp[k].card, image(t, compCards[k]));
        EXPECT_EQ(w.comp[k].k, k < 3 ? k + 1 : 0);
        EXPECT_EQ(t.tag[w.comp[k].card], 402 + k);
    }
    EXPECT_EQ(t.playerface, image(t, "5S"));
    EXPECT_EQ(t.compface, image(t, "5H"));
    EXPECT_EQ(t.playertable, 5);
    EXPECT_EQ(t.comptable, 5);
    EXPECT_EQ(t.playercount, 1);
    EXPECT_EQ(t.compcount, 1);
    EXPECT_EQ(t.tag[image(t, "6S")], 101);
    EXPECT_EQ(t.tag[image(t, "6H")], 201);
}

TEST(WarRules, ASideWithTwoCardsLaysBothDownAndKeepsItsTurnedCard) {
    // The user holds two cards behind the ten: the computer's nine counts as a ten and ties.
    WarTable t = piles("10S 2S 3S", 0, "9H 2H 3H 4H 5H 6H", 0);
    turn(t);
    ASSERT_EQ(judge(t).winner, Side::None);
    const War w = laywar(t);
    ASSERT_EQ(w.user.size(), 2u);
    EXPECT_EQ(w.user[0].card, image(t, "2S"));
    EXPECT_EQ(w.user[0].k, 1);
    EXPECT_EQ(w.user[1].card, image(t, "3S"));
    EXPECT_EQ(w.user[1].k, 2);
    EXPECT_EQ(w.comp.size(), 4u);
    EXPECT_EQ(t.playerface, image(t, "10S"));
    EXPECT_EQ(t.compface, image(t, "5H"));
    EXPECT_EQ(t.playercount, 0);
    EXPECT_EQ(t.compcount, 1);
    EXPECT_EQ(t.tag[image(t, "6H")], 201);
    // The new face-up card against the old turned card; both piles are short now and the
    // computer's is tested first, so the ten counts as a jack.
    const Judgement j = judge(t);
    EXPECT_EQ(j.winner, Side::User);
    EXPECT_EQ(j.shortside, Side::Computer);
}

TEST(WarRules, ASecondTieLaysASecondWarFromTheNewTops) {
    WarTable t = piles("7S 2S 3S 4S 5S 6S 10S JS QS", 0, "7H 2H 3H 4H 5H 6H 10H JH AH", 0);
    turn(t);
    laywar(t);
    ASSERT_EQ(judge(t).winner, Side::None) << "the fives tie";
    const War w = laywar(t);
    ASSERT_EQ(w.user.size(), 4u);
    EXPECT_EQ(w.user[0].card, image(t, "6S"));
    EXPECT_EQ(w.user[3].card, image(t, "QS"));
    EXPECT_EQ(w.comp[3].card, image(t, "AH"));
    EXPECT_EQ(t.tag[image(t, "QS")], 309);
    EXPECT_EQ(t.tag[image(t, "AH")], 409);
    EXPECT_EQ(t.playertable, 9);
    EXPECT_EQ(t.playercount, 0);
    EXPECT_EQ(t.compcount, 0);
    EXPECT_EQ(judge(t).winner, Side::Computer) << "the ace over the queen, raised to a king";
    // The 18 cards of the battle go to the winner one at a time, lowest card image first.
    std::vector<int> collected;
    while (const int card = nextcollect(t)) {
        collected.push_back(card);
        arrive(t, card, Side::Computer);
    }
    ASSERT_EQ(collected.size(), 18u);
    for (std::size_t k = 1; k < collected.size(); ++k) EXPECT_LT(collected[k - 1], collected[k]);
    for (std::size_t k = 0; k < collected.size(); ++k) EXPECT_EQ(t.tag[collected[k]], 201 + static_cast<int>(k));
    EXPECT_EQ(t.compcount, 18);
}

TEST(WarRules, AWarWithBothPilesEmptyEndsOnThePlainRanks) {
    // The user's nine, raised because the computer is out of cards, ties the ten; a war finds
    // nothing to lay, and the ten then takes the table.
    WarTable t = piles("9S", 0, "10H", 0);
    turn(t);
    ASSERT_EQ(judge(t).winner, Side::None);
    const War w = laywar(t);
    EXPECT_TRUE(w.user.empty());
    EXPECT_TRUE(w.comp.empty());
    EXPECT_EQ(judge(t).winner, Side::Computer);
    EXPECT_EQ(nextcollect(t), image(t, "9S") < image(t, "10H") ? image(t, "9S") : image(t, "10H"));
    // The next battle's raise applies again.
    WarTable next = piles("9S 2S", 0, "9H 2H", 0);
    next.barewar = true;
    turn(next);
    EXPECT_EQ(judge(next).winner, Side::User);
}

TEST(WarRules, AWonCardGoesUnderTheWinnersPileAndTheGameEndsWhenTheLosersIsEmpty) {
    WarTable t = piles("AS 2S", 0, "KH", 0);
    turn(t);
    ASSERT_EQ(judge(t).winner, Side::User);
    const int first = nextcollect(t);
    EXPECT_TRUE(arrive(t, first, Side::User));
    EXPECT_EQ(t.tag[first], 102);
    EXPECT_EQ(t.playercount, 2);
    EXPECT_FALSE(canturn(t));

    WarTable lost = piles("2S 3S", 0, "KH QH", 0);
    turn(lost);
    EXPECT_FALSE(arrive(lost, nextcollect(lost), Side::Computer)) << "the user still holds a card";
    EXPECT_EQ(lost.compcount, 2);
}

struct PileCase {
    int count;
    std::string_view picture;
};

TEST(WarRules, APileShowsFullHalfOrThinByItsCount) {
    const PileCase cases[] = {{52, "\\Images\\carddeckfull1.bmp"}, {40, "\\Images\\carddeckfull1.bmp"},
                              {39, "\\Images\\carddeckhalf1.bmp"}, {13, "\\Images\\carddeckhalf1.bmp"},
                              {12, "\\Images\\carddeckthin1.bmp"}, {1, "\\Images\\carddeckthin1.bmp"},
                              {0, ""}};
    for (const auto& c : cases) EXPECT_EQ(pilepicture(c.count), c.picture) << c.count;
}

TEST(WarLayout, WarCardsFanOutFromTheFaceCardsAndWonCardsSlideOutOfTheWindow) {
    const Place user = turnedplace(Side::User, 1.0f);
    const Place comp = turnedplace(Side::Computer, 0.78f);
    EXPECT_EQ(user.left, 4080);
    EXPECT_EQ(user.top, 3560);
    EXPECT_NEAR(comp.left, 3182.4, 1e-3);
    EXPECT_NEAR(comp.top, 1216.8, 1e-3);
    EXPECT_EQ(warplace(user, Side::User, 3, 1.0f).left, 4680);
    EXPECT_EQ(warplace(user, Side::User, 3, 1.0f).top, 3560);
    EXPECT_EQ(warplace(user, Side::User, 0, 1.0f).top, 3760);
    EXPECT_NEAR(warplace(comp, Side::Computer, 2, 0.78f).left, 3182.4 - 312, 1e-3);
    EXPECT_NEAR(warplace(comp, Side::Computer, 0, 0.78f).top, 1216.8 - 156, 1e-3);

    EXPECT_TRUE(slidout({-1001, -1001}, Side::Computer, 1.0f));
    EXPECT_FALSE(slidout({-1001, -900}, Side::Computer, 1.0f));
    EXPECT_TRUE(slidout({-781, -781}, Side::Computer, 0.78f));
    EXPECT_TRUE(slidout({10001, 7001}, Side::User, 1.0f));
    EXPECT_FALSE(slidout({9999, 9000}, Side::User, 1.0f));
    EXPECT_TRUE(slidout({7801, 5461}, Side::User, 0.78f));
}

}  // namespace
