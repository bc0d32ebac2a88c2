#include "program_test.h"

#include "common/mainwindow.h"
#include "core/cards.h"
#include "games/gin/gin.h"
#include "games/gin/gin_layout.h"
#include "games/gin/gin_melds.h"
#include "games/gin/gin_moves.h"
#include "games/gin/ginscore.h"
#include "platform/picture.h"

#include <QImage>

#include <array>
#include <cmath>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

// Gin Rummy: every card dealt once and lying where its tag says, ten in each hand (eleven between a
// draw and a discard), the stock and the pile as long as their counts say; the faces, the meld
// markers, the turn and the buttons as the table says; a hand that is over waits for its score
// window, and only then; the table never waits for nothing.
namespace {

using namespace ginrules;

std::string slotText(int slot, int tag) { return "slot " + std::to_string(slot) + " (tag " + std::to_string(tag) + ")"; }

// Whether the card shows its own face; each face is read once, so that the runs stay quick.
bool showsFace(const gin& g, int slot) {
    static std::map<int, QImage> faces;
    const int code = g.table.deckorder[slot];
    auto found = faces.find(code);
    if (found == faces.end()) found = faces.emplace(code, platform::LoadPicture(core::facefile(code)).image()).first;
    const platform::Picture& shown = g.Image1[slot].Picture.get();
    return shown && shown.image() == found->second;
}

// Each card once, in one place: every tag once, the pile and the stock numbered from 1 without
// gaps, every card where its tag says, face up or down as its place says.
std::string ginCards(const gin& g) {
    const GinTable& t = g.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, 52); !wrong.empty()) return wrong;
    std::set<int> tags(t.tag.begin() + 1, t.tag.end());
    if (tags.size() != 52u) return "a tag is carried by two cards";
    std::set<int> expected;
    for (int k = 1; k <= kHandSize; ++k) expected.insert({kComputerHand + k, kUserHand + k});
    if (t.drawn == -1) expected.insert(drawnTag(kUser));
    for (int k = 1; k <= t.pilecount; ++k) expected.insert(kPile + k);
    for (int k = 1; k <= t.stockcount; ++k) expected.insert(k);
    if (tags != expected)
        return "the tags are not the hands, a pile of " + std::to_string(t.pilecount) + " and a stock of " +
               std::to_string(t.stockcount) + " (drawn " + std::to_string(t.drawn) + ")";
    for (int slot = 1; slot <= 52; ++slot) {
        const int tag = t.tag[slot];
        const platform::Image& card = g.Image1[slot];
        const Place at = placeOf(tag, g.scale);
        if (std::abs(card.Left - at.left) > 0.01 || std::abs(card.Top - at.top) > 0.01)
            return slotText(slot, tag) + " lies away from its place";
        // The user's cards and the top of the pile face up; the computer's and the stock face down
        // until the hand is over, when the computer's ten show.
        if (heldBy(tag, kUser) || slot == pileTop(t)) {
            if (!showsFace(g, slot)) return slotText(slot, tag) + " is face down";
        } else if ((heldBy(tag, kComputer) || inStock(tag)) && showsFace(g, slot) != (t.handover && inHand(tag, kComputer))) {
            return slotText(slot, tag) + (showsFace(g, slot) ? " shows its face" : " is face down");
        }
    }
    return {};
}

std::string ginHolds(gin& g) {
    const GinTable& t = g.table;
    const ginscore* open = platform::loaded<ginscore>();
    if (open && !open->Visible) return "the score window is loaded but hidden";
    if (g.Enabled == (open != nullptr)) return open ? "the score window leaves the table enabled" : "the table is locked with no score window";
    if (t.handover != (open && open->dealsnext)) return "a hand that is over waits for its score window, and only then";
    if (g.Timer1.Enabled) {
        if (t.turn != kComputer) return "the timer runs in the user's turn";
        if (g.Command5.Enabled || g.Command8.Enabled) return "Knock or Continue offered while the computer's turn is pending";
    }
    if (g.Command5.Enabled != g.Command8.Enabled) return "Knock and Continue are not offered together";
    if (g.Command5.Enabled && !(t.handover || (t.turn == kComputer && t.unmatched[kUser] < 10)))
        return "Knock offered with an unmatched total of " + std::to_string(t.unmatched[kUser]);
    if (g.Label1.Font.Bold != (t.turn == kUser) || g.Label2.Font.Bold != (t.turn == kComputer))
        return "the bold name is not the side to play (turn " + std::to_string(t.turn) + ")";
    if (t.drawn == -1 && t.turn != kUser) return "a drawn card waits for the user's discard in the computer's turn";
    if (std::string wrong = ginCards(g); !wrong.empty()) return wrong;
    if (t.handover) return {};
    // Judged afresh, the table shows what the judgement says, and nothing that ends a hand is left.
    GinTable judged = t;
    ginrules::matching(judged);
    if (judged.unmatched != t.unmatched) return "the unmatched totals are not the hands' own";
    if (handEnd(judged) != HandEnd::None) return "a hand that is over goes on";
    for (int k = 101; k <= 110; ++k)
        if (g.Shape1[k].Visible != (judged.meldmark[k + 100] == -1)) return "meld marker " + std::to_string(k) + " is wrong";
    const bool choosing = t.turn == kComputer && g.Command5.Enabled;
    if (!g.Timer1.Enabled && t.turn != kUser && !choosing)
        return "the table waits for nothing: turn " + std::to_string(t.turn) + ", drawn " + std::to_string(t.drawn);
    return {};
}

