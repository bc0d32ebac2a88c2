#include "program_test.h"

#include "art/backgammon_geometry.h"
#include "games/backgammon/backgammon.h"
#include "games/backgammon/backgammon_scoring.h"
#include "games/backgammon/backgammon_user.h"
#include "games/backgammon/backgammonscore.h"
#include "platform/input.h"


#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Backgammon: fifteen checkers a side, each on a point, the bar or borne off as the table says and
// shown there, never both sides on one point, one turn at a time and always someone to move. The
// board locks nothing; its score window holds the board and goes with it.
namespace {

using namespace bgrules;
namespace geo = art::bgboard;

std::string num(double n) { return std::to_string(n); }

bool near(double a, double b) { return std::abs(a - b) < 0.01; }

// The table agrees with itself: counts and codes by point, depths 1 to n on each stack, the bar at
// 50, the borne-off counts and their slabs.
std::string arraysHold(const backgammon& b) {
    const BackgammonTable& t = b.table;
    int userOff = 0, computerOff = 0;
    for (int i = 1; i <= kCheckers; ++i) {
        userOff += t.playerpos[i] == kUserOff;
        computerOff += t.comppos[i] == kComputerOff;
        const int userDepth = t.playerpos[i] == kUserBar ? kBarDepth : t.playerpos[i] == kUserOff ? kOffDepth : -1;
        const int computerDepth = t.comppos[i] == kComputerBar ? kBarDepth : t.comppos[i] == kComputerOff ? kOffDepth : -1;
        if (userDepth >= 0 && t.playertag[i] != userDepth)
            return "the user's checker " + std::to_string(i) + " has depth " + std::to_string(t.playertag[i]);
        if (computerDepth >= 0 && t.comptag[i] != computerDepth)
            return "the computer's checker " + std::to_string(i) + " has depth " + std::to_string(t.comptag[i]);
    }
    if (userOff != t.playeroff)
        return "the user has borne off " + std::to_string(userOff) + ", counted " + std::to_string(t.playeroff);
    if (computerOff != t.compoff)
        return "the computer has borne off " + std::to_string(computerOff) + ", counted " + std::to_string(t.compoff);
    for (int k = 1; k <= kCheckers; ++k) {
        if (b.Shape4[k].Visible != (k <= t.playeroff)) return "the user's slab " + std::to_string(k) + " is wrong";
        if (b.Shape5[k].Visible != (k <= t.compoff)) return "the computer's slab " + std::to_string(k) + " is wrong";
    }
    for (int p = 1; p <= 24; ++p) {
        std::vector<int> userDepths, computerDepths;
        for (int i = 1; i <= kCheckers; ++i) {
            if (t.playerpos[i] == p) userDepths.push_back(t.playertag[i]);
            if (t.comppos[i] == p) computerDepths.push_back(t.comptag[i]);
        }
        const std::string point = " on point " + std::to_string(p);
        if (!userDepths.empty() && !computerDepths.empty()) return "both sides" + point;
        std::vector<int> depths = userDepths.empty() ? computerDepths : userDepths;
        const int n = static_cast<int>(depths.size());
        if (t.rownum[p] != n) return std::to_string(n) + " checkers counted " + std::to_string(t.rownum[p]) + point;
        if (t.row[p] != (userDepths.empty() ? computercode(n) : usercode(n)))
            return "code " + std::to_string(t.row[p]) + point;
        std::ranges::sort(depths);
        for (int k = 0; k < n; ++k)
            if (depths[static_cast<std::size_t>(k)] != k + 1) return "depths not 1 to " + std::to_string(n) + point;
    }
    return {};
}

// Every checker lies where the table says: on its point's column at the slot its depth gives, on
// its side's bar, or borne off and hidden; the handles follow the user's discs.
std::string checkersShown(const backgammon& b) {
    const BackgammonTable& t = b.table;
    const double s = b.scale;
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = t.playerpos[i];
        const platform::Shape& disc = b.Shape1[i];
        const platform::Image& handle = b.Image1[i];
        const std::string which = "the user's checker " + std::to_string(i) + " on " + std::to_string(p);
        if (disc.Tag.get() != std::to_string(t.playertag[i])) return which + " is tagged " + disc.Tag.get();
        if (disc.Visible != (p != kUserOff) || handle.Visible != (p != kUserOff)) return which + " shows wrongly";
        if (p == kUserOff) {
            if (handle.Enabled) return which + " can still be taken";
            continue;
        }
        if (handle.Left != disc.Left || handle.Top != disc.Top) return which + ": its handle lies apart";
        const double left = p == kUserBar ? geo::kUserBar.left * s : *geo::userColumn(p) * s;
        const double top = p == kUserBar ? geo::kUserBar.top * s : *geo::slotTop(p, t.rownum[p] - t.playertag[i]) * s;
        if (!near(disc.Left, left) || !near(disc.Top, top))
            return which + " lies at " + num(disc.Left) + ", " + num(disc.Top) + ", not " + num(left) + ", " + num(top);
    }
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = t.comppos[i];
        const platform::Shape& disc = b.Shape2[i];
        const std::string which = "the computer's checker " + std::to_string(i) + " on " + std::to_string(p);
        if (disc.Tag.get() != std::to_string(t.comptag[i])) return which + " is tagged " + disc.Tag.get();
        if (disc.Visible != (p != kComputerOff)) return which + " shows wrongly";
        if (p == kComputerOff) continue;
        if (p == kComputerBar) {
            if (!near(disc.Left, geo::kComputerBar.left * s) || !near(disc.Top, geo::kComputerBar.top * s))
                return which + " lies off the bar";
            continue;
        }
        // A hitter takes the place of the user's blot, whose column may lie beside its own.
        if (!near(disc.Left, *geo::computerColumn(p) * s) && !near(disc.Left, *geo::userColumn(p) * s))
            return which + " lies in no column of its point, at " + num(disc.Left);
        if (!near(disc.Top, *geo::slotTop(p, t.rownum[p] - t.comptag[i]) * s))
            return which + " lies at height " + num(disc.Top);
    }
    return {};
}

