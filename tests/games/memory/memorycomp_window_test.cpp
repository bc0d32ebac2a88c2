#include "memory_fixture.h"

#include "games/memory/memorycompbig.h"
#include "games/memory/memorycompsmall.h"

#include "common/names.h"
#include "platform/files.h"

#include <algorithm>
#include <set>

using namespace memoryrules;

namespace {

constexpr int kNotice = 64;

bool idle(const memorycomp& w) { return !w.Timer1.Enabled && !w.Timer2.Enabled && !w.Timer3.Enabled; }

// The cards that take a click: in play and enabled.
std::set<int> enabledCards(const memorycomp& w) {
    std::set<int> on;
    for (const auto& [i, card] : w.Image1)
        if (card->Enabled && card->Visible) on.insert(i);
    return on;
}

std::set<int> allCardsBut(int cards, std::set<int> without) {
    std::set<int> rest;
    for (int i = 1; i <= cards; ++i)
        if (!without.count(i)) rest.insert(i);
    return rest;
}

class MemoryComp : public MemoryTest {
protected:
    MemoryComp() : MemoryTest("memorycomp") {}
    memorycomp& openBoard(bool big) {
        if (big) return openGame<memorycompbig>();
        return openGame<memorycompsmall>();
    }
    void closeBoard(memorycomp& w) {
        w.Unload();
        settle();
    }
    // A board dealt in code order at the given skill.
    memorycomp& openKnown(bool big, const char* skill = "MED") {
        platform::writeSetting("\\conskill.dat", skill);
        memorycomp& w = openBoard(big);
        w.dealKnown(inOrder(w.table.cards));
        return w;
    }
    void pairOf(memorycomp& w, int a, int b) {
        boxes.expect("You've found a match", platform::vbOK);
        click(w.Image1[a]);
        click(w.Image1[b]);
    }
    bool freshBoard(const memorycomp& w) {
        if (!idle(w) || w.Label3.Caption != "0" || w.Label4.Caption != "0") return false;
        for (const auto& [i, card] : w.Image1)
            if (!card->Visible || !card->Enabled || w.table.tag[i] != kInPlay || !showsBack(*card) || w.table.compmemory[i])
                return false;
        return true;
    }
};

TEST_F(MemoryComp, EachBoardLoadsDealtFaceDownAndLocksTheMainWindow) {
    for (bool big : {true, false}) {
        SCOPED_TRACE(big ? "big" : "small");
        memorycomp& w = openBoard(big);
        const int cards = big ? 24 : 12;
        EXPECT_EQ(w.Caption.get(), "Memorization Game");
        EXPECT_EQ(w.skill.Caption.get(), big ? "Skill Level" : "Skill");
        EXPECT_EQ(w.Label1.Caption.get(), "Guest");
        EXPECT_NE(std::find(common::oppnames.begin(), common::oppnames.end(), w.Label2.Caption.get()),
                  common::oppnames.end());
        EXPECT_EQ(w.Label3.Caption.get(), "0");
        EXPECT_EQ(w.Label4.Caption.get(), "0");
        ASSERT_EQ(w.Image1.Count(), cards);
        std::multiset<int> codes;
        for (int i = 1; i <= cards; ++i) codes.insert(w.table.deckorder[i]);
        EXPECT_EQ(codes.size(), static_cast<std::size_t>(cards));
        EXPECT_EQ(std::set<int>(codes.begin(), codes.end()).size(), static_cast<std::size_t>(cards));
        EXPECT_EQ(*codes.begin(), 1);
        EXPECT_EQ(*codes.rbegin(), cards);
        for (const auto& [i, card] : w.Image1) {
            EXPECT_TRUE(showsBack(*card)) << i;
            EXPECT_EQ(w.table.tag[i], kInPlay) << i;
            EXPECT_DOUBLE_EQ(card->Width, 1065) << "a back at the size of a face";
            EXPECT_DOUBLE_EQ(card->Height, 1440);
        }
        EXPECT_TRUE(idle(w));
        EXPECT_FALSE(mainWindow().Enabled);
        closeBoard(w);
        EXPECT_TRUE(mainWindow().Enabled);
    }
}

struct SizeCase {
    bool big;
    int width, height;
    float factor;
    double windowWidth, windowHeight;
    double font;
    double grown;  // at most this many twips more each way
};

TEST_F(MemoryComp, EachBoardIsLaidOutForTheScreen) {
    const SizeCase cases[] = {
        {true, 1024, 768, 1, 12090, 8130, 8.25, 0},
        {true, 800, 600, 0.93f, 12090 * 0.93, 8130 * 0.93, 7, 0},
        {true, 640, 480, 0.62f, 12090 * double(0.62f) + 2000, 8130 * double(0.62f) + 1000, 7, 0},
        {false, 1024, 768, 1, 9525, 6660, 8.25, 0},
        {false, 800, 600, 1, 9525, 6660, 7, 0},
        // Grown a little so that the labels keep their edges.
        {false, 640, 480, 0.78f, 9525 * 0.78, 6660 * 0.78, 7, 90},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(std::string(c.big ? "big " : "small ") + std::to_string(c.width));
        setScreen(c.width, c.height);
        memorycomp& w = openBoard(c.big);
        const double f = c.factor;
        EXPECT_FLOAT_EQ(w.scale, c.factor);
        EXPECT_GE(w.Width, c.windowWidth - 1);
        EXPECT_LE(w.Width, c.windowWidth + c.grown + 1);
        EXPECT_GE(w.Height, c.windowHeight - 1);
        EXPECT_LE(w.Height, c.windowHeight + c.grown + 1);
        const Board board = c.big ? Board::Big : Board::Small;
        for (const auto& [i, card] : w.Image1) {
            EXPECT_NEAR(card->Left, cardPlace(board, i).left * f, 0.01) << i;
            EXPECT_NEAR(card->Top, cardPlace(board, i).top * f, 0.01) << i;
            EXPECT_NEAR(card->Width, 1065 * f, 0.01);
            EXPECT_NEAR(card->Height, 1440 * f, 0.01);
            EXPECT_LE(card->Top + card->Height, w.ScaleHeight());
            EXPECT_LE(card->Left + card->Width, w.ScaleWidth());
        }
        for (const platform::Label* label : {&w.Label1, &w.Label2, &w.Label3, &w.Label4}) {
            EXPECT_DOUBLE_EQ(label->Font.Size, c.font);
            EXPECT_LE(label->Top + label->Height, w.ScaleHeight());
            EXPECT_LE(label->Left + label->Width, w.ScaleWidth());
        }
        EXPECT_NEAR(w.Label1.Left, (c.big ? 10080 : 7560) * f, 0.01);
        EXPECT_NEAR(w.Label4.Top, (c.big ? 5760 : 5520) * f, 0.01);
        closeBoard(w);
    }
}

TEST_F(MemoryComp, TheSkillFileTicksItsItemAndTheMenuWritesItWithoutReadingBack) {
    const std::pair<const char*, const char*> cases[] = {
        {"EASY", "easy"}, {"", "easy"}, {"hard", "easy"}, {"MED", "medium"}, {"HARD", "hard"}};
    for (const auto& [text, ticked] : cases) {
        SCOPED_TRACE(text);
        platform::writeSetting("\\conskill.dat", text);
        memorycomp& w = openBoard(false);
        EXPECT_EQ(w.easy.Checked.get(), std::string(ticked) == "easy");
        EXPECT_EQ(w.medium.Checked.get(), std::string(ticked) == "medium");
        EXPECT_EQ(w.hard.Checked.get(), std::string(ticked) == "hard");
        EXPECT_EQ(platform::readSetting("\\conskill.dat"), text) << "the file keeps its text";
        closeBoard(w);
    }
    memorycomp& w = openBoard(true);
    chooseMenu(w.hard);
    EXPECT_EQ(fileBytes("\\conskill.dat"), "HARD\r\n");
    EXPECT_EQ(w.skillsetting, "HARD");
    EXPECT_TRUE(w.hard.Checked);
    EXPECT_FALSE(w.medium.Checked);
    EXPECT_FALSE(w.easy.Checked);
    // The holder keeps what was chosen even where the file says otherwise.
    platform::writeSetting("\\conskill.dat", "EASY");
    chooseMenu(w.medium);
    EXPECT_EQ(w.skillsetting, "MED");
    EXPECT_EQ(fileBytes("\\conskill.dat"), "MED\r\n");
    closeBoard(w);
    memorycomp& again = openBoard(false);
    EXPECT_TRUE(again.medium.Checked);
}

TEST_F(MemoryComp, TheUserTurnsTwoCardsAPairLeavesTheBoardAndTheUserGoesOn) {
    memorycomp& w = openKnown(true);
    click(w.Image1[3]);
    EXPECT_TRUE(showsFace(w.Image1[3], 3));
    EXPECT_FALSE(w.Image1[3].Enabled);
    EXPECT_EQ(enabledCards(w), allCardsBut(24, {3}));
    click(w.Image1[3]);  // the face-up first card takes no click
    EXPECT_EQ(w.table.turncount, 1);

    boxes.expect("You've found a match", platform::vbOK, [&] {
        EXPECT_TRUE(showsFace(w.Image1[3], 3));
        EXPECT_TRUE(showsFace(w.Image1[4], 4));
        EXPECT_EQ(w.Label3.Caption.get(), "0");
    });
    click(w.Image1[4]);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Match");
    EXPECT_EQ(boxes.shown()[0].style, kNotice);
    EXPECT_EQ(w.Label3.Caption.get(), "1");
    for (int gone : {3, 4}) {
        EXPECT_FALSE(w.Image1[gone].Visible);
        EXPECT_EQ(w.table.tag[gone], kRemoved);
    }
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(w.table.turncount, 0);

    // Pairs in a row, each with its own notice.
    pairOf(w, 24, 23);
    pairOf(w, 14, 13);
    EXPECT_EQ(w.Label3.Caption.get(), "3");
    EXPECT_EQ(boxes.shown().size(), 3u);
    EXPECT_EQ(sounds.played(), std::vector<std::string>(6, "flick.wav"));
}

TEST_F(MemoryComp, AMissHandsTheTurnToTheComputerAndNothingCanBeClickedMeanwhile) {
    memorycomp& w = openKnown(true);
    w.drawWith(picks({7, 9}));
    click(w.Image1[1]);
    click(w.Image1[5]);
    EXPECT_TRUE(showsFace(w.Image1[1], 1));
    EXPECT_TRUE(showsFace(w.Image1[5], 5));
    EXPECT_TRUE(enabledCards(w).empty());
    EXPECT_TRUE(w.Timer1.Enabled);
    click(w.Image1[2]);
    EXPECT_TRUE(showsBack(w.Image1[2]));

    sounds.clear();
    advance(999);
    EXPECT_TRUE(showsFace(w.Image1[1], 1));
    advance(1);
    EXPECT_TRUE(showsBack(w.Image1[1]));
    EXPECT_TRUE(showsBack(w.Image1[5]));
    EXPECT_TRUE(showsFace(w.Image1[7], 7));
    EXPECT_TRUE(enabledCards(w).empty());
    click(w.Image1[8]);
    EXPECT_TRUE(showsBack(w.Image1[8]));

    advance(1000);
    EXPECT_TRUE(showsFace(w.Image1[9], 9));
    EXPECT_EQ(sounds.played(), std::vector<std::string>(2, "flick.wav"));
    EXPECT_TRUE(w.Timer3.Enabled);
    advance(1000);
    EXPECT_TRUE(showsBack(w.Image1[7]));
    EXPECT_TRUE(showsBack(w.Image1[9]));
    EXPECT_EQ(enabledCards(w), allCardsBut(24, {}));
    EXPECT_TRUE(idle(w));
    EXPECT_TRUE(picksSpent());
    EXPECT_EQ(sounds.played().size(), 2u) << "turning back makes no sound";

    click(w.Image1[2]);
    EXPECT_EQ(w.table.turncount, 1) << "the user's turn again, from its first card";
    EXPECT_TRUE(boxes.shown().empty());
}

TEST_F(MemoryComp, TheComputerFindsPairsInARowEachAfterItsNotice) {
    memorycomp& w = openKnown(false, "EASY");
    w.drawWith(picks({5, 6, 7, 8, 9, 11}));
    click(w.Image1[1]);
    click(w.Image1[3]);
    boxes.expect("Computer Match", platform::vbOK, [&] {
        EXPECT_EQ(w.Label4.Caption.get(), "1");
        EXPECT_TRUE(showsFace(w.Image1[5], 5));
        EXPECT_TRUE(showsFace(w.Image1[6], 6));
        EXPECT_TRUE(w.Image1[6].Visible);
    });
    advance(2000);
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].title, "Match");
    EXPECT_EQ(boxes.shown()[0].style, kNotice);
    EXPECT_FALSE(w.Image1[5].Visible);
    EXPECT_FALSE(w.Image1[6].Visible);
    EXPECT_TRUE(w.Timer1.Enabled);
    EXPECT_TRUE(enabledCards(w).empty());
    click(w.Image1[2]);
    EXPECT_TRUE(showsBack(w.Image1[2]));

    boxes.expect("Computer Match", platform::vbOK);
    advance(999);
    EXPECT_EQ(boxes.shown().size(), 1u);
    advance(1001);
    EXPECT_EQ(boxes.shown().size(), 2u);
    EXPECT_EQ(w.Label4.Caption.get(), "2");
    advance(3000);
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(enabledCards(w), allCardsBut(12, {5, 6, 7, 8}));
    EXPECT_TRUE(picksSpent());
}