// The user's card whose discard leaves the lowest unmatched total, so that hands also end by the
// user's gin and knock.
int bestDiscard(const GinTable& t) {
    int best = 0, lowest = 1000;
    for (int slot = 1; slot <= 52; ++slot) {
        if (!heldBy(t.tag[slot], kUser)) continue;
        GinTable after = t;
        ginrules::discard(after, kUser, after.tag[slot]);
        ginrules::matching(after);
        if (after.unmatched[kUser] < lowest) lowest = after.unmatched[kUser], best = slot;
    }
    return best;
}

// The stock, the pile's top before a draw, the best discard after one, Knock and Continue.
std::vector<platform::Control*> ginMoves(gin& g) {
    std::vector<platform::Control*> moves{&g.Image2, &g.Command5, &g.Command8};
    if (userMove(g.table, pileTop(g.table)) == UserMove::TakePile) moves.push_back(&g.Image1[pileTop(g.table)]);
    if (g.table.turn == kUser && g.table.drawn == -1) return {&g.Image1[bestDiscard(g.table)]};
    return moves;
}

platform::Form* ginTable() { return platform::loaded<gin>(); }

std::string scoreHolds(ginscore&) { return ginTable() ? "" : "the score window outlived its table"; }

const bool ginPlayed =
    gp::playRules<gin>("gin", {.timers = 1, .locks = common::mainwindow, .holds = ginHolds, .moves = ginMoves});
const bool ginScorePlayed =
    gp::playRules<ginscore>("gin score", {.played = false, .locks = ginTable, .holds = scoreHolds});

// A game that opens near its end, so that the hands a run ends also end games: the user, the
// computer or both 5 short of the target.
void nearTheEnd(gin& g, unsigned opening) {
    const int target = g.target();
    const std::array<int, 3> starts[] = {{0, target - 5, 0}, {0, 0, target - 5}, {0, target - 5, target - 5}};
    g.table.gamescore = starts[opening % std::size(starts)];
}

// Long runs of the table alone, deep into many games, one seed each so that they spread over the
// suite's shards; each must end a game. A run ends with the table in whatever state it is, and
// closing everything then deals and asks nothing.
class GinPlay : public ProgramTest, public testing::WithParamInterface<std::uint32_t> {};

TEST_P(GinPlay, ALongRunKeepsEveryCardAndNeverSticks) {
    // Each time the table opens, its game starts near an end that changes from one opening to the
    // next; a new program counts its openings afresh, so every replay of a run plays the same. An
    // open table is not shown again: the chooser that would show it is locked while it is open.
    unsigned opened = 0;
    leaveHomeUnpainted();
    play(GetParam(), 5000, typeid(gin), [&] {
        if (!platform::loaded<Form1>()) opened = 0;
        const Form1* main = platform::loaded<Form1>();
        if (!main || !main->Visible) startProgram();
        if (platform::loaded<gin>()) return;
        platform::window<gin>().Show();
        settle();
        if (gin* g = platform::loaded<gin>()) nearTheEnd(*g, GetParam() + opened++);
    });
    if (HasFailure()) return;
    EXPECT_TRUE(met().contains("You Win! Play again?") || met().contains("You Lost! Play again?")) << "no game ended";
    const std::size_t asked = boxes.shown().size();
    platform::unloadAll();
    settle();
    EXPECT_EQ(boxes.shown().size(), asked);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GinPlay, testing::Values(31u, 32u, 33u, 34u));

}  // namespace
