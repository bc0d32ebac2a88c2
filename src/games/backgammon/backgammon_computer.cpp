#include "games/backgammon/backgammon_computer.h"

namespace bgrules {
namespace {

constexpr std::string_view kFlick = "flick.wav";
constexpr std::string_view kSquirt = "squirt.wav";

bool usersPoint(const BackgammonTable& t, int point) { return t.row[point] == kUserPoint; }

// The working values of one tick, surveyed before anything moves.
struct Survey {
    bool onbar = false;
    bool allhome = true;
    int compback = 0;     // the computer's rearmost point, 0 when none is on the board
    int backchecker = 0;  // the top checker there
    int playerback = 0;   // the user's rearmost point, 0 when none is on the board
    bool contact() const { return playerback < compback; }
};

Survey survey(const BackgammonTable& t) {
    Survey s;
    for (int i = 1; i <= kCheckers; ++i) {
        if (t.comptag[i] >= 31) s.onbar = true;
        if (t.comptag[i] >= 40 || t.comppos[i] > 6) s.allhome = false;
    }
    for (int p = 24; p >= 1 && !s.compback; --p)
        if (t.row[p] == kComputerPoint || t.row[p] == kComputerBlot) s.compback = p;
    for (int i = kCheckers; i >= 1 && s.compback && !s.backchecker; --i)
        if (t.comptag[i] == kTopDepth && t.comppos[i] == s.compback) s.backchecker = i;
    for (int p = 1; p <= 24 && !s.playerback; ++p)
        if (t.row[p] == kUserPoint || t.row[p] == kUserBlot) s.playerback = p;
    return s;
}

int topChecker(const BackgammonTable& t, int point) {
    for (int i = 1; i <= kCheckers; ++i)
        if (t.comptag[i] == kTopDepth && t.comppos[i] == point) return i;
    return 0;
}

int* die(BackgammonTable& t, int which) { return which == 1 ? &t.compdie1 : &t.compdie2; }

// The bear-off choice: an exact die, replaced by a larger die from the rearmost point.
struct Choice {
    int checker = 0, which = 0;
};
Choice bearOffChoice(const BackgammonTable& t, const Survey& s) {
    Choice c;
    for (int which : {1, 2}) {
        const int d = which == 1 ? t.compdie1 : t.compdie2;
        if (const int k = d ? topChecker(t, d) : 0) c = {k, which};
    }
    for (int which : {1, 2}) {
        const int d = which == 1 ? t.compdie1 : t.compdie2;
        if (d >= s.compback)
            if (const int k = topChecker(t, s.compback)) c = {k, which};
    }
    return c;
}

struct Scan {
    int checker = 0, from = 0, to = 0, which = 0;
};
enum class Rule { Hit, Point, Run };

Scan scan(const BackgammonTable& t, const Survey& s, Rule rule) {
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = t.comppos[i];
        if (rule == Rule::Point && (p < 1 || p > 24)) continue;
        if (rule == Rule::Run && (t.comptag[i] != kTopDepth || p < 19 || p > 24)) continue;
        for (int which : {1, 2}) {
            const int d = which == 1 ? t.compdie1 : t.compdie2;
            const int target = p - d;
            if (!d || target < 1) continue;
            const int code = t.row[target];
            const bool takes = rule == Rule::Hit     ? code == kUserBlot
                               : rule == Rule::Point ? s.contact() && (code == kComputerPoint || code == kComputerBlot)
                                                     : code != kUserPoint && code != kUserBlot;
            if (takes) return {i, p, target, which};
        }
    }
    return {};
}

void plainMove(BackgammonTable& t, ComputerTick& tick, int k, int to, int which) {
    const int from = t.comppos[k];
    tick.action = ComputerTick::Action::Move;
    tick.checker = k;
    tick.from = from;
    tick.to = to;
    tick.slot = t.rownum[to];
    if (tick.sound.empty()) tick.sound = kFlick;
    for (int i = 1; i <= kCheckers; ++i) {
        if (from != kComputerBar && t.comppos[i] == from) --t.comptag[i];
        if (t.comppos[i] == to) ++t.comptag[i];
    }
    t.comptag[k] = kTopDepth;
    t.comppos[k] = static_cast<std::int16_t>(to);
    if (from != kComputerBar) {
        --t.rownum[from];
        t.row[from] = static_cast<std::int16_t>(computercode(t.rownum[from]));
    }
    ++t.rownum[to];
    t.row[to] = static_cast<std::int16_t>(computercode(t.rownum[to]));
    *die(t, which) = 0;
}

void hitMove(BackgammonTable& t, ComputerTick& tick, int k, int to, int which) {
    const int from = t.comppos[k];
    int h = 0;
    for (int i = kCheckers; i >= 1; --i)
        if (t.playerpos[i] == to) h = i;
    tick.action = ComputerTick::Action::Hit;
    tick.checker = k;
    tick.from = from;
    tick.to = to;
    tick.hit = h;
    if (tick.sound.empty()) tick.sound = kSquirt;
    if (from != kComputerBar)
        for (int i = 1; i <= kCheckers; ++i)
            if (t.comppos[i] == from) --t.comptag[i];
    t.comptag[k] = kTopDepth;
    t.comppos[k] = static_cast<std::int16_t>(to);
    t.playerpos[h] = kUserBar;
    t.playertag[h] = kBarDepth;
    t.row[to] = kComputerBlot;
    t.rownum[to] = 1;
    if (from != kComputerBar) {
        --t.rownum[from];
        t.row[from] = static_cast<std::int16_t>(computercode(t.rownum[from]));
    }
    *die(t, which) = 0;
}

// A move onto a point, hitting when a user's blot is there.
void moveTo(BackgammonTable& t, ComputerTick& tick, int k, int to, int which) {
    if (t.row[to] == kUserBlot)
        hitMove(t, tick, k, to, which);
    else
        plainMove(t, tick, k, to, which);
}

void bearOff(BackgammonTable& t, ComputerTick& tick, const Choice& c) {
    const int k = c.checker;
    const int from = t.comppos[k];
    tick.action = ComputerTick::Action::BearOff;
    tick.checker = k;
    tick.from = from;
    tick.to = kComputerOff;
    tick.sound = kFlick;
    ++t.compoff;
    --t.rownum[from];
    t.row[from] = static_cast<std::int16_t>(computercode(t.rownum[from]));
    for (int i = 1; i <= kCheckers; ++i)
        if (t.comppos[i] == from) --t.comptag[i];
    t.comppos[k] = kComputerOff;
    t.comptag[k] = kOffDepth;
    *die(t, c.which) = 0;
    tick.won = t.compoff == kCheckers;
}

void enter(BackgammonTable& t, ComputerTick& tick) {
    int k = 0;
    for (int i = kCheckers; i >= 1; --i)
        if (t.comptag[i] >= 31) k = i;
    const auto enters = [&](int d) { return d && !usersPoint(t, kComputerBar - d); };
    if (!enters(t.compdie1) && !enters(t.compdie2)) {
        tick.turnOver = true;
        return;
    }
    const int which = enters(t.compdie1) ? 1 : 2;
    moveTo(t, tick, k, kComputerBar - *die(t, which), which);
}

// All home with no checker to bear off: the back checker moves, and loses its die when the user
// holds the target.
void moveBackChecker(BackgammonTable& t, ComputerTick& tick, const Survey& s) {
    const int which = t.compdie1 ? 1 : 2;
    const int to = s.compback - *die(t, which);
    tick.sound = kFlick;
    if (to < 1 || usersPoint(t, to)) {
        *die(t, which) = 0;
        tick.action = ComputerTick::Action::GiveUp;
        return;
    }
    moveTo(t, tick, s.backchecker, to, which);
}

bool fallback(BackgammonTable& t, ComputerTick& tick) {
    for (int which : {1, 2}) {
        const int d = *die(t, which);
        if (!d) continue;
        int best = 0;
        for (int i = 1; i <= kCheckers; ++i) {
            const int p = t.comppos[i];
            if (t.comptag[i] != kTopDepth || p - d < 1 || usersPoint(t, p - d)) continue;
            if (!best || p >= t.comppos[best]) best = i;
        }
        if (!best) continue;
        plainMove(t, tick, best, t.comppos[best] - d, which);
        return true;
    }
    return false;
}

// Every checker is borne off or has each die still to play blocked.
bool allStuck(const BackgammonTable& t, bool allhome) {
    const int d1 = t.compdie1, d2 = t.compdie2;
    const auto blocked = [&](int p, int d) {
        if (!d) return true;
        return p - d <= 0 ? !allhome : usersPoint(t, p - d);
    };
    for (int i = 1; i <= kCheckers; ++i) {
        const int p = t.comppos[i];
        if (p == kComputerOff) continue;
        if (!blocked(p, d1) || !blocked(p, d2)) return false;
    }
    return true;
}

}  // namespace

