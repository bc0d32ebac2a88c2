#pragma once

#include "games/backgammon/backgammon_user.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <set>

// Boards for tests, written the short way: stacks of checkers by point for each side. The user's
// bar is point 0 and the computer's 25; a side's checkers not placed are borne off.
namespace bgtest {

struct Stack {
    int point, count;
};

// One side's checkers from its stacks: depths from the board's edge, counts by point, and the
// checkers not placed borne off.
inline void placeSide(bgrules::BackgammonTable& t, std::initializer_list<Stack> stacks, int bar, int off,
                      std::array<std::int16_t, 16>& pos, std::array<std::int16_t, 16>& tag, int& borne) {
    using namespace bgrules;
    int next = 1;
    for (const Stack& s : stacks)
        for (int k = 0; k < s.count; ++k, ++next) {
            pos[next] = static_cast<std::int16_t>(s.point);
            tag[next] = static_cast<std::int16_t>(s.point == bar ? kBarDepth : s.count - k);
            if (s.point != bar) ++t.rownum[s.point];
        }
    for (; next <= kCheckers; ++next, ++borne) {
        pos[next] = static_cast<std::int16_t>(off);
        tag[next] = kOffDepth;
    }
}

inline bgrules::BackgammonTable board(std::initializer_list<Stack> user, std::initializer_list<Stack> computer = {}) {
    using namespace bgrules;
    BackgammonTable t;
    placeSide(t, user, kUserBar, kUserOff, t.playerpos, t.playertag, t.playeroff);
    placeSide(t, computer, kComputerBar, kComputerOff, t.comppos, t.comptag, t.compoff);
    for (const Stack& s : user)
        if (s.point != kUserBar) t.row[s.point] = static_cast<std::int16_t>(usercode(t.rownum[s.point]));
    for (const Stack& s : computer)
        if (s.point != kComputerBar) t.row[s.point] = static_cast<std::int16_t>(computercode(t.rownum[s.point]));
    return t;
}

// The user's dice as a roll leaves them.
inline void dice(bgrules::BackgammonTable& t, int d1, int d2) {
    t.playerdie1 = d1;
    t.playerdie2 = d2;
    t.playerdoubles = d1 == d2;
    t.playerdie3 = t.playerdie4 = t.doublesvalue = t.playerdoubles ? d1 : 0;
    t.movesleft = t.playerdoubles ? 4 : 2;
    t.firstrolldone = 1;
}

// The user's dice part-way through a turn: the four as left, doubles when the third or fourth is.
inline void diceLeft(bgrules::BackgammonTable& t, std::array<int, 4> left, int movesleft) {
    t.playerdie1 = left[0];
    t.playerdie2 = left[1];
    t.playerdie3 = left[2];
    t.playerdie4 = left[3];
    t.playerdoubles = left[2] || left[3];
    t.doublesvalue = std::max(left[2], left[3]);
    t.movesleft = movesleft;
    t.firstrolldone = 1;
}

// The user's checker that can be grabbed on a point: its top one, or on the bar the last one,
// which lies in front of the others there. 0 when there is none.
inline int checkerOn(const bgrules::BackgammonTable& t, int point) {
    int found = 0;
    for (int i = 1; i <= bgrules::kCheckers; ++i) {
        if (t.playerpos[i] != point) continue;
        if (point == bgrules::kUserBar) found = i;
        if (t.playertag[i] == bgrules::kTopDepth) return i;
    }
    return found;
}

// The places a set of targets marks, the tray as bgrules::kTray.
inline std::set<int> marked(const bgrules::Targets& m) {
    std::set<int> places;
    for (int p = 0; p <= bgrules::kTray; ++p)
        if (m.test(std::size_t(p))) places.insert(p);
    return places;
}

}  // namespace bgtest
