#include "support/random_play.h"

#include "common/mainwindow.h"
#include "games/memory/colorgame.h"
#include "games/memory/colorgamescores.h"
#include "games/memory/memorycompbig.h"
#include "games/memory/memorycompsmall.h"
#include "games/memory/memoryscorebig.h"
#include "games/memory/memoryscoresbig.h"

#include <string>

// The memory games: every pair code dealt once, a card shown exactly while its pair is on the
// board, as many cards gone as the counts say, and no card or pad taking a click while the
// computer, a miss or a playback holds the board.
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
    if ((w.Timer1.Enabled || w.Timer2.Enabled || w.Timer3.Enabled) && anyCardTakesAClick(w.Image1))
        return "a card takes a click in the computer's turn";
    return {};
}

std::string timedHolds(memoryscorebig& w) {
    if (std::string wrong = boardHolds(w); !wrong.empty()) return wrong;
    if (w.Timer3.Enabled && anyCardTakesAClick(w.Image1)) return "a card takes a click while a miss is shown";
    if (w.clockon == 0 && w.elapsed != 0) return "the clock counted before the first card";
    return {};
}

std::string colorHolds(colorgame& w) {
    if (!w.Timer1.Enabled && !w.Timer3.Enabled) return {};
    for (const auto& [pad, image] : w.main)
        if (image->Enabled) return "pad " + std::to_string(pad) + " takes a click in a pause or a playback";
    return {};
}

platform::Form* timedWindow() { return platform::loaded<memoryscorebig>(); }
platform::Form* colorWindow() { return platform::loaded<colorgame>(); }

// One step of the computer's turn runs at a time; the clock runs beside a miss's pause; the
// un-lighting beside a pause or a playback.
const bool bigPlayed = gp::playRules<memorycompbig>(
    "memorybig", {.timers = 1, .locks = common::mainwindow, .holds = compHolds});
const bool smallPlayed = gp::playRules<memorycompsmall>(
    "memorysmall", {.timers = 1, .locks = common::mainwindow, .holds = compHolds});
const bool timedPlayed = gp::playRules<memoryscorebig>(
    "memorytimed", {.timers = 2, .locks = common::mainwindow, .holds = timedHolds});
const bool timedScoresPlayed =
    gp::playRules<memoryscoresbig>("memory timed scores", {.played = false, .locks = timedWindow});
const bool colorPlayed =
    gp::playRules<colorgame>("color", {.timers = 2, .locks = common::mainwindow, .holds = colorHolds});
const bool colorScoresPlayed =
    gp::playRules<colorgamescores>("color scores", {.played = false, .locks = colorWindow});

}  // namespace
