#include "gin_fixture.h"

#include "games/gin/gin_melds.h"
#include "games/gin/gin_moves.h"

#include "core/numbers.h"
#include "platform/files.h"

#include <string>

using namespace ginrules;

namespace {

class GinGame : public GinTest {
protected:
    // The user's card whose discard leaves the fewest unmatched points.
    static int bestDiscard(const GinTable& t) {
        int best = 0, least = 1000;
        for (int tag = 201; tag <= 211; ++tag) {
            GinTable after = t;
            if (!discard(after, kUser, tag)) continue;
            matching(after);
            if (after.unmatched[kUser] < least) best = slotOfTag(t, tag), least = after.unmatched[kUser];
        }
        return best;
    }

    // One hand through the window until its score window opens: the user draws from the stock,
    // throws the card that helps least and knocks with 4 or less, else continues; the computer plays
    // its turns.
    void playHand(gin& g) {
        for (int turn = 0; turn < 100 && !score() && !HasFailure(); ++turn) {
            if (g.table.turn == ginrules::kComputer) {
                ASSERT_TRUE(g.Timer1.Enabled);
                computerTurn();
                continue;
            }
            ASSERT_EQ(g.table.turn, kUser);
            click(g.Image2);
            if (score()) return;
            click(g.Image1[bestDiscard(g.table)]);
            if (!g.Command5.Enabled) continue;
            click(g.table.unmatched[kUser] <= 4 ? g.Command5 : g.Command8);
        }
        ASSERT_NE(score(), nullptr) << "the hand never ended";
    }

    // Whatever notices a hand brings: gin, knocks, undercuts, an empty stock.
    void allowHandNotices() {
        boxes.allow("Gin", platform::vbOK);
        boxes.allow("Knocks", platform::vbOK);
        boxes.allow("Card Totals", platform::vbOK);
    }

    static void setTotals(gin& g, int user, int computer) {
        g.table.gamescore = {0, user, computer};
    }

    size_t questions() const {
        size_t n = 0;
        for (const auto& box : boxes.shown()) n += box.title == "Keep Playing?";
        return n;
    }
};

TEST_F(GinGame, AWholeGameIsPlayedToTheTargetAndYesStartsANewOne) {
    allowHandNotices();
    gin& g = openGame<gin>();
    int hands = 0;
    int user = 0, computer = 0;
    while (questions() == 0 && hands < 40 && !HasFailure()) {
        playHand(g);
        ++hands;
        ASSERT_NE(score(), nullptr);
        EXPECT_EQ(score()->Label6.Caption.get(), std::to_string(g.table.gamescore[kUser]));
        EXPECT_EQ(score()->Label8.Caption.get(), std::to_string(g.table.gamescore[kComputer]));
        EXPECT_EQ(score()->Label5.Caption.get(), std::to_string(g.table.unmatched[kUser]));
        EXPECT_EQ(score()->Label7.Caption.get(), std::to_string(g.table.unmatched[kComputer]));
        const int nowUser = g.table.gamescore[kUser];
        const int nowComputer = g.table.gamescore[kComputer];
        EXPECT_TRUE(nowUser >= user && nowComputer >= computer) << "totals only grow";
        user = nowUser, computer = nowComputer;
        if (user >= 100 || computer >= 100) boxes.expect("Keep Playing?", platform::vbYes);
        close(*score());
    }
    ASSERT_EQ(questions(), 1u) << "after " << hands << " hands";
    EXPECT_GT(hands, 1);
    const auto& question = boxes.shown().back();
    EXPECT_EQ(question.prompt, user >= 100 ? "You Win! Play again?" : "You Lost! Play again?");
    EXPECT_EQ(question.style, 68);
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "0");
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "0");
    EXPECT_EQ(score(), nullptr);
    playHand(g);
    EXPECT_NE(score(), nullptr) << "the new game plays";
}

TEST_F(GinGame, NoPlaysOnWithTheTotalsAndTheQuestionReturnsWhileATotalStaysAtTheTarget) {
    gin& g = openWith("2H 5H 8H JH 3C 7C QC 4D JD KS", "AS 2S 3S 4C 5C 6C 7D 8D 9D KH", "TS", "TD");
    setTotals(g, 10, 99);
    boxes.expect("You have reached Gin", platform::vbOK);
    drawAndDiscard(g, "KH");
    ASSERT_EQ(std::to_string(g.table.gamescore[kUser]), "104");
    boxes.expect("You Win! Play again?", platform::vbNo);
    close(*score());
    EXPECT_EQ(questions(), 1u) << "both totals have reached 100: the user is asked as the winner";
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "104");
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "99") << "the computer's own total is below";
    EXPECT_EQ(g.table.turn, kUser) << "a total at the target: the user plays first";
    EXPECT_FALSE(g.Timer1.Enabled);
    for (int deal = 0; deal < 8; ++deal) {
        g.getcards();
        EXPECT_EQ(g.table.turn, kUser);
        EXPECT_FALSE(g.Timer1.Enabled);
    }

    boxes.expect("You Win! Play again?", platform::vbNo);
    chooseMenu(g.score);
    close(*score());
    EXPECT_EQ(questions(), 2u) << "asked again whenever the table becomes active";
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "104");
    drawAndDiscard(g);
    EXPECT_EQ(g.table.turn, ginrules::kComputer) << "play goes on";
}

TEST_F(GinGame, ALoweredTargetIsTestedWhenTheTableIsNextActive) {
    gin& g = openGame<gin>();
    setTotals(g, 20, 80);
    chooseMenu(g.to75);
    EXPECT_EQ(questions(), 0u) << "choosing a target asks nothing";
    boxes.expect("You Lost! Play again?", platform::vbYes);
    chooseMenu(g.score);
    close(*score());
    EXPECT_EQ(questions(), 1u);
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "0");
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "0");
    EXPECT_EQ(platform::readFile("\\Data\\ginto.dat"), "75\r\n");
}

}  // namespace
