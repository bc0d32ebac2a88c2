#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/gin/gin.h"
#include "games/gin/gin_moves.h"
#include "games/gin/ginscore.h"

#include <vector>

// Gin Rummy: every card dealt once and lying in one place, ten in each hand (eleven between a draw
// and a discard), the stock and the pile as long as their counts say.
namespace {

using namespace ginrules;

std::string ginHolds(gin& g) {
    const GinTable& t = g.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, 52); !wrong.empty()) return wrong;
    if (t.stockcount == 0 && t.pilecount == 0) return {};
    int held[3] = {}, stock = 0, pile = 0;
    for (int slot = 1; slot <= 52; ++slot) {
        const int tag = t.tag[slot];
        if (heldBy(tag, kUser)) ++held[kUser];
        else if (heldBy(tag, kComputer)) ++held[kComputer];
        else if (inStock(tag)) ++stock;
        else if (onPile(tag)) ++pile;
        else return "slot " + std::to_string(slot) + " lies nowhere (tag " + std::to_string(tag) + ")";
    }
    for (int side : {kUser, kComputer})
        if (held[side] != kHandSize && held[side] != kHandSize + 1)
            return (side == kUser ? "the user" : "the computer") + std::string(" holds ") + std::to_string(held[side]) + " cards";
    if (stock != t.stockcount) return std::to_string(stock) + " cards in the stock, counted " + std::to_string(t.stockcount);
    if (pile != t.pilecount) return std::to_string(pile) + " cards on the pile, counted " + std::to_string(t.pilecount);
    return {};
}

// The user's cards that may be taken or discarded, the stock, Knock and Continue.
std::vector<platform::Control*> ginMoves(gin& g) {
    std::vector<platform::Control*> moves{&g.Image2, &g.Command5, &g.Command8};
    for (int slot = 1; slot <= 52; ++slot)
        if (userMove(g.table, slot) != UserMove::None) moves.push_back(&g.Image1[slot]);
    return moves;
}

platform::Form* ginTable() { return platform::loaded<gin>(); }

const bool ginPlayed =
    gp::playRules<gin>("gin", {.timers = 1, .locks = common::mainwindow, .holds = ginHolds, .moves = ginMoves});
const bool ginScorePlayed = gp::playRules<ginscore>("gin score", {.played = false, .locks = ginTable});

}  // namespace
