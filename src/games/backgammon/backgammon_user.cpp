#include "games/backgammon/backgammon_user.h"

#include <array>
#include <cmath>

namespace bgrules {
namespace {

bool open(const BackgammonTable& t, int point) { return t.row[point] != kComputerPoint; }

// The lowest point holding one of the user's checkers, 0 when none does.
int rearmost(const BackgammonTable& t) {
    for (int point = 1; point <= 24; ++point)
        if (t.row[point] == kUserPoint || t.row[point] == kUserBlot) return point;
    return 0;
}

bool allhome(const BackgammonTable& t) {
    for (int i = 1; i <= kCheckers; ++i)
        if (t.playerpos[i] < 19) return false;
    return true;
}

void markPoints(const BackgammonTable& t, int p, Targets& m) {
    const int d1 = t.playerdie1, d2 = t.playerdie2, d3 = t.playerdie3, d4 = t.playerdie4;
    const auto mark = [&](int target, bool when) {
        if (when && open(t, target) && target <= 24) m.set(static_cast<std::size_t>(target));
    };
    const bool reached = (d1 && open(t, p + d1)) || (d2 && open(t, p + d2));
    mark(p + d1, d1 != 0);
    mark(p + d2, d2 != 0);
    mark(p + d1 + d2, d1 && d2 && reached);
    mark(p + d1 + d2 + d3 + d4, d1 && d2 && d3 && d4);
    mark(p + d1 + d2 + d3, d1 && d2 && d3);
    mark(p + d2 + d3 + d4, d2 && d3 && d4);
    mark(p + d3 + d4, d3 && d4);
    mark(p + d3, d3 != 0);
    mark(p + d4, d4 != 0);
    if (!t.playerdoubles) return;
    // After doubles every stop on the way must be open.
    for (int d : {d1, d2, d3, d4})
        if (!open(t, p + d)) {
            m.reset();
            return;
        }
    const int D = t.doublesvalue;
    const auto unmark = [&](int target) {
        if (target >= 1 && target <= 24) m.reset(static_cast<std::size_t>(target));
    };
    if (!open(t, p + 2 * D)) unmark(p + 3 * D), unmark(p + 4 * D);
    if (!open(t, p + 3 * D)) unmark(p + 4 * D);
}

bool trayMarked(const BackgammonTable& t, int p) {
    const int d1 = t.playerdie1, d2 = t.playerdie2, d3 = t.playerdie3, d4 = t.playerdie4;
    const int back = rearmost(t);
    if (t.playerdoubles) {
        // One move of the double: exactly off, or the rearmost checker with room to spare.
        const int D = t.doublesvalue;
        return p + D == kTray || (p + D > kTray && p <= back);
    }
    // Every die carries the rearmost checker off. A die larger than a checker needs bears it off
    // only from the rearmost point, so these dice take no other checker off.
    bool large = p == back;
    for (int d : {d1, d2, d3, d4})
        if (d != 0 && d < kTray - back) large = false;
    const bool exact = (d1 && p + d1 == kTray) || (d2 && p + d2 == kTray);
    const bool both = d1 && d2 && p + d1 + d2 == kTray && (open(t, p + d1) || open(t, p + d2));
    return exact || both || large;
}

// The dice reach past the last point from where the checker stands.
bool reachesOff(const BackgammonTable& t, int p) {
    const int d1 = t.playerdie1, d2 = t.playerdie2, d3 = t.playerdie3, d4 = t.playerdie4;
    for (int sum : {d1, d2, d3, d4, d1 + d2, d3 + d4, d1 + d2 + d3, d1 + d2 + d3 + d4})
        if (p + sum >= kTray) return true;
    return false;
}

int spend(std::initializer_list<int*> dice) {
    int count = 0;
    for (int* d : dice)
        if (d && *d) *d = 0, ++count;
    return count;
}

// The dice a move from p to the target spends: those of the first of these sums that reaches it.
// Returns how many were still to play.
int spendSum(BackgammonTable& t, int p, int target) {
    int* const d1 = &t.playerdie1;
    int* const d2 = &t.playerdie2;
    int* const d3 = &t.playerdie3;
    int* const d4 = &t.playerdie4;
    const std::array<std::array<int*, 4>, 9> sums{{
        {d1, d2, d3, d4}, {d1, d2, d3}, {d4, d2, d3}, {d1, d2}, {d3, d4}, {d1}, {d2}, {d3}, {d4}}};
    for (const auto& sum : sums) {
        int total = p;
        for (const int* d : sum)
            if (d) total += *d;
        if (total == target) return spend({sum[0], sum[1], sum[2], sum[3]});
    }
    return 0;
}

// The dice of the first sum that carries the checker from p exactly off; with both dice exact,
// the larger is kept.
int spendExact(BackgammonTable& t, int p) {
    int& d1 = t.playerdie1;
    int& d2 = t.playerdie2;
    if (p + d1 == kTray && p + d2 == kTray) return spend({d1 >= d2 ? &d2 : &d1});
    return spendSum(t, p, kTray);
}

// The dice a bear-off from p spends, and how many. Dice all larger than the rearmost checker's
// distance spend the largest; otherwise an exact sum spends its dice; anything else spends the
// smallest die that carries the checker off, so that no checker ever comes off free.
int spendBearOff(BackgammonTable& t, int p, int dist) {
    const auto within = [dist](int d) { return d != 0 && d <= dist; };
    int* const d1 = &t.playerdie1;
    int* const d2 = &t.playerdie2;
    const bool doublesBeyond = t.playerdoubles && !within(*d1) && !within(*d2) && !within(t.playerdie3) &&
                               !within(t.playerdie4);
    int spent = 0;
    if (!doublesBeyond && !within(*d1) && !within(*d2))
        spent = spend({*d1 > *d2 ? d1 : d2});
    else if (!doublesBeyond)
        spent = spendExact(t, p);
    if (spent) return spent;
    int* smallest = nullptr;
    for (int* d : {d1, d2, &t.playerdie3, &t.playerdie4})
        if (*d && p + *d >= kTray && (!smallest || *d < *smallest)) smallest = d;
    return spend({smallest});
}

}  // namespace

void rollUser(BackgammonTable& t, const Draw& draw) {
    t.playerdoubles = false;
    t.doublesvalue = 0;
    t.compdie1 = t.compdie2 = t.compdie3 = t.compdie4 = 0;
    t.playerdie3 = t.playerdie4 = 0;
    t.movesleft = 2;
    t.playerdie1 = draw(6);
    t.playerdie2 = draw(6);
    if (t.firstrolldone == 0) {
        // No game opens on a pair of ones.
        while (t.playerdie1 == 1 && t.playerdie2 == 1) {
            t.playerdie1 = draw(6);
            t.playerdie2 = draw(6);
        }
        t.firstrolldone = 1;
    }
    if (t.playerdie1 != t.playerdie2) return;
    t.playerdoubles = true;
    t.playerdie3 = t.playerdie4 = t.doublesvalue = t.playerdie1;
    t.movesleft = 4;
}

Targets targets(const BackgammonTable& t, int checker) {
    Targets m;
    const int p = t.playerpos[checker];
    if (p == kUserOff) return m;
    // While a checker waits on the bar, only checkers on the bar move.
    if (useronbar(t) && !onbar(t.playertag[checker])) return m;
    markPoints(t, p, m);
    if (allhome(t) && reachesOff(t, p) && trayMarked(t, p)) m.set(kTray);
    return m;
}

bool grabbable(const BackgammonTable& t, int checker) {
    const int tag = t.playertag[checker];
    return t.playerpos[checker] != kUserOff && (tag == kTopDepth || onbar(tag));
}

UserMove moveUser(BackgammonTable& t, int checker, int target) {
    UserMove move{t.playerpos[checker], target, t.rownum[target], 0};
    const int from = move.from;
    spendSum(t, from, target);
    for (int i = 1; i <= kCheckers; ++i) {
        if (t.playerpos[i] == target) ++t.playertag[i];
        if (t.playerpos[i] == from && t.playertag[i] < kBarDepth) --t.playertag[i];
    }
    t.playertag[checker] = kTopDepth;
    if (t.playerdoubles)
        t.movesleft -= static_cast<int>(std::nearbyint(double(target - from) / t.doublesvalue));
    else
        --t.movesleft;
    if (t.row[target] == kComputerBlot) {
        for (int i = 1; i <= kCheckers; ++i) {
            if (t.comppos[i] != target) continue;
            t.comppos[i] = kComputerBar;
            t.comptag[i] = kBarDepth;
            move.hit = i;
            break;
        }
        // The blot's count now counts the user's checker, which takes the point's first place.
        move.slot = 0;
    } else {
        ++t.rownum[target];
    }
    t.row[target] = static_cast<std::int16_t>(usercode(t.rownum[target]));
    if (from != kUserBar) {
        --t.rownum[from];
        t.row[from] = static_cast<std::int16_t>(usercode(t.rownum[from]));
    }
    t.playerpos[checker] = static_cast<std::int16_t>(target);
    return move;
}

int bearOff(BackgammonTable& t, int checker) {
    const int from = t.playerpos[checker];
    const int spent = spendBearOff(t, from, kTray - rearmost(t));
    ++t.playeroff;
    t.playerpos[checker] = kUserOff;
    t.playertag[checker] = kOffDepth;
    t.movesleft -= t.playerdoubles ? spent : 1;
    for (int i = 1; i <= kCheckers; ++i)
        if (t.playerpos[i] == from && t.playertag[i] < kBarDepth) --t.playertag[i];
    --t.rownum[from];
    t.row[from] = static_cast<std::int16_t>(usercode(t.rownum[from]));
    if (!t.playerdie1 && !t.playerdie2 && t.playerdie3 && t.playerdie4) {
        t.playerdie1 = t.playerdie3;
        t.playerdie2 = t.playerdie4;
        t.playerdie3 = t.playerdie4 = 0;
    }
    return from;
}

void rez(BackgammonTable& t) {
    for (int point = 1; point <= 24; ++point) {
        if (t.rownum[point] == 1 && t.row[point] == kComputerPoint) t.row[point] = kComputerBlot;
        if (t.rownum[point] == 0) t.row[point] = kEmpty;
    }
}

bool turnOver(const BackgammonTable& t) {
    if (!t.playerdie1 && !t.playerdie2 && !t.playerdie3 && !t.playerdie4) return true;
    if (t.movesleft <= 0) return true;
    for (int i = 1; i <= kCheckers; ++i)
        if (grabbable(t, i) && targets(t, i).any()) return false;
    return true;
}

}  // namespace bgrules
