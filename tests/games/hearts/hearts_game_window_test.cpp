#include "hearts_fixture.h"

#include "core/numbers.h"
#include "platform/files.h"

#include <string>

namespace {

using HeartsGame = HeartsTest;

TEST_F(HeartsGame, AWholeHandEndsInTheScoreWindowAndTheNextHandPassesRight) {
    hearts& h = openGame<hearts>();
    passAndStart(h);
    playHand(h);
    ASSERT_FALSE(h.handinplay());
    heartsscore* score = platform::loaded<heartsscore>();
    ASSERT_NE(score, nullptr);
    EXPECT_TRUE(score->Visible);
    EXPECT_FALSE(h.Enabled);
    EXPECT_TRUE(idle(h));
    for (int slot = 1; slot <= 52; ++slot) EXPECT_TRUE(heartsrules::isPlayedTag(h.table.tag[slot])) << slot;
    int sum = 0;
    for (int seat = 1; seat <= 4; ++seat) {
        EXPECT_EQ(h.table.totals[seat], h.table.gamescore[seat]);
        sum += h.table.gamescore[seat];
    }
    EXPECT_TRUE(sum == 16 || sum == 68) << "26 points less the jack of diamonds, or a moon";
    EXPECT_EQ(score->Label3.Caption.get(), "Guest: " + std::to_string(h.table.gamescore[3]));
    EXPECT_TRUE(h.handplayed);
    EXPECT_EQ(h.table.passstate, 2);
    const auto deal = h.table.deckorder;
    close(*score);
    EXPECT_TRUE(h.Enabled);
    EXPECT_NE(h.table.deckorder, deal);
    EXPECT_EQ(h.Command1.Caption.get(), "Pass Right");
    EXPECT_FALSE(h.Command1.Enabled);
    for (int seat = 1; seat <= 4; ++seat) EXPECT_EQ(h.table.totals[seat], h.table.gamescore[seat]);
}

// The seat a finished game names: the lowest total, the lower seat on a tie.
std::string expectedWinner(const heartsscore& score, const hearts& h) {
    const platform::Label* lines[] = {&score.Label1, &score.Label2, &score.Label3, &score.Label4};
    const std::string names[] = {h.Label6.Caption, h.Label7.Caption, h.Label5.Caption, h.Label8.Caption};
    int best = 0;
    int lowest = 0;
    for (int k = 0; k < 4; ++k) {
        const std::string& line = lines[k]->Caption.get();
        const int total = core::toInt(line.substr(line.rfind(' ') + 1));
        if (k == 0 || total < lowest) best = k, lowest = total;
    }
    return names[best];
}

TEST_F(HeartsGame, AWholeGameEndsAtOneHundredAndYesStartsANewOne) {
    boxes.expect("Keep Playing?", platform::vbYes);
    hearts& h = openGame<hearts>();
    for (int hand = 0; hand < 40 && boxes.shown().empty() && !HasFailure(); ++hand) {
        if (hand > 0) close(platform::window<heartsscore>());
        passAndStart(h);
        playHand(h);
    }
    ASSERT_EQ(boxes.shown().size(), 1u);
    const heartsscore& score = platform::window<heartsscore>();
    EXPECT_EQ(boxes.shown()[0].prompt, expectedWinner(score, h) + " Wins! Play again?");
    EXPECT_EQ(boxes.shown()[0].title, "Keep Playing?");
    EXPECT_EQ(boxes.shown()[0].style, 68);
    EXPECT_EQ(h.table.totals, (std::array<int, 5>{}));
    EXPECT_EQ(h.Command1.Caption.get(), "Pass Left");
    EXPECT_FALSE(h.handplayed);
    const auto deal = h.table.deckorder;
    close(platform::window<heartsscore>());
    EXPECT_EQ(h.table.deckorder, deal) << "the new game is already dealt";
    EXPECT_TRUE(h.Enabled);
    passAndStart(h);
    runUntilUser(h);
    EXPECT_NE(playUserCard(h), 0);
}

TEST_F(HeartsGame, NoPlaysOnAndTheQuestionComesBackWhileATotalStaysAtOneHundred) {
    hearts& h = openGame<hearts>();
    h.table.gamescore = {0, 120, 40, 30, 30};
    h.handplayed = true;
    boxes.expect("Keep Playing?", platform::vbNo);
    h.scoreit();
    settle();
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, "Guest Wins! Play again?") << "seat 3 wins the tie with seat 4";
    EXPECT_EQ(h.table.totals[1], 120);
    EXPECT_EQ(h.table.passstate, 2);
    close(platform::window<heartsscore>());
    EXPECT_EQ(h.Command1.Caption.get(), "Pass Right");
    EXPECT_EQ(h.table.totals[1], 120) << "the totals are kept";

    boxes.expect("Keep Playing?", platform::vbNo);
    h.table.gamescore = {0, 126, 100, 60, 50};
    h.scoreit();
    settle();
    ASSERT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(boxes.shown()[1].prompt, h.Label8.Caption + " Wins! Play again?");
    close(platform::window<heartsscore>());

    h.table.gamescore = {0, 99, 99, 0, 0};
    h.scoreit();
    settle();
    EXPECT_EQ(boxes.shown().size(), 2u) << "no total at 100: no question";
}

TEST_F(HeartsGame, TheMoonGivesTheOthersTwentySix) {
    hearts& h = openGame<hearts>();
    h.table.gamescore = {0, 6, 16, 0, 0};
    h.table.pointcards = {0, 0, 15, 0, 0};
    h.scoreit();
    settle();
    EXPECT_EQ(h.table.totals, (std::array<int, 5>{0, 32, -10, 26, 26}));
    EXPECT_EQ(platform::window<heartsscore>().Label2.Caption.get(), h.Label7.Caption + ": -10");
}

}  // namespace