// Turns, the score window and the match: one turn at a time, a finished game moves no more, the
// score window shows the board's totals and decides a match it has seen end, and the board always
// waits for someone.
std::string turnsHold(const backgammon& b) {
    using Closing = backgammonscore::Closing;
    const BackgammonTable& t = b.table;
    const backgammonscore* score = platform::loaded<backgammonscore>();
    if (b.Enabled != (score == nullptr)) return "the board is enabled exactly while no score window is open";
    int running = 0;
    for (const platform::Timer* timer : {&b.Timer1, &b.Timer2, &b.Timer3}) running += timer->Enabled;
    const Closing flag = score ? score->closing() : Closing::Nothing;
    if (flag != Closing::Nothing && (running > 0 || b.userturn())) return "a finished game moves on";
    if (score) {
        if (score->Label3.Caption.get() != b.Label3.Caption.get() || score->Label4.Caption.get() != b.Label4.Caption.get())
            return "the score window shows other totals than the board";
        const int length = matchLength(b.settings.matchlength);
        const bool over = length > 0 && t.playerwins + t.compwins >= length;
        if (flag == Closing::NewMatch && !over) return "a match decided before its end";
        if (flag == Closing::NextGame && over && platform::activeForm() == score) return "a finished match left undecided";
    }
    if (b.userturn()) {
        if (running > 0) return "the computer moves in the user's turn";
        if (turnOver(t)) return "a turn with nothing left to play is not handed over";
        for (const platform::Image* die : {&b.die1, &b.die2, &b.diespot1, &b.diespot2})
            if (die->Enabled) return "the dice can be thrown in the user's turn";
    }
    for (int i = 1; i <= kCheckers; ++i)
        if (b.Image1[i].Enabled && !b.userturn()) return "handle " + std::to_string(i) + " outside the user's turn";
    const bool gameOver = t.playeroff == kCheckers || t.compoff == kCheckers || flag != Closing::Nothing;
    if (running == 0 && !b.userturn() && !b.die1.Enabled && !gameOver) return "the board waits for nothing";
    if (b.Label3.Caption.get() != std::to_string(t.playerscore) || b.Label4.Caption.get() != std::to_string(t.compscore))
        return "the points shown are not the table's";
    if (t.cubevalue < 1 || (t.cubevalue & (t.cubevalue - 1)) != 0)
        return "the stake is " + std::to_string(t.cubevalue) + ", which no doubling gives";
    return {};
}

// Between drags the user's checkers can be grabbed again: no point area lies in front of a handle
// that takes the pointer, wherever the last drag was let go.
std::string handlesInFront(backgammon& b) {
    for (int i = 1; i <= kCheckers; ++i) {
        const platform::Image& handle = b.Image1[i];
        if (!handle.Visible || !handle.Enabled) continue;
        const platform::Control* front = platform::input::hitTest(b, handle.Left + handle.Width / 2, handle.Top + handle.Height / 2);
        for (int p = 1; p <= 24; ++p)
            if (front == &b.Image2[p]) return "the point area " + std::to_string(p) + " covers the handle " + std::to_string(i);
    }
    return {};
}

std::string backgammonHolds(backgammon& b) {
    if (std::string wrong = arraysHold(b); !wrong.empty()) return wrong;
    if (std::string wrong = checkersShown(b); !wrong.empty()) return wrong;
    if (std::string wrong = handlesInFront(b); !wrong.empty()) return wrong;
    return turnsHold(b);
}

std::string scoreHolds(backgammonscore&) {
    if (!platform::loaded<backgammon>()) return "the score window outlives its board";
    return {};
}