void rollComputer(BackgammonTable& t, const Draw& draw) {
    t.compdoubles = false;
    t.compdie1 = draw(6);
    t.compdie2 = draw(6);
    if (t.compdie1 != t.compdie2) return;
    t.compdoubles = true;
    t.compdie3 = t.compdie1;
    t.compdie4 = t.compdie2;
}

ComputerTick computerTick(BackgammonTable& t) {
    ComputerTick tick;
    const Survey s = survey(t);
    const Choice choice = bearOffChoice(t, s);
    if (s.onbar) {
        enter(t, tick);
    } else if (s.allhome && choice.checker) {
        bearOff(t, tick, choice);
    } else if (s.allhome) {
        moveBackChecker(t, tick, s);
    } else if (const Scan run = scan(t, s, Rule::Run); run.checker) {
        plainMove(t, tick, run.checker, run.to, run.which);
    } else if (const Scan point = scan(t, s, Rule::Point); point.checker) {
        plainMove(t, tick, topChecker(t, point.from), point.to, point.which);
    } else if (const Scan hit = scan(t, s, Rule::Hit); hit.checker) {
        hitMove(t, tick, topChecker(t, hit.from), hit.to, hit.which);
    } else {
        fallback(t, tick);
    }
    if (tick.won) return tick;
    const bool used = !t.compdie1 && !t.compdie2;
    if (used && !t.compdoubles) tick.turnOver = true;
    if (used && t.compdoubles) {
        t.compdie1 = t.compdie3;
        t.compdie2 = t.compdie4;
        t.compdie3 = t.compdie4 = 0;
        t.compdoubles = false;
    }
    if (allStuck(t, s.allhome)) tick.turnOver = true;
    if (tick.turnOver) t.compdoubles = false;
    return tick;
}

}  // namespace bgrules
