#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/crazy8s-war/choosesuitcrazy8.h"
#include "games/crazy8s-war/crazy8s.h"
#include "games/crazy8s-war/crazy8s_rules.h"

#include <vector>

// Crazy 8s: every card dealt once and lying in one place, the hands as long as their counts say.
namespace {

using namespace crazy8srules;

std::string crazy8sHolds(crazy8s& c) {
    const Crazy8sTable& t = c.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    if (t.playercount == 0 && t.compcount == 0) return {};
    int user = 0, computer = 0, elsewhere = 0;
    for (int card = 1; card <= kCards; ++card) {
        user += t.tag[card] == kUserTag;
        computer += t.tag[card] == kCompTag;
        elsewhere += t.tag[card] >= 1 && t.tag[card] <= t.discardtag;
    }
    if (user != t.playercount) return "the user holds " + std::to_string(user) + " cards, counted " + std::to_string(t.playercount);
    if (computer != t.compcount)
        return "the computer holds " + std::to_string(computer) + " cards, counted " + std::to_string(t.compcount);
    if (user + computer + elsewhere != kCards)
        return std::to_string(kCards - user - computer - elsewhere) + " cards lie in no hand, stock or pile";
    return {};
}

// The user's cards that play, where they are dropped, and the stock.
std::vector<platform::Control*> crazy8sMoves(crazy8s& c) {
    std::vector<platform::Control*> moves{&c.Image2, &c.Command1};
    for (int card = 1; card <= kCards; ++card)
        if (c.table.tag[card] == kUserTag && legal(c.table, card)) moves.push_back(&c.Image1[card]);
    return moves;
}

platform::Form* crazy8sTable() { return platform::loaded<crazy8s>(); }

const bool crazy8sPlayed = gp::playRules<crazy8s>(
    "crazy8s", {.timers = 2, .locks = common::mainwindow, .holds = crazy8sHolds, .moves = crazy8sMoves});
const bool suitPlayed = gp::playRules<choosesuitcrazy8>("crazy 8s suit", {.played = false, .locks = crazy8sTable});

}  // namespace
