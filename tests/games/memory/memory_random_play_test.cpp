#include "memory_fixture.h"

#include "games/memory/colorgame.h"
#include "games/memory/colorgamescores.h"
#include "games/memory/memorycompbig.h"
#include "games/memory/memorycompsmall.h"
#include "games/memory/memoryscorebig.h"
#include "games/memory/memoryscoresbig.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace memoryrules;

namespace {

// Seeded runs of random gestures through the real routing: clicks on any card or pad (taken or
// not), the clock moved on by a random time, every menu item, the top-three window opened and
// closed, the window closed and opened again, and every question answered either way. After each
// step the window must still hold every card code once, mirror its counts, run at most the timers
// its state allows, and keep the main window locked.

void expectEveryCodeOnce(const MemoryTable& t) {
    std::vector<int> codes(t.deckorder.begin() + 1, t.deckorder.begin() + 1 + t.cards);
    std::sort(codes.begin(), codes.end());
    for (int code = 1; code <= t.cards; ++code)
        EXPECT_EQ(codes[static_cast<std::size_t>(code - 1)], code) << "every code dealt once";
}

// Removed cards are hidden, cards in play show, and as many leave the board as the counts say.
template <class Window>
void expectBoardMirrorsCounts(const Window& w) {
    const MemoryTable& t = w.table;
    int removed = 0;
    for (int i = 1; i <= t.cards; ++i) {
        const bool gone = t.tag[i] == kRemoved;
        removed += gone;
        EXPECT_EQ(w.Image1[i].Visible, !gone) << "card " << i;
    }
    EXPECT_EQ(removed, 2 * (t.playermatches + t.compmatches));
}

// The position holding the partner of the card at the position.
int partnerOf(const MemoryTable& t, int position) {
    for (int i = 1; i <= t.cards; ++i)
        if (i != position && pairof(t.deckorder[i]) == pairof(t.deckorder[position])) return i;
    return position;
}

// A card to click: half the time, with one card up, its partner, so that games reach their end.
int cardToClick(gp::RandomPlay& play, const MemoryTable& t) {
    if (t.turncount == 1 && onBoard(t, t.firstcard) && play.pick(2)) return partnerOf(t, t.firstcard);
    return 1 + play.pick(t.cards);
}

int promptsEndingWith(const gp::RandomPlay& play, std::string_view end) {
    return static_cast<int>(std::count_if(play.prompts().begin(), play.prompts().end(),
                                          [&](const std::string& p) { return p.ends_with(end); }));
}

bool anyCardEnabled(const platform::ControlArray<platform::Image>& cards) {
    for (const auto& [i, card] : cards)
        if (card->Enabled && card->Visible) return true;
    return false;
}

class MemoryCompRandomPlay : public MemoryTest {
protected:
    MemoryCompRandomPlay() : MemoryTest("memorycomp") {}
    gp::RandomPlay play;

    memorycomp& openAgain(bool big) {
        if (big) return openGame<memorycompbig>();
        return openGame<memorycompsmall>();
    }

    void step(memorycomp*& w, bool big) {
        const int roll = play.pick(1000);
        if (roll < 600) {
            click(w->Image1[cardToClick(play, w->table)]);
        } else if (roll < 930) {
            advance(play.pick(2500));
        } else if (roll < 990) {
            platform::Menu* items[] = {&w->easy, &w->medium, &w->hard, &w->onsound, &w->off, &w->rules};
            chooseMenu(*items[play.pick(6)]);
        } else if (roll < 998) {
            chooseMenu(w->newgame);
        } else {
            play.pick(2) ? chooseMenu(w->exit) : close(*w);
            EXPECT_TRUE(mainWindow().Enabled) << "released when the game closes";
            w = &openAgain(big);
        }
    }

    void check(const memorycomp& w) {
        const MemoryTable& t = w.table;
        expectEveryCodeOnce(t);
        expectBoardMirrorsCounts(w);
        EXPECT_EQ(w.Label3.Caption.get(), std::to_string(t.playermatches));
        EXPECT_EQ(w.Label4.Caption.get(), std::to_string(t.compmatches));
        const int running = w.Timer1.Enabled + w.Timer2.Enabled + w.Timer3.Enabled;
        EXPECT_LE(running, 1) << "one step of the computer's turn at a time";
        if (running) {
            EXPECT_FALSE(anyCardEnabled(w.Image1)) << "no card takes a click in the computer's turn";
        }
        if (gameOver(t)) {
            EXPECT_EQ(running, 0) << "a finished game runs nothing";
        }
        EXPECT_FALSE(mainWindow().Enabled) << "locked while the game is open";
    }
};

TEST_F(MemoryCompRandomPlay, BothBoardsKeepTheirCardsAndTheComputerNeverPlaysOutOfTurn) {
    for (bool big : {false, true}) {
        for (std::uint32_t seed : {3u, 4u}) {
            SCOPED_TRACE(std::string(big ? "big" : "small") + " board, seed " + std::to_string(seed));
            play.seed(seed);
            memorycomp* w = &openAgain(big);
            int pairs = 0;
            for (int i = 0; i < 500 && !HasFailure(); ++i) {
                SCOPED_TRACE("step " + std::to_string(i));
                const int before = w->table.playermatches + w->table.compmatches;
                step(w, big);
                pairs += w->table.playermatches + w->table.compmatches > before;
                check(*w);
            }
            EXPECT_GT(pairs, 10) << "pairs were found on both sides of the play";
            EXPECT_GT(promptsEndingWith(play, "Keep Playing?"), 0) << "games were played to their end";
            w->Unload();
            settle();
        }
    }
}

class MemoryTimedRandomPlay : public MemoryTest {
protected:
    MemoryTimedRandomPlay() : MemoryTest("memoryscore") {}
    gp::RandomPlay play;