TEST_F(MemoryComp, OnlyTheHardLevelLearnsTheUsersCardsAndItReadsTheSkillAtEachDecision) {
    for (const char* skill : {"MED", "HARD"}) {
        SCOPED_TRACE(skill);
        memorycomp& w = openKnown(true, skill);
        click(w.Image1[1]);
        click(w.Image1[3]);
        const bool hard = std::string(skill) == "HARD";
        EXPECT_EQ(w.table.compmemory[1], hard ? 1 : 0);
        EXPECT_EQ(w.table.compmemory[3], hard ? 2 : 0);
        closeBoard(w);
    }
    // At Hard the partner of the user's card is taken from memory...
    memorycomp& w = openKnown(true, "HARD");
    w.drawWith(picks({2, 4, 11}));
    click(w.Image1[1]);
    click(w.Image1[3]);
    boxes.expect("Computer Match", platform::vbOK);
    advance(2000);
    EXPECT_EQ(w.Label4.Caption.get(), "1");
    EXPECT_FALSE(w.Image1[1].Visible);
    // ...but Easy chosen between its two cards makes the second card a draw.
    advance(1000);
    EXPECT_TRUE(showsFace(w.Image1[4], 4));
    chooseMenu(w.easy);
    advance(1000);
    EXPECT_TRUE(showsFace(w.Image1[11], 11));
    EXPECT_TRUE(showsBack(w.Image1[3]));
    EXPECT_EQ(w.Label4.Caption.get(), "1");
    EXPECT_TRUE(picksSpent());
}