// Out of the user's turn the dice and the cube. In it, one checker and the furthest place it may
// go that the pointer can reach, as the drop zone: the tray first, so that the user wins now and
// then, and far places, so that games reach their end. Where several lie on the bar, the
// frontmost (the last) is the one to take.
std::vector<platform::Control*> backgammonMoves(backgammon& b) {
    const BackgammonTable& t = b.table;
    if (!b.userturn()) return {&b.die1, &b.Image4};
    int checker = 0, target = 0;
    platform::Control* zone = nullptr;
    for (int i = 1; i <= kCheckers; ++i) {
        if (!grabbable(t, i)) continue;
        const Targets to = targets(t, i);
        for (int p = kTray; p >= target && p >= 1; --p) {
            platform::Control& area = p == kTray ? static_cast<platform::Control&>(b.Image3) : b.Image2[p];
            if (!to.test(std::size_t(p)) || !gp::reachablePoint(area)) continue;
            checker = i, target = p, zone = &area;
            break;
        }
    }
    if (!checker) return {};
    return {&b.Image1[checker], zone};
}

platform::Form* board() { return platform::loaded<backgammon>(); }

// Where the suggested checker is let go: mostly on its furthest place, now and then on another
// place it may go; else on any point, on the tray whether or not it may bear off, on a name or the
// cube, or on the background or the dice, which take nothing.
std::optional<gp::ClientPoint> backgammonDropAt(backgammon& b, platform::Control& source, gp::ClientPoint, int pick) {
    int checker = 0;
    for (int i = 1; i <= kCheckers; ++i)
        if (&b.Image1[i] == &source) checker = i;
    if (!checker) return std::nullopt;
    const auto area = [&](int p) -> platform::Control& {
        return p == kTray ? static_cast<platform::Control&>(b.Image3) : b.Image2[p];
    };
    if (pick < 850) {
        std::vector<int> places;
        const Targets to = targets(b.table, checker);
        for (int p = 1; p <= kTray; ++p)
            if (to.test(std::size_t(p))) places.push_back(p);
        if (pick < 800 || places.empty()) return std::nullopt;
        return gp::reachablePoint(area(places[static_cast<std::size_t>(pick) % places.size()]));
    }
    if (pick < 900) return gp::reachablePoint(area(1 + pick % 24));
    if (pick < 930) return gp::reachablePoint(area(kTray));
    if (pick < 985) {
        platform::Control* elsewhere[] = {&b.Label1, &b.Label2, &b.Image4};
        return gp::reachablePoint(*elsewhere[pick % 3]);
    }
    const double s = b.scale;
    return pick % 2 ? gp::ClientPoint{100 * s, 100 * s}
                    : gp::ClientPoint{(geo::kUserDie1 + 300) * s, (geo::kDieTop + 300) * s};
}

// The menu items a player keeps coming back to, chosen more often than New Game and Exit: View
// Score (also while the computer moves, so that a game may end under the score window) and the
// options that can be reached now.
std::string chooseOften(backgammon& b, std::mt19937& r) {
    std::vector<platform::Menu*> items{&b.viewscore, &b.viewscore, &b.viewscore};
    for (platform::Menu* item : {&b.playerfirst, &b.compfirst, &b.random, &b.yellow, &b.red, &b.doublecubeon,
                                 &b.doublecubeoff, &b.f3, &b.f5, &b.f7, &b.f9})
        if (item->reachable()) items.push_back(item);
    platform::Menu& item = *items[std::uniform_int_distribution<std::size_t>(0, items.size() - 1)(r)];
    item.userChoose();
    return "menu " + item.Caption.get() + " (often chosen)";
}

// Mostly drags and time passing, so that matches are played to their end; few menu choices, since
// New Game and Exit start the board afresh, and the often chosen ones one gesture in twenty.
const bool backgammonPlayed = gp::playRules<backgammon>("backgammon", {.timers = 1,
                                                                       .holds = backgammonHolds,
                                                                       .moves = backgammonMoves,
                                                                       .acts = chooseOften,
                                                                       .dropAt = backgammonDropAt,
                                                                       .gestures = {200, 800, 20, 20, 300, 1, 1}});
const bool backgammonScorePlayed =
    gp::playRules<backgammonscore>("backgammon score", {.played = false, .locks = board, .holds = scoreHolds});

// Long runs played mostly on the board, at the full screen and the smallest, so that whole matches are
// played, won and lost; closing everything at the end asks nothing.
class BackgammonPlay : public ProgramTest {
protected:
    void run(std::uint32_t seed, int steps, int width, int height) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        leaveHomeUnpainted();
        play(seed, steps, typeid(backgammon), [&] {
            setScreen(width, height);
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            platform::window<backgammon>().Show();
        });
        platform::unloadAll();
        settle();
    }
};

TEST_F(BackgammonPlay, WholeMatchesKeepEveryChecker) {
    for (std::uint32_t seed : {31u, 32u, 33u, 36u}) {
        run(seed, 6000, 1024, 768);
        if (HasFailure()) break;
    }
}

TEST_F(BackgammonPlay, TheSmallestBoardToo) { run(34u, 4000, 640, 480); }

}  // namespace