    void step(memoryscorebig*& w) {
        const int roll = play.pick(1000);
        if (roll < 650) {
            click(w->Image1[cardToClick(play, w->table)]);
        } else if (roll < 930) {
            advance(play.pick(2500));
        } else if (roll < 960) {
            platform::Menu* items[] = {&w->onsound, &w->off, &w->rules};
            chooseMenu(*items[play.pick(3)]);
        } else if (roll < 990) {
            chooseMenu(w->highscores);
            EXPECT_FALSE(w->Enabled) << "the table window locks the game";
            advance(play.pick(2000));
            close(platform::window<memoryscoresbig>());
            EXPECT_TRUE(w->Enabled);
        } else if (roll < 998) {
            chooseMenu(w->newgame);
        } else {
            play.pick(2) ? chooseMenu(w->exit) : close(*w);
            EXPECT_TRUE(mainWindow().Enabled) << "released when the game closes";
            w = &openGame<memoryscorebig>();
        }
    }

    void check(const memoryscorebig& w) {
        const MemoryTable& t = w.table;
        expectEveryCodeOnce(t);
        expectBoardMirrorsCounts(w);
        EXPECT_EQ(t.compmatches, 0);
        EXPECT_EQ(w.Label3.Caption.get(), std::to_string(w.elapsed));
        if (w.clockon == 0) {
            EXPECT_EQ(w.elapsed, 0) << "the clock waits for the first card";
        }
        if (w.Timer3.Enabled) {
            EXPECT_FALSE(anyCardEnabled(w.Image1)) << "a miss holds the board";
        }
        if (gameOver(t)) {
            EXPECT_FALSE(w.Timer4.Enabled) << "the twelfth pair stops the clock";
            EXPECT_FALSE(w.Timer3.Enabled);
        }
        EXPECT_FALSE(mainWindow().Enabled) << "locked while the game is open";
    }
};

TEST_F(MemoryTimedRandomPlay, TheBoardKeepsItsCardsAndTheClockFollowsTheGame) {
    for (std::uint32_t seed : {5u, 6u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        memoryscorebig* w = &openGame<memoryscorebig>();
        int pairs = 0;
        for (int i = 0; i < 600 && !HasFailure(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const int before = w->table.playermatches;
            step(w);
            pairs += w->table.playermatches > before;
            check(*w);
        }
        EXPECT_GT(pairs, 10);
        EXPECT_GT(promptsEndingWith(play, "Keep Playing?"), 0) << "games were played to their end";
        w->Unload();
        settle();
    }
}

class ColorRandomPlay : public MemoryTest {
protected:
    ColorRandomPlay() : MemoryTest("color") {}
    gp::RandomPlay play;

    void step(colorgame*& w) {
        const int roll = play.pick(100);
        if (roll < 50) {
            click(w->main[1 + play.pick(4)]);
        } else if (roll < 85) {
            advance(play.pick(3000));
        } else if (roll < 93) {
            platform::Menu* items[] = {&w->slow, &w->medium, &w->fast, &w->onsound, &w->off, &w->rules};
            chooseMenu(*items[play.pick(6)]);
        } else if (roll < 95) {
            chooseMenu(w->high);
            EXPECT_FALSE(w->Enabled) << "the table window locks the game";
            advance(play.pick(2000));
            close(platform::window<colorgamescores>());
            EXPECT_TRUE(w->Enabled);
        } else if (roll < 99) {
            chooseMenu(w->newgame);
        } else {
            play.pick(2) ? chooseMenu(w->exit) : close(*w);
            EXPECT_TRUE(mainWindow().Enabled) << "released when the game closes";
            w = &openGame<colorgame>();
        }
    }

    void check(const colorgame& w) {
        const colorrules::ColorTable& g = w.game;
        const bool paused = w.Timer3.Enabled, playing = w.Timer1.Enabled;
        EXPECT_FALSE(paused && playing) << "a pause or a playback, never both";
        if (paused || playing) {
            for (const auto& [pad, image] : w.main) EXPECT_FALSE(image->Enabled) << "pad " << pad;
        }
        if (!g.sequence.empty()) {
            EXPECT_GT(static_cast<int>(g.sequence.size()), g.level);
        }
        EXPECT_LE(g.clicks, g.level + 1) << "a turn takes at most the sequence's length";
        for (int pad : g.sequence) EXPECT_TRUE(pad >= 1 && pad <= 4);
        EXPECT_FALSE(mainWindow().Enabled) << "locked while the game is open";
    }
};

TEST_F(ColorRandomPlay, ThePadsTakeClicksOnlyInThePlayersTurn) {
    for (std::uint32_t seed : {7u, 8u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        colorgame* w = &openGame<colorgame>();
        int judged = 0;
        for (int i = 0; i < 600 && !HasFailure(); ++i) {
            SCOPED_TRACE("step " + std::to_string(i));
            const std::size_t before = play.prompts().size();
            const int level = w->game.level;
            step(w);
            judged += play.prompts().size() > before || w->game.level > level;
            check(*w);
        }
        EXPECT_GT(judged, 5) << "clicks reached the player's turn";
        EXPECT_GT(promptsEndingWith(play, "Play again?"), 0) << "games were lost";
        w->Unload();
        settle();
    }
}

}  // namespace