struct StepCase {
    const char* what;
    int after;  // ms after the user's miss
    bool computerPairFirst;
};

TEST_F(MemoryComp, NewGameAtEveryStepOfAComputerTurnLeavesAFreshBoardForTheUser) {
    const StepCase cases[] = {
        {"the user's miss still showing", 0, false},
        {"the computer's first card up", 1000, false},
        {"both computer cards up", 2000, false},
        {"after a computer pair", 2000, true},
        {"the computer's next first card up", 3000, true},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.what);
        memorycomp& w = openKnown(true, "HARD");
        w.drawWith(c.computerPairFirst ? picks({5, 6, 7}) : picks({7, 9}));
        if (c.computerPairFirst) boxes.expect("Computer Match", platform::vbOK);
        click(w.Image1[1]);
        click(w.Image1[3]);
        advance(c.after);
        chooseMenu(w.newgame);
        EXPECT_TRUE(freshBoard(w));
        EXPECT_EQ(w.table.playermatches + w.table.compmatches, 0);
        sounds.clear();
        advance(5000);
        EXPECT_TRUE(sounds.played().empty()) << "no step of the old turn follows";
        EXPECT_TRUE(freshBoard(w));
        const int first = w.table.deckorder[1] == 1 ? 2 : 1;
        click(w.Image1[first]);
        EXPECT_EQ(w.table.turncount, 1);
        EXPECT_EQ(w.table.firstcard, first);
        closeBoard(w);
    }
}

