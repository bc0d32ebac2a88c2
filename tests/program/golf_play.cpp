#include "support/random_play.h"

#include "common/mainwindow.h"
#include "core/cards.h"
#include "games/golf/golf.h"
#include "games/golf/golf_rules.h"

#include <array>
#include <vector>

// Golf: every card dealt once and on the table exactly where the table says.
namespace {

std::string golfHolds(golf& g) {
    const golfrules::GolfTable& t = g.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, 52); !wrong.empty()) return wrong;
    std::array<int, golfrules::kTableCards + 1> placed{};
    for (int column = 1; column <= golfrules::kColumns; ++column)
        for (int image : t.columns[column])
            if (image < 1 || image > golfrules::kTableCards || ++placed[image] > 1)
                return "card image " + std::to_string(image) + " lies in the columns twice or out of them";
    for (int image = 1; image <= golfrules::kTableCards; ++image)
        if (g.cardpic[image].Visible != golfrules::onTable(t, image))
            return "card image " + std::to_string(image) + (g.cardpic[image].Visible ? " shows" : " is hidden") +
                   " though the table says otherwise";
    return {};
}

// The cards that fit the waste, where they are dropped, and the stock.
std::vector<platform::Control*> golfMoves(golf& g) {
    const golfrules::GolfTable& t = g.table;
    std::vector<platform::Control*> moves{&g.Image2, &g.deck, &g.cardback};
    for (int column = 1; column <= golfrules::kColumns; ++column) {
        if (t.columns[column].empty()) continue;
        const int image = t.columns[column].back();
        if (golfrules::takes(core::rankof(t.deckorder[image]), core::rankof(t.waste))) moves.push_back(&g.cardpic[image]);
    }
    return moves;
}

const bool golfPlayed =
    gp::playRules<golf>("golf", {.locks = common::mainwindow, .holds = golfHolds, .moves = golfMoves});

}  // namespace
