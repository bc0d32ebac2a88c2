#include "games/memory/memory_color.h"

#include "scripted.h"

#include <gtest/gtest.h>

#include <vector>

using namespace colorrules;

namespace {

Draw padsFrom(Scripted& pads) {
    return [&pads] { return pads.next(); };
}

// The pads a whole playback lights, and its number of ticks with the hand-over.
std::vector<int> playBack(ColorTable& t, int& ticks) {
    std::vector<int> lit;
    ticks = 0;
    for (;;) {
        ++ticks;
        const Step step = playbackStep(t);
        if (step.handover) return lit;
        lit.push_back(step.pad);
        if (ticks > t.level + 2) {
            ADD_FAILURE() << "the playback never hands over";
            return lit;
        }
    }
}

TEST(ColorRules, EachPlaybackShowsTheWholeSequenceInLevelPlusTwoTicks) {
    Scripted pads{3, 1, 4, 4, 2, 1};
    ColorTable t;
    newGame(t, padsFrom(pads));
    const std::vector<std::vector<int>> expected{{3}, {3, 1}, {3, 1, 4}, {3, 1, 4, 4}, {3, 1, 4, 4, 2}};
    for (int level = 0; level <= 4; ++level) {
        SCOPED_TRACE(level);
        ASSERT_EQ(t.level, level);
        int ticks = 0;
        EXPECT_EQ(playBack(t, ticks), expected[static_cast<std::size_t>(level)]);
        EXPECT_EQ(ticks, level + 2);
        EXPECT_EQ(t.playstate, kIdle);
        EXPECT_EQ(t.guesspos, 0);
        for (int k = 0; k <= level; ++k) {
            const Judged judged = judgeClick(t, expected[static_cast<std::size_t>(level)][static_cast<std::size_t>(k)],
                                             padsFrom(pads));
            EXPECT_EQ(judged, k == level ? Judged::LevelUp : Judged::Right) << "click " << k;
        }
        EXPECT_EQ(t.clicks, 0);
        EXPECT_EQ(t.playpos, 0);
        EXPECT_EQ(score(t), (level + 1) * 1000);
    }
    EXPECT_EQ(t.level, 5);
}

struct ClickCase {
    const char* what;
    std::vector<int> clicks;
    std::vector<Judged> judged;
    int level;
};

TEST(ColorRules, ClicksAreJudgedAgainstTheSequenceInOrder) {
    const auto R = Judged::Right, U = Judged::LevelUp, W = Judged::Wrong;
    // The sequence is 2, 4, 1 at level 2.
    const ClickCase cases[] = {
        {"all right", {2, 4, 1}, {R, R, U}, 3},
        {"wrong first", {4}, {W}, 2},
        {"wrong last", {2, 4, 2}, {R, R, W}, 2},
        {"order matters", {4, 2}, {W, W}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        Scripted pads{2, 4, 1, 3};
        ColorTable t;
        newGame(t, padsFrom(pads));
        judgeClick(t, 2, padsFrom(pads));
        int ticks = 0;
        playBack(t, ticks);
        judgeClick(t, 2, padsFrom(pads));
        judgeClick(t, 4, padsFrom(pads));
        ASSERT_EQ(t.level, 2);
        playBack(t, ticks);
        std::vector<Judged> got;
        for (int pad : c.clicks) got.push_back(judgeClick(t, pad, padsFrom(pads)));
        EXPECT_EQ(got, c.judged);
        EXPECT_EQ(t.level, c.level);
        EXPECT_EQ(t.guesspos, static_cast<int>(c.clicks.size())) << "every click moves on";
    }
}

TEST(ColorRules, ANewGameStartsOverWithOnePadAndNoClicksCounted) {
    Scripted pads{1, 2, 3, 4};
    ColorTable t;
    newGame(t, padsFrom(pads));
    judgeClick(t, 1, padsFrom(pads));  // level 1: 1, 2
    int ticks = 0;
    playBack(t, ticks);
    judgeClick(t, 1, padsFrom(pads));  // one click of two
    ASSERT_EQ(t.clicks, 1);
    newGame(t, padsFrom(pads));
    EXPECT_EQ(t.level, 0);
    EXPECT_EQ(t.clicks, 0);
    EXPECT_EQ(t.guesspos, 0);
    EXPECT_EQ(t.playpos, 0);
    EXPECT_EQ(t.playstate, kIdle);
    EXPECT_EQ(playBack(t, ticks), std::vector<int>{3});
    // Without the reset the one click left over would let this level pass after no click at all.
    EXPECT_EQ(judgeClick(t, 3, padsFrom(pads)), Judged::LevelUp);
}

TEST(ColorRules, ScoresPassSixteenBits) {
    ColorTable t;
    t.level = 32;
    EXPECT_EQ(score(t), 32000);
    t.level = 33;
    EXPECT_EQ(score(t), 33000);
    t.level = 40;
    EXPECT_EQ(scoreCaption(score(t)), "Score: 40000");
    EXPECT_EQ(scoreCaption(0), "Score: 0");
}

TEST(ColorRules, ASequenceGrowsWithoutAFixedEnd) {
    int drawn = 0;
    const Draw cycling = [&drawn] { return drawn++ % 4 + 1; };
    ColorTable t;
    newGame(t, cycling);
    for (int level = 0; level < 1100; ++level) {
        int ticks = 0;
        playBack(t, ticks);
        for (int k = 0; k <= level; ++k) judgeClick(t, k % 4 + 1, cycling);
    }
    EXPECT_EQ(t.level, 1100);
    EXPECT_EQ(score(t), 1100000);
}

TEST(ColorRules, SpeedWords) {
    EXPECT_EQ(speedInterval("SLOW"), 800);
    EXPECT_EQ(speedInterval("MED"), 500);
    EXPECT_EQ(speedInterval("FAST"), 300);
    for (const char* other : {"", "fast", "MEDIUM", "SLOW "}) EXPECT_FALSE(speedInterval(other)) << other;
}

}  // namespace
