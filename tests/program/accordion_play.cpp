#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/accordion/accordion.h"
#include "games/accordion/accordion_rules.h"

#include <array>
#include <vector>

// Accordion: every card of the deal lies once in the row of piles and stock, the row is as long as
// the moves made leave it, and every pile shows the card the table holds there.
namespace {

using namespace accordionrules;

std::string accordionHolds(Accordian& a) {
    const AccordionTable& t = a.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kSlots); !wrong.empty()) return wrong;
    if (t.dealtcount == 0) return {};
    const int moves = t.dealtcount - t.pilecount;
    if (t.slotend != kSlots + 1 - moves)
        return std::to_string(moves) + " moves made, yet the row ends at " + std::to_string(t.slotend);
    std::array<int, kSlots + 1> seen{};
    for (int n = 1; n < t.slotend; ++n) {
        const int code = t.slot[n].card;
        if (code < 1 || code > kSlots) return "position " + std::to_string(n) + " holds no card";
        if (++seen[code] > 1) return "card code " + std::to_string(code) + " lies in the row twice";
    }
    for (int n = 1; n <= t.pilecount; ++n) {
        if (!a.Image[n].Visible) return "pile " + std::to_string(n) + " is hidden";
        if (a.faces.match(a.Image[n].Picture.get()) != t.slot[n].card)
            return "pile " + std::to_string(n) + " shows another card than the table holds there";
    }
    return {};
}

// The stock, and the piles that may move with where they may go.
std::vector<platform::Control*> accordionMoves(Accordian& a) {
    const AccordionTable& t = a.table;
    std::vector<platform::Control*> moves{&a.deck};
    for (int s = 2; s <= t.pilecount; ++s)
        for (int n : {s - 1, s - 3})
            if (n >= 1 && matches(t, n, s)) {
                moves.push_back(&a.Image[s]);
                moves.push_back(&a.Image[n]);
            }
    return moves;
}

const bool accordionPlayed = gp::playRules<Accordian>(
    "accordion", {.locks = common::mainwindow, .holds = accordionHolds, .moves = accordionMoves});

}  // namespace