TEST_F(MemoryComp, AWholeSmallGameTheUserWinsAndNoLeavesTheEmptyBoard) {
    memorycomp& w = openKnown(false, "HARD");
    // The computer's first cards: 4 and 6 pair with the user's remembered 3 and 5; 7 then misses with 9.
    w.drawWith(picks({4, 6, 7, 9}));
    pairOf(w, 1, 2);
    click(w.Image1[3]);
    click(w.Image1[5]);
    boxes.expect("Computer Match", platform::vbOK);
    boxes.expect("Computer Match", platform::vbOK);
    advance(7000);
    EXPECT_EQ(w.Label4.Caption.get(), "2");
    EXPECT_TRUE(idle(w));
    pairOf(w, 8, 7);
    pairOf(w, 10, 9);
    boxes.expect("You've found a match", platform::vbOK);
    boxes.expect("You Win, Keep Playing?", platform::vbNo);
    click(w.Image1[11]);
    click(w.Image1[12]);
    const auto& last = boxes.shown().back();
    EXPECT_EQ(last.title, "Keep Playing?");
    EXPECT_EQ(last.style, 68);
    EXPECT_EQ(w.Label3.Caption.get(), "4");
    EXPECT_EQ(w.Label4.Caption.get(), "2");
    for (const auto& [i, card] : w.Image1) EXPECT_FALSE(card->Visible) << i;
    advance(5000);
    EXPECT_TRUE(idle(w));
    EXPECT_TRUE(picksSpent());
    chooseMenu(w.newgame);
    EXPECT_TRUE(freshBoard(w));
}

