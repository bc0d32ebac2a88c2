#include "program_test.h"

#include "common/mainwindow.h"
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

// The memory games: every pair code dealt once, a card shown exactly while its pair is on the
// board, as many cards gone as the counts say and the labels showing them, nothing left running
// once the last pair is found, and no card or pad taking a click while the computer, a miss, a
// pause or a playback holds the board. Half the clicks turn the partner of a card that is up, or
// the pad the sequence asks for next, so that runs get to the ends of games.
namespace {

using namespace memoryrules;

template <class Window>
std::string boardHolds(Window& w) {
    const MemoryTable& t = w.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, t.cards); !wrong.empty()) return wrong;
    int removed = 0;
    for (int i = 1; i <= t.cards; ++i) {
        const bool gone = t.tag[i] == kRemoved;
        removed += gone;
        if (w.Image1[i].Visible == gone)
            return "card " + std::to_string(i) + (gone ? " shows though its pair was found" : " is hidden in play");
    }
    if (removed != 2 * (t.playermatches + t.compmatches))
        return std::to_string(removed) + " cards gone for " + std::to_string(t.playermatches + t.compmatches) + " pairs";
    return {};
}

bool anyCardTakesAClick(const platform::ControlArray<platform::Image>& cards) {
    for (const auto& [i, card] : cards)
        if (card->Enabled && card->Visible) return true;
    return false;
}

std::string compHolds(memorycomp& w) {
    if (std::string wrong = boardHolds(w); !wrong.empty()) return wrong;
    const MemoryTable& t = w.table;
    if (w.Label3.Caption.get() != std::to_string(t.playermatches))
        return "the user's label shows " + w.Label3.Caption.get() + " for " + std::to_string(t.playermatches) + " pairs";
    if (w.Label4.Caption.get() != std::to_string(t.compmatches))
        return "the computer's label shows " + w.Label4.Caption.get() + " for " + std::to_string(t.compmatches) +
               " pairs";
    const bool running = w.Timer1.Enabled || w.Timer2.Enabled || w.Timer3.Enabled;
    if (running && anyCardTakesAClick(w.Image1)) return "a card takes a click in the computer's turn";
    if (running && gameOver(t)) return "the computer's turn goes on after the last pair";
    return {};
}

std::string timedHolds(memoryscorebig& w) {
    if (std::string wrong = boardHolds(w); !wrong.empty()) return wrong;
    const MemoryTable& t = w.table;
    if (t.compmatches != 0) return "the computer found a pair on the timed board";
    if (w.Label3.Caption.get() != std::to_string(w.elapsed))
        return "the clock shows " + w.Label3.Caption.get() + " after " + std::to_string(w.elapsed) + " seconds";
    if (w.Timer3.Enabled && anyCardTakesAClick(w.Image1)) return "a card takes a click while a miss is shown";
    if (w.clockon == 0 && w.elapsed != 0) return "the clock counted before the first card";
    if (gameOver(t) && (w.Timer4.Enabled || w.Timer3.Enabled)) return "the clock or a miss runs after the twelfth pair";
    return {};
}

// The levels a run has seen the player reach, for the test of its depth below.
int levelsReached = 0;
int lastLevel = 0;

std::string colorHolds(colorgame& w) {
    const colorrules::ColorTable& g = w.game;
    levelsReached += g.level > lastLevel;
    lastLevel = g.level;
    const bool paused = w.Timer3.Enabled, playing = w.Timer1.Enabled;
    if (paused && playing) return "a pause and a playback run at once";
    if (paused || playing)
        for (const auto& [pad, image] : w.main)
            if (image->Enabled) return "pad " + std::to_string(pad) + " takes a click in a pause or a playback";
    if (!g.sequence.empty() && static_cast<int>(g.sequence.size()) <= g.level)
        return "the sequence is shorter than level " + std::to_string(g.level);
    if (g.clicks > g.level + 1) return std::to_string(g.clicks) + " clicks in one turn at level " + std::to_string(g.level);
    for (int pad : g.sequence)
        if (pad < 1 || pad > colorrules::kPads) return "the sequence holds pad " + std::to_string(pad);
    return {};
}

// With one card up, its partner.
template <class Window>
std::vector<platform::Control*> partnerMove(Window& w) {
    const MemoryTable& t = w.table;
    if (t.turncount != 1 || !onBoard(t, t.firstcard)) return {};
    for (int i = 1; i <= t.cards; ++i)
        if (i != t.firstcard && pairof(t.deckorder[i]) == pairof(t.deckorder[t.firstcard])) return {&w.Image1[i]};
    return {};
}

std::vector<platform::Control*> compMoves(memorycomp& w) { return partnerMove(w); }
std::vector<platform::Control*> timedMoves(memoryscorebig& w) { return partnerMove(w); }

