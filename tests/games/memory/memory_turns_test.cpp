#include "games/memory/memory_turns.h"

#include "scripted.h"

#include <gtest/gtest.h>

#include <set>

using namespace memoryrules;

namespace {

// The draws a test chooses, over the whole board.
class Draws {
public:
    Draws(std::initializer_list<int> values) : script_(values) {}
    Draw draw(int expectedN) {
        return [this, expectedN](int n) {
            EXPECT_EQ(n, expectedN) << "draws are made over the whole board";
            return script_.next();
        };
    }
    bool spent() const { return script_.spent(); }

private:
    Scripted script_;
};

// A board dealt in code order: positions 2k - 1 and 2k hold pair k.
MemoryTable dealtInOrder(Board board = Board::Big) {
    MemoryTable t(board);
    newGame(t);
    for (int i = 1; i <= t.cards; ++i) t.deckorder[i] = static_cast<std::int16_t>(i);
    return t;
}

std::set<int> remembered(const MemoryTable& t) {
    std::set<int> positions;
    for (int i = 1; i <= t.cards; ++i)
        if (t.compmemory[i]) positions.insert(i);
    return positions;
}

TEST(MemoryUserTurn, TheSecondCardDecidesAndTheTurnStartsAgain) {
    MemoryTable t = dealtInOrder();
    EXPECT_EQ(turnUser(t, 3, false), Outcome::FirstCard);
    EXPECT_EQ(t.turncount, 1);
    EXPECT_EQ(t.firstcard, 3);
    EXPECT_EQ(t.firstpair, 2);
    EXPECT_EQ(turnUser(t, 4, false), Outcome::Pair);
    EXPECT_EQ(t.turncount, 0);
    EXPECT_EQ(t.secondcard, 4);
    EXPECT_EQ(t.secondpair, 2);
    claimPair(t, Side::User);
    EXPECT_EQ(t.playermatches, 1);
    EXPECT_EQ(t.compmatches, 0);
    EXPECT_EQ(t.tag[3], kRemoved);
    EXPECT_EQ(t.tag[4], kRemoved);
    // Another pair in a row, then a miss.
    EXPECT_EQ(turnUser(t, 24, false), Outcome::FirstCard);
    EXPECT_EQ(turnUser(t, 23, false), Outcome::Pair);
    claimPair(t, Side::User);
    EXPECT_EQ(t.playermatches, 2);
    EXPECT_EQ(turnUser(t, 1, false), Outcome::FirstCard);
    EXPECT_EQ(turnUser(t, 5, false), Outcome::Miss);
    EXPECT_EQ(t.turncount, 0);
    EXPECT_EQ(std::pair(t.firstcard, t.secondcard), std::pair(1, 5));
    EXPECT_EQ(t.tag[1], kInPlay);
    EXPECT_EQ(t.tag[5], kInPlay);
    EXPECT_TRUE(remembered(t).empty()) << "the computer learns the user's cards only when told";
}

TEST(MemoryUserTurn, AtTheHardLevelBothCardsOfEveryTurnAreRemembered) {
    MemoryTable t = dealtInOrder();
    turnUser(t, 1, true);
    turnUser(t, 2, true);  // a pair: remembered all the same
    turnUser(t, 7, true);
    turnUser(t, 9, true);
    EXPECT_EQ(remembered(t), (std::set<int>{1, 2, 7, 9}));
    EXPECT_EQ(t.compmemory[9], 5);
}

// Round one at each skill: the user misses with positions 1 and 3, then the computer turns 5
// (drawn) and misses with 7 (drawn). Then three computer turns whose first card is the partner
// of a card seen in round one: of the user's 1, of the computer's first card 5 and of its
// second card 7. Where the memory does not serve, the second card is drawn (9, 11, 13).
struct SkillCase {
    const char* skill;
    std::set<int> memoryAfterRoundOne;
    int afterUsersCard;
    int afterOwnFirst;
    int afterOwnSecond;
};

TEST(MemoryComputer, WhatItRemembersAndUsesBySkill) {
    const SkillCase cases[] = {
        {"EASY", {}, 9, 11, 13},
        {"", {}, 9, 11, 13},
        {"MED", {5}, 9, 5, 13},
        {"HARD", {1, 3, 5, 7}, 1, 5, 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.skill);
        const Skill skill = skillof(c.skill);
        MemoryTable t = dealtInOrder();
        turnUser(t, 1, skill == Skill::Hard);
        ASSERT_EQ(turnUser(t, 3, skill == Skill::Hard), Outcome::Miss);
        Draws draws{5, 7};
        computerFirst(t, skill, draws.draw(24));
        ASSERT_EQ(computerSecond(t, skill, draws.draw(24)), Outcome::Miss);
        EXPECT_EQ(remembered(t), c.memoryAfterRoundOne);

        const std::pair<int, int> turns[] = {{2, c.afterUsersCard}, {6, c.afterOwnFirst}, {8, c.afterOwnSecond}};
        const int randomSeconds[] = {9, 11, 13};
        for (std::size_t k = 0; k < 3; ++k) {
            const auto [first, expected] = turns[k];
            const bool fromMemory = expected != randomSeconds[k];
            Draws more = fromMemory ? Draws{first} : Draws{first, randomSeconds[k]};
            computerFirst(t, skill, more.draw(24));
            EXPECT_EQ(t.firstcard, first);
            const Outcome outcome = computerSecond(t, skill, more.draw(24));
            EXPECT_EQ(t.secondcard, expected) << "after first card " << first;
            EXPECT_EQ(outcome, fromMemory ? Outcome::Pair : Outcome::Miss);
            EXPECT_TRUE(more.spent()) << "a pick from memory draws nothing";
        }
    }
}

TEST(MemoryComputer, EasyNeverTakesItsFirstCardOrARemovedOneAndIgnoresItsMemory) {
    MemoryTable t = dealtInOrder();
    t.tag[3] = t.tag[4] = kRemoved;
    t.compmemory[10] = 5;  // the partner of the first card, seen at another level
    Draws draws{3, 4, 9, /* second: */ 9, 4, 3, 12};
    computerFirst(t, Skill::Easy, draws.draw(24));
    EXPECT_EQ(t.cardindex, 9);
    EXPECT_EQ(computerSecond(t, Skill::Easy, draws.draw(24)), Outcome::Miss);
    EXPECT_EQ(t.cardindex, 12);
    EXPECT_TRUE(draws.spent());
    EXPECT_EQ(remembered(t), (std::set<int>{10}));
}

TEST(MemoryComputer, TheFirstCardIsAlwaysDrawnEvenWhenAPairIsKnown) {
    MemoryTable t = dealtInOrder(Board::Small);
    for (int i = 1; i <= t.cards; ++i) t.compmemory[i] = (i + 1) / 2;
    Draws draws{12};
    computerFirst(t, Skill::Hard, draws.draw(12));
    EXPECT_EQ(t.firstcard, 12);
    EXPECT_EQ(computerSecond(t, Skill::Hard, draws.draw(12)), Outcome::Pair);
    EXPECT_EQ(t.secondcard, 11);
    claimPair(t, Side::Computer);
    EXPECT_EQ(t.compmatches, 1);
    EXPECT_EQ(t.playermatches, 0);
    EXPECT_EQ(t.tag[11], kRemoved);
    EXPECT_EQ(t.tag[12], kRemoved);
}

TEST(MemoryComputer, ASkillChangeBetweenItsTwoCardsAppliesToTheSecond) {
    MemoryTable t = dealtInOrder();
    turnUser(t, 1, true);
    turnUser(t, 3, true);
    // Hard for the first card, Easy for the second: drawn, and not remembered.
    Draws draws{2, 11};
    computerFirst(t, Skill::Hard, draws.draw(24));
    EXPECT_EQ(computerSecond(t, Skill::Easy, draws.draw(24)), Outcome::Miss);
    EXPECT_EQ(t.secondcard, 11);
    EXPECT_EQ(remembered(t), (std::set<int>{1, 2, 3}));
    // Back to Hard: what was remembered before counts, the card turned at Easy does not.
    Draws again{4};
    computerFirst(t, Skill::Hard, again.draw(24));
    EXPECT_EQ(computerSecond(t, Skill::Hard, again.draw(24)), Outcome::Pair);
    EXPECT_EQ(t.secondcard, 3);
    Draws last{12, 20};
    computerFirst(t, Skill::Hard, last.draw(24));
    computerSecond(t, Skill::Hard, last.draw(24));
    EXPECT_EQ(t.secondcard, 20);
    EXPECT_TRUE(last.spent());
}

TEST(MemoryComputer, ItsTurnStartsFromNoCardAtAll) {
    MemoryTable t = dealtInOrder();
    turnUser(t, 1, false);
    turnUser(t, 3, false);
    Draws draws{6};
    computerFirst(t, Skill::Medium, draws.draw(24));
    EXPECT_EQ(t.turncount, 1);
    EXPECT_EQ(t.firstcard, 6);
    EXPECT_EQ(t.firstpair, 3);
    EXPECT_EQ(t.secondcard, kNoSecond);
    EXPECT_EQ(t.secondpair, kNoSecond);
}

struct VerdictCase {
    int player;
    int computer;
    const char* prompt;
};

TEST(MemoryGameEnd, TheVerdictComparesTheCounts) {
    const VerdictCase cases[] = {
        {5, 7, "You Lose, Keep Playing?"},   {6, 6, "Game is a Tie, Keep Playing?"},
        {4, 2, "You Win, Keep Playing?"},    {3, 3, "Game is a Tie, Keep Playing?"},
        {12, 0, "You Win, Keep Playing?"},   {0, 12, "You Lose, Keep Playing?"},
        {7, 5, "You Win, Keep Playing?"},    {2, 4, "You Lose, Keep Playing?"},
    };
    for (const auto& c : cases) EXPECT_EQ(verdict(c.player, c.computer), c.prompt) << c.player << ":" << c.computer;
}

TEST(MemoryGameEnd, TheGameEndsWhenEveryPairIsFound) {
    MemoryTable small = dealtInOrder(Board::Small);
    small.playermatches = 2;
    small.compmatches = 3;
    EXPECT_FALSE(gameOver(small));
    ++small.compmatches;
    EXPECT_TRUE(gameOver(small));
    MemoryTable big = dealtInOrder(Board::Big);
    big.playermatches = 6;
    big.compmatches = 5;
    EXPECT_FALSE(gameOver(big));
    ++big.playermatches;
    EXPECT_TRUE(gameOver(big));
}

TEST(MemoryGameEnd, ANewGameForgetsEverything) {
    MemoryTable t = dealtInOrder();
    turnUser(t, 1, true);
    turnUser(t, 2, true);
    claimPair(t, Side::User);
    turnUser(t, 5, true);
    t.cardused.fill(-1);
    t.compmatches = 3;
    newGame(t);
    EXPECT_EQ(t.playermatches, 0);
    EXPECT_EQ(t.compmatches, 0);
    EXPECT_EQ(t.turncount, 0);
    EXPECT_EQ(t.firstcard, kNoFirst);
    EXPECT_EQ(t.firstpair, kNoFirst);
    EXPECT_EQ(t.secondcard, kNoSecond);
    EXPECT_EQ(t.secondpair, kNoSecond);
    EXPECT_TRUE(remembered(t).empty());
    for (int i = 1; i <= 24; ++i) {
        EXPECT_EQ(t.tag[i], kInPlay);
        EXPECT_EQ(t.cardused[i], 0);
    }
}

}  // namespace

namespace {

TEST(MemoryDeal, EveryCardOfTheBoardIsLaidInPlay) {
    for (Board board : {Board::Big, Board::Small, Board::Timed}) {
        MemoryTable t(board);
        t.tag.fill(kRemoved);
        layAll(t);
        for (int i = 1; i <= t.cards; ++i) EXPECT_EQ(t.tag[i], kInPlay) << i;
        if (t.cards < 24) {
            EXPECT_EQ(t.tag[t.cards + 1], kRemoved) << "no position beyond the board";
        }
    }
}

}  // namespace
