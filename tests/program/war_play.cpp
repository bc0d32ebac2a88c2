#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/crazy8s-war/wargame.h"
#include "games/crazy8s-war/war_rules.h"

#include <array>
#include <tuple>
#include <vector>

// War: every card dealt once, each in a pile or on the table as the counts say.
namespace {

using namespace warrules;

// A pile of n cards holds them at places 1..n, once each; the table holds at most what each side
// has laid in this battle.
std::string warHolds(wargame& w) {
    const WarTable& t = w.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, kCards); !wrong.empty()) return wrong;
    if (t.playercount + t.compcount + t.playertable + t.comptable == 0) return {};
    std::array<int, kCompTable + kCards + 1> at{};
    int onTable[2] = {};
    for (int card = 1; card <= kCards; ++card) {
        const int tag = t.tag[card];
        if (tag <= kUserPile || tag > kCompTable + kCards) return "card image " + std::to_string(card) + " lies nowhere";
        if (tag > kUserTable) ++onTable[tag > kCompTable ? 1 : 0];
        else if (++at[tag] > 1) return "two cards lie at place " + std::to_string(tag);
    }
    for (const auto& [base, count, side] : {std::tuple{kUserPile, t.playercount, "the user's"}, std::tuple{kCompPile, t.compcount, "the computer's"}})
        for (int place = 1; place <= kCards; ++place)
            if ((at[base + place] == 1) != (place <= count))
                return std::string(side) + " pile of " + std::to_string(count) + " cards is wrong at place " + std::to_string(place);
    if (onTable[0] > t.playertable || onTable[1] > t.comptable)
        return std::to_string(onTable[0]) + " and " + std::to_string(onTable[1]) + " cards on the table, more than was laid";
    return {};
}

std::vector<platform::Control*> warMoves(wargame& w) { return {&w.yourdeck}; }

const bool warPlayed =
    gp::playRules<wargame>("war", {.timers = 2, .locks = common::mainwindow, .holds = warHolds, .moves = warMoves});

}  // namespace
