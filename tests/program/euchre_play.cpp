#include "program_test.h"

#include "common/mainwindow.h"
#include "games/euchre/euchre.h"
#include "games/euchre/euchre_layout.h"
#include "games/euchre/euchre_play.h"
#include "games/euchre/euchre_scoring.h"
#include "games/euchre/euchrescore.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

// Euchre: every card dealt once; the markers stay hidden; a hand in play keeps each seat's counts
// equal to the cards it still holds and the user's row numbered from the left at its places; Pick
// Suit is the user's turn alone; a finished hand is not in play; no computer seat finds its counts
// at odds with its hand (it would say "ERROR"); the score window goes with its table; and the table
// always waits for someone: a computer seat on its timer, Pick Suit, the score window or a card the
// user can play, and at the user's turn New Game may be chosen.
namespace {

using namespace euchrerules;

int runningTimers(const euchre& e) {
    return static_cast<int>(std::ranges::count_if(e.timers(), [](const platform::Timer* timer) { return timer->running(); }));
}

std::string seatCounts(const EuchreTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (seat == kPartner && t.alone == -1) continue;
        int held = 0;
        for (int slot = firstSlot(seat); slot <= lastSlot(seat); ++slot) held += isHeld(t, slot);
        int counted = 0;
        for (Suit suit : kSuitOrder) counted += suitcountOf(t, seat, suit);
        if (counted != held)
            return "seat " + std::to_string(seat) + " counts " + std::to_string(counted) + " cards and holds " +
                   std::to_string(held);
    }
    return {};
}

// The user's cards still in the row lie at their places, numbered 1 to `playercount` from the left.
std::string userRow(euchre& e) {
    const EuchreTable& t = e.table;
    std::set<int> places;
    for (int slot = firstSlot(kUser); slot <= lastSlot(kUser); ++slot) {
        if (!isHeld(t, slot) || e.Image1[slot].Top != userRowPlace(1, e.scale).top) continue;
        places.insert(t.tag[slot]);
        if (std::abs(e.Image1[slot].Left - userRowPlace(t.tag[slot], e.scale).left) > 0.01)
            return "the user's card in slot " + std::to_string(slot) + " lies off its place " + std::to_string(t.tag[slot]);
    }
    const bool numbered = static_cast<int>(places.size()) == t.playercount &&
                          (places.empty() || (*places.begin() == 1 && *places.rbegin() == t.playercount));
    if (!numbered)
        return "the user's row holds " + std::to_string(places.size()) + " cards at their places, " +
               std::to_string(t.playercount) + " counted";
    return {};
}

std::string euchreHolds(euchre& e) {
    const EuchreTable& t = e.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kSlots); !wrong.empty()) return wrong;
    if (std::ranges::count(gp::promptsOfStep(), "ERROR") > 0) return "a computer seat's counts are at odds with its hand";
    if (e.Image5.Visible || e.Image2.Visible) return "the turn arrow or the dealer marker shows";
    const int running = runningTimers(e);
    const euchrescore* score = platform::loaded<euchrescore>();
    if (score && !score->Visible) return "the score window is loaded but hidden";
    if (score && score->onclose != euchrescore::OnClose::Nothing && t.playing)
        return "the score window would start a hand while one is in play";
    if (t.playing) {
        if (e.Frame1.Visible) return "Pick Suit shows while the hand is played";
        if (std::string wrong = seatCounts(t); !wrong.empty()) return wrong;
    }
    if (e.Frame1.Visible && (t.turn != kUser || running > 0))
        return "Pick Suit shows at seat " + std::to_string(t.turn) + "'s turn or with a timer running";
    if (std::string wrong = userRow(e); !wrong.empty()) return wrong;
    // A card the user may play that is itself enabled and shown: the table may be locked meanwhile by
    // the score window opened from the menu, and New Game must still be there once it closes.
    bool userCanPlay = false;
    if (t.playing && t.turn == kUser)
        for (int slot = firstSlot(kUser); slot <= lastSlot(kUser); ++slot)
            userCanPlay = userCanPlay || (userMayPlay(t, slot) && e.Image1[slot].Enabled && e.Image1[slot].Visible);
    if (userCanPlay && running == 0 && !e.newgame.Enabled) return "the user's turn, and New Game cannot be chosen";
    if (!e.Enabled || running > 0 || e.Frame1.Visible || score || userCanPlay) return {};
    if (t.playing && t.turn != kUser)
        return "a hand is in play, seat " + std::to_string(t.turn) + " is to play and no timer runs";
    if (t.playing) return "the user is to play and no card of theirs can be clicked";
    return "the table waits for nothing: no hand in play, no timer, no Pick Suit and no score window";
}

// The cards the user may play, and the suits of the second round.
std::vector<platform::Control*> euchreMoves(euchre& e) {
    std::vector<platform::Control*> moves{&e.Image6, &e.Image7, &e.Image8, &e.Image9, &e.Label10};
    for (int slot = firstSlot(kUser); slot <= lastSlot(kUser); ++slot)
        if (userMayClick(e.table, slot)) moves.push_back(&e.Image1[slot]);
    return moves;
}

platform::Form* euchreTable() { return platform::loaded<euchre>(); }

std::string euchreScoreHolds(euchrescore&) {
    return platform::loaded<euchre>() ? std::string() : "the score window outlives its table";
}

const bool euchrePlayed = gp::playRules<euchre>(
    "euchre", {.timers = 1, .locks = common::mainwindow, .holds = euchreHolds, .moves = euchreMoves});
const bool euchreScorePlayed =
    gp::playRules<euchrescore>("euchre score", {.played = false, .locks = euchreTable, .holds = euchreScoreHolds});

// Long runs of the table alone, hand after hand: besides the rules above, no computer seat ever
// finds its counts at odds with its hand (it would say "ERROR"), a game is played to its end, and
// once the run ends, closing every window deals and asks nothing. Each time the table opens, its
// first game is a point or two short of the target for each team, so that runs cut short by a new
// game or a closed table still play games to their end and their score window's new game.
class EuchreLongPlay : public ProgramTest, public testing::WithParamInterface<std::uint32_t> {};

TEST_P(EuchreLongPlay, HandAfterHandTheTableKeepsItsCardsAndAnswers) {
    // A new program counts its openings afresh, so every replay of the run plays the same.
    unsigned opened = 0;
    leaveHomeUnpainted();
    play(GetParam(), 5000, typeid(euchre), [&] {
        if (!platform::loaded<Form1>()) opened = 0;
        const Form1* main = platform::loaded<Form1>();
        if (!main || !main->Visible) startProgram();
        const bool fresh = platform::loaded<euchre>() == nullptr;
        euchre& e = platform::window<euchre>();
        if (fresh) {
            const int target = playTarget(e.playtarget);
            const unsigned k = GetParam() + opened++;
            e.table.teampoints = {0, target - 1 - static_cast<int>(k % 2), target - 1 - static_cast<int>(k / 2 % 2)};
        }
        e.Show();
    });
    if (HasFailure()) return;
    EXPECT_EQ(std::ranges::count_if(boxes.shown(), [](const platform::BoxRequest& b) { return b.prompt == "ERROR"; }), 0);
    EXPECT_TRUE(met().contains("You Win") || met().contains("You Lost")) << "no game was played to its end";
    // No answer is scripted from here on: any box on the way out fails the test.
    platform::unloadAll();
    settle();
}

INSTANTIATE_TEST_SUITE_P(Seeds, EuchreLongPlay, testing::Values(11u, 12u, 13u, 14u));

}  // namespace
