#include "hangman_fixture.h"

#include "games/tictactoe-hangman/hangman_rules.h"

#include <algorithm>
#include <cstdint>
#include <string>

using namespace hangmanrules;

namespace {

// Seeded runs of random gestures over the shipped word list: letters clicked whether or not they
// take the click, every menu item, the high scores opened and closed, the window closed and opened
// again, and every question answered either way. After each step the puzzle must agree with its
// counts, and the table keep its order.
class HangmanRandomPlay : public HangmanTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    hangman& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        return open<hangman>();
    }

    void step(hangman& w) {
        const int roll = pick(200);
        if (roll < 90) {
            // Mostly a letter of the answer, so that puzzles are solved as well as lost.
            const std::string& word = w.table.txtword;
            const char letter = word.empty() ? ' ' : word[static_cast<std::size_t>(pick(static_cast<int>(word.size())))];
            if (letter != ' ') click(w.Command1[letter - 'a' + 1]);
        } else if (roll < 150) {
            click(w.Command1[1 + pick(kLetters)]);
        } else if (roll < 166) {
            platform::Menu* items[] = {&w.startnewgame, &w.onsound, &w.off, &w.rules};
            chooseMenu(*items[pick(4)]);
        } else if (roll < 180) {
            chooseMenu(w.highs);
        } else if (roll < 199) {
            if (hangmanhighs* highs = platform::loaded<hangmanhighs>()) close(*highs);
        } else {
            pick(2) ? chooseMenu(w.exit) : close(w);
        }
        settle();
    }

    void checkPuzzle(hangman& w) {
        const HangmanTable& t = w.table;
        hangmanhighs* highs = platform::loaded<hangmanhighs>();
        EXPECT_FALSE(platform::loaded<gp::mainstandin>()->Enabled) << "the main window is locked";
        EXPECT_EQ(w.Enabled.get(), highs == nullptr) << "the high scores lock the game while open";

        ASSERT_TRUE(usable({t.txtword, t.txtcat})) << '"' << t.txtword << '"';
        const int length = static_cast<int>(t.txtword.size());
        for (int i = 1; i <= kTiles; ++i) EXPECT_EQ(w.space[i].Visible.get(), i <= length) << "tile " << i;
        EXPECT_EQ(t.letterstofind, std::ranges::count_if(t.txtword, [](char c) { return c != ' '; }));
        EXPECT_LE(t.lettersfound, t.letterstofind);
        EXPECT_GE(t.wrongcount, 1);
        EXPECT_LE(t.wrongcount, kLostAt);
        EXPECT_EQ(t.score % kLetterScore, 0);
        EXPECT_GE(t.score, 0);
        EXPECT_EQ(w.Label2.Caption.get(), "Score: " + std::to_string(t.score));
        EXPECT_EQ(w.Label1.Caption.get(), categorycaption(t.txtcat));

        int open = 0;
        for (int i = 1; i <= kLetters; ++i) open += w.Command1[i].Enabled;
        const bool over = solved(t) || t.wrongcount == kLostAt;
        if (over) {
            EXPECT_EQ(open, 0) << "a finished puzzle takes no letter";
        } else {
            EXPECT_GT(open, 0) << "a puzzle in play waits for a letter";
        }

        const std::vector<std::string> six = storedtable();
        EXPECT_GE(std::stoi(six[1]), std::stoi(six[3]));
        EXPECT_GE(std::stoi(six[3]), std::stoi(six[5]));
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFailure(); ++n) {
            hangman* w = platform::loaded<hangman>();
            if (!w) {
                EXPECT_EQ(platform::loaded<hangmanhighs>(), nullptr) << "the high scores go with the game";
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                w = &openAgain();
            }
            SCOPED_TRACE("step " + std::to_string(n));
            step(*w);
            if (hangman* open = platform::loaded<hangman>()) checkPuzzle(*open);
        }
    }
};

TEST_F(HangmanRandomPlay, ThePuzzleAlwaysAgreesWithItsCountsAndTheTableKeepsItsOrder) {
    for (std::uint32_t seed : {3u, 1234u, 77u}) run(seed, 1000);
    EXPECT_FALSE(play.prompts().empty());
}

}  // namespace
