#include "program_test.h"

#include "core/cards.h"
#include "games/fortythieves/fortythieves.h"
#include "games/fortythieves/fortythieves_piles.h"
#include "games/fortythieves/fortythieves_rules.h"
#include "platform/input.h"
#include "platform/picture.h"

#include <cstdint>
#include <map>
#include <string>
#include <vector>

// Forty Thieves: each of the two decks dealt once; every card in exactly one column, foundation,
// stock or waste, each pile numbered without gaps and only free cards dragging; a foundation's
// cards stay as it took them; the pictures show the table; every free card and every built
// foundation is in front where the user sees it; the stock shows while it holds cards, and Deal
// is never offered while New Game always is.
namespace {

using namespace fortythievesrules;

// The cards the foundations have taken in the deal in play, as they took them. A deal is known by
// its order and by the table's bringing-forward count, which only grows while a window lives;
// taken cards leave their foundations only with a new deal.
struct Taken {
    Codes deal{};
    int raised = 0;
    std::map<int, Card> cards;
};

std::string foundationsKept(const FortyThievesTable& t) {
    static Taken taken;
    bool left = false;
    for (const auto& [k, card] : taken.cards) left = left || !t.card[k].onfoundation;
    if (left || t.deckorder != taken.deal || t.raisecount < taken.raised) taken = {t.deckorder, 0, {}};
    taken.raised = t.raisecount;
    for (int k = 1; k <= kCards; ++k)
        if (t.card[k].onfoundation && !taken.cards.count(k)) taken.cards[k] = t.card[k];
    return fortythievestest::wholeTableFault(t, taken.cards);
}

bool onTop(fortythieves& f, const platform::Control& c) {
    return platform::input::hitTest(f, c.windowX() + c.Width / 2, c.windowY() + c.Height / 2) == &c;
}

// Whether a card picture shows the face of a code; each face file is read once.
bool showsFace(const platform::Control& c, int code) {
    static std::map<int, platform::Picture> faces;
    auto [at, fresh] = faces.try_emplace(code);
    if (fresh) at->second = platform::LoadPicture(core::facefile(code));
    return at->second && c.Picture.get() && c.Picture->image() == at->second.image();
}

// What the user sees of the table: the pictures where the cards lie, the free cards and the built
// foundations in front, each showing its own face.
std::string picturesShowTheTable(fortythieves& f) {
    const FortyThievesTable& t = f.table;
    for (int k = 1; k <= kCards; ++k) {
        const platform::Image& image = f.Image1[k];
        const Card& card = t.card[k];
        if (image.Left != card.Left || image.Top != card.Top) return "card " + std::to_string(k) + " lies elsewhere";
        if (image.Visible != card.Visible) return "card " + std::to_string(k) + (card.Visible ? " is hidden" : " shows");
        if ((image.DragMode == platform::vbAutomatic) != card.draggable)
            return "card " + std::to_string(k) + (card.draggable ? " does not drag" : " drags");
    }
    if (!f.Visible) return {};
    std::vector<int> free;
    for (int c = 1; c <= kColumns; ++c)
        if (const int top = topcard(t, c)) free.push_back(top);
    if (t.card[t.wastetop].tag == kTopOfWaste) free.push_back(t.wastetop);
    for (int k : free) {
        if (!onTop(f, f.Image1[k])) return "free card " + std::to_string(k) + " is hidden behind another";
        if (!showsFace(f.Image1[k], t.deckorder[k])) return "free card " + std::to_string(k) + " shows another face";
    }
    for (int s = 1; s <= kFoundations; ++s) {
        if (t.nextrank[s] <= 1) continue;
        if (!onTop(f, f.slot[s])) return "foundation " + std::to_string(s) + " is hidden behind a card";
        if (f.slot[s].Picture != f.Image1[t.slotcard[s]].Picture)
            return "foundation " + std::to_string(s) + " does not show its last card";
    }
    return {};
}

// How far the play got: the steps after which the table had changed (a turn or an accepted drop).
struct Progress {
    FortyThievesTable last{};
    int changes = 0;
};
Progress progress;

std::string fortythievesHolds(fortythieves& f) {
    const FortyThievesTable& t = f.table;
    if (!(t == progress.last)) ++progress.changes;
    progress.last = t;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    std::vector<int> places(kCards + 1);
    for (int c = 1; c <= kColumns; ++c)
        for (int k : columncards(t, c)) ++places[k];
    for (int k = 1; k <= kCards; ++k)
        if (t.card[k].onfoundation || t.card[k].tag > 2000) ++places[k];
    for (int k = 1; k <= kCards; ++k)
        if (places[k] != 1) return "card " + std::to_string(k) + " lies in " + std::to_string(places[k]) + " places";
    if (std::string wrong = foundationsKept(t); !wrong.empty()) return wrong;
    if (!f.newgame.Enabled) return "New Game is not offered";
    if (f.deal.Enabled) return "Deal is offered";
    if (f.deckpic.Visible != (t.stockleft > 0) || f.deckpic.Enabled != (t.stockleft > 0))
        return "the stock picture does not follow the " + std::to_string(t.stockleft) + " cards left";
    return picturesShowTheTable(f);
}

// The stock, and a drop the table would take now: the first free card that some pile takes, with
// every pile that takes it. The column areas stand for the cards they end in, which are free cards
// themselves and so drag.
std::vector<platform::Control*> fortythievesMoves(fortythieves& f) {
    std::vector<platform::Control*> moves{&f.deckpic};
    const auto takes = [&](auto drop, int d, int target) {
        FortyThievesTable tried = f.table;
        return drop(tried, d, target);
    };
    for (int d = 1; d <= kCards && moves.size() == 1; ++d) {
        if (!movable(f.table, d)) continue;
        for (int c = 1; c <= kColumns; ++c) {
            if (takes(droponcolumn, d, c)) moves.push_back(&f.Image2[c]);
            if (takes(droponplaceholder, d, c)) moves.push_back(&f.blankslot[c]);
        }
        for (int s = 1; s <= kFoundations; ++s)
            if (takes(droponfoundation, d, s)) moves.push_back(&f.slot[s]);
        if (moves.size() > 1) moves.push_back(&f.Image1[d]);
    }
    return moves;
}

const bool fortythievesPlayed = gp::playRules<fortythieves>(
    "fortythieves", {.locks = common::mainwindow, .holds = fortythievesHolds, .moves = fortythievesMoves});

// Long games on their own, deeper than the runs every window gets: many turns and accepted drops
// from each seed, with every rule above checked after each step.
class FortyThievesPlay : public ProgramTest {};

TEST_F(FortyThievesPlay, LongGamesKeepEveryPileWholeAndEveryFreeCardInReach) {
    for (std::uint32_t seed : {11u, 12u, 13u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        progress = {};
        leaveHomeUnpainted();
        play(seed, 2500, typeid(fortythieves), [&] {
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            platform::window<fortythieves>().Show();
        });
        if (HasFailure()) return;
        EXPECT_GT(progress.changes, 200) << "turns and accepted drops";
        // Every card, covered, hidden in the stock or under a foundation too, keeps its dealt face
        // (every step checks the free ones).
        if (const fortythieves* f = platform::loaded<fortythieves>()) {
            for (int k = 1; k <= kCards; ++k)
                EXPECT_TRUE(showsFace(f->Image1[k], f->table.deckorder[k])) << "card " << k;
        }
    }
}

}  // namespace