TEST_F(MemoryComp, AWholeBigGameEndsInATieOnTheComputersLastPairAndYesDealsAgain) {
    memorycomp& w = openKnown(true, "EASY");
    w.drawWith(picks({13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24}));
    for (int k = 1; k <= 6; ++k) pairOf(w, 2 * k - 1, 2 * k);
    click(w.Image1[13]);
    click(w.Image1[15]);
    for (int k = 0; k < 6; ++k) boxes.expect("Computer Match", platform::vbOK);
    boxes.expect("Game is a Tie, Keep Playing?", platform::vbYes);
    advance(1000 + 6 * 2000);
    EXPECT_EQ(boxes.shown().back().prompt, "Game is a Tie, Keep Playing?");
    EXPECT_TRUE(freshBoard(w));
    EXPECT_NE(std::vector<std::int16_t>(w.table.deckorder.begin() + 1, w.table.deckorder.end()), inOrder(24))
        << "a new shuffle";
}

// A player who holds each card down a moment before letting go gets the same notices as one who
// clicks briskly: one per pair, and the end question after the last.
TEST_F(MemoryComp, CardsHeldDownBeforeTheReleaseStillFindEachPairAndEndTheGame) {
    memorycomp& w = openKnown(false, "EASY");
    const std::pair<int, int> pairs[] = {{1, 2}, {4, 3}, {5, 6}, {8, 7}, {9, 10}, {12, 11}};
    std::size_t shown = 0;
    int found = 0;
    for (const auto& [a, b] : pairs) {
        SCOPED_TRACE(std::to_string(a) + " and " + std::to_string(b));
        const bool last = ++found == 6;
        boxes.expect("You've found a match", platform::vbOK);
        if (last) boxes.expect("You Win, Keep Playing?", platform::vbNo);
        slowClick(w.Image1[a], 300);
        EXPECT_TRUE(showsFace(w.Image1[a], a));
        slowClick(w.Image1[b], 300);
        ASSERT_EQ(boxes.shown().size(), shown + (last ? 2 : 1));
        EXPECT_EQ(boxes.shown()[shown].prompt, "You've found a match");
        EXPECT_EQ(boxes.shown()[shown].title, "Match");
        shown = boxes.shown().size();
        EXPECT_EQ(w.Label3.Caption.get(), std::to_string(found));
        EXPECT_FALSE(w.Image1[a].Visible);
        EXPECT_FALSE(w.Image1[b].Visible);
    }
    EXPECT_EQ(boxes.shown().back().prompt, "You Win, Keep Playing?");
    EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
    EXPECT_EQ(w.Label4.Caption.get(), "0");
    advance(5000);
    EXPECT_TRUE(idle(w));
    EXPECT_EQ(boxes.shown().size(), 7u) << "nothing follows the answer No";
}

TEST_F(MemoryComp, TheComputerTakingTheLastPairWithMorePairsWins) {
    memorycomp& w = openKnown(false, "EASY");
    w.drawWith(picks({3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    pairOf(w, 1, 2);
    click(w.Image1[3]);
    click(w.Image1[5]);
    for (int k = 0; k < 5; ++k) boxes.expect("Computer Match", platform::vbOK);
    boxes.expect("You Lose, Keep Playing?", platform::vbNo);
    advance(1000 + 5 * 2000);
    EXPECT_EQ(w.Label3.Caption.get(), "1");
    EXPECT_EQ(w.Label4.Caption.get(), "5");
    EXPECT_TRUE(idle(w));
}

TEST_F(MemoryComp, SoundRulesAndExit) {
    memorycomp& w = openKnown(false);
    w.drawWith(picks({7, 9}));
    chooseMenu(w.off);
    EXPECT_EQ(fileBytes("\\Data\\memorycompsound.dat"), "NO\r\n");
    click(w.Image1[1]);
    click(w.Image1[3]);
    advance(1000);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.onsound);
    advance(1000);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\compmemory.html"});
    chooseMenu(w.exit);
    settle();
    EXPECT_EQ(platform::loaded<memorycompsmall>(), nullptr);
    EXPECT_TRUE(mainWindow().Enabled);
}

TEST_F(MemoryComp, EachBoardsMenusStandInTheirDesignOrder) {
    for (bool big : {true, false}) {
        SCOPED_TRACE(big ? "big" : "small");
        memorycomp& w = openBoard(big);
        EXPECT_EQ(gp::menuCaptions(w),
                  (std::vector<std::string>{"File", big ? "Skill Level" : "Skill", "Sound", "Help"}));
        EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
        EXPECT_EQ(gp::menuCaptions(w.skill), (std::vector<std::string>{"Easy", "Medium", "Hard"}));
        EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
        EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
        closeBoard(w);
    }
}

}  // namespace