// In the player's turn, the pad the sequence asks for next.
std::vector<platform::Control*> colorMoves(colorgame& w) {
    const colorrules::ColorTable& g = w.game;
    if (g.guesspos < 0 || g.guesspos >= static_cast<int>(g.sequence.size())) return {};
    const int pad = g.sequence[static_cast<std::size_t>(g.guesspos)];
    if (!w.main.exists(pad) || !w.main[pad].Enabled) return {};
    return {&w.main[pad]};
}

platform::Form* timedWindow() { return platform::loaded<memoryscorebig>(); }
platform::Form* colorWindow() { return platform::loaded<colorgame>(); }

// One step of the computer's turn runs at a time; the clock runs beside a miss's pause; the
// un-lighting beside a pause or a playback.
const bool bigPlayed = gp::playRules<memorycompbig>(
    "memorybig", {.timers = 1, .locks = common::mainwindow, .holds = compHolds, .moves = compMoves});
const bool smallPlayed = gp::playRules<memorycompsmall>(
    "memorysmall", {.timers = 1, .locks = common::mainwindow, .holds = compHolds, .moves = compMoves});
const bool timedPlayed = gp::playRules<memoryscorebig>(
    "memorytimed", {.timers = 2, .locks = common::mainwindow, .holds = timedHolds, .moves = timedMoves});
const bool timedScoresPlayed =
    gp::playRules<memoryscoresbig>("memory timed scores", {.played = false, .locks = timedWindow});
const bool colorPlayed = gp::playRules<colorgame>(
    "color", {.timers = 2, .locks = common::mainwindow, .holds = colorHolds, .moves = colorMoves});
const bool colorScoresPlayed =
    gp::playRules<colorgamescores>("color scores", {.played = false, .locks = colorWindow});

// Runs that must get deep into their game: pairs found on both sides of the play and games played
// to their end; levels climbed and games lost. A colour game starts only from its menu, which the
// run seldom chooses, so its runs are longer.
constexpr int kCardSteps = 1500;
constexpr int kColorSteps = 12000;

struct DepthCase {
    const char* window;
    std::uint32_t seed;
    int steps;
};

class MemoryPlayDepth : public ProgramTest, public testing::WithParamInterface<DepthCase> {
protected:
    void playFrom(const DepthCase& c) {
        const gp::PlayedWindow* played = nullptr;
        for (const gp::PlayedWindow& w : gp::playedWindows())
            if (w.name == c.window) played = &w;
        ASSERT_NE(played, nullptr);
        levelsReached = 0;
        lastLevel = 0;
        play(c.seed, c.steps, played->type, [&] {
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            played->show();
        });
    }
    int boxesSaying(std::string_view words) const {
        return static_cast<int>(std::ranges::count_if(boxes.shown(), [&](const platform::BoxRequest& box) {
            return box.prompt.find(words) != std::string::npos;
        }));
    }
};

void PrintTo(const DepthCase& c, std::ostream* out) { *out << c.window << " from seed " << c.seed; }

TEST_P(MemoryPlayDepth, RunsReachTheEndsOfGames) {
    playFrom(GetParam());
    if (HasFailure()) return;
    if (std::string_view(GetParam().window) == "color") {
        const int lost = boxesSaying("Play again?");
        EXPECT_GT(lost, 10) << "games were lost";
        EXPECT_GT(lost + levelsReached, 20) << "clicks reached the player's turn";
        return;
    }
    EXPECT_GT(boxesSaying("You've found a match") + boxesSaying("Computer Match"), 40) << "pairs were found";
    EXPECT_GT(boxesSaying("Keep Playing?"), 0) << "games were played to their end";
    if (std::string_view(GetParam().window) != "memorytimed") {
        EXPECT_GT(boxesSaying("Computer Match"), 0) << "the computer found pairs too";
    }
}

INSTANTIATE_TEST_SUITE_P(Memory, MemoryPlayDepth,
                         testing::Values(DepthCase{"memorybig", 3, kCardSteps}, DepthCase{"memorybig", 4, kCardSteps},
                                         DepthCase{"memorysmall", 3, kCardSteps},
                                         DepthCase{"memorysmall", 4, kCardSteps},
                                         DepthCase{"memorytimed", 5, kCardSteps},
                                         DepthCase{"memorytimed", 6, kCardSteps}, DepthCase{"color", 7, kColorSteps},
                                         DepthCase{"color", 8, kColorSteps}),
                         [](const testing::TestParamInfo<DepthCase>& info) {
                             return std::string(info.param.window) + "_seed" + std::to_string(info.param.seed);
                         });

}  // namespace
