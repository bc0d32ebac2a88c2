#include "games/euchre/euchre_scoring.h"

#include "core/numbers.h"

namespace euchrerules {
namespace {

bool playsInTrick(const EuchreTable& t, int seat) { return !(seat == kPartner && t.alone == -1); }

void findCards(EuchreTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (!playsInTrick(t, seat)) continue;
        for (int slot = 1; slot <= kSlots; ++slot) {
            if (t.dealtsuit[slot] != t.tricksuit[seat] || t.cardrank[slot] != t.trickvalue[seat]) continue;
            t.trickslot[seat] = slot;
            t.cardrank[slot] = 0;
            break;
        }
    }
}

void raiseValues(EuchreTable& t) {
    for (int seat = 1; seat <= 4; ++seat) {
        if (t.trickvalue[seat] == 11 && t.tricksuit[seat] == t.trump) t.trickvalue[seat] += 200;
        if (isLeftBower(t.trickvalue[seat], t.tricksuit[seat], t.trump)) {
            t.trickvalue[seat] += 150;
            t.tricksuit[seat] = t.trump;
        }
    }
    for (int seat = 1; seat <= 4; ++seat) {
        if (t.tricksuit[seat] == t.trump) t.trickvalue[seat] += 100;
        if (t.tricksuit[seat] == t.leadsuit) t.trickvalue[seat] += 50;
    }
    if (t.alone == -1) t.trickvalue[kPartner] = 0;
}

int winnerOf(const EuchreTable& t) {
    const auto& v = t.trickvalue;
    int w = v[1] > v[2] ? 1 : 2;
    if (v[3] >= v[w]) w = 3;
    if (v[4] >= v[w]) w = 4;
    return w;
}

}  // namespace

int judgeTrick(EuchreTable& t) {
    t.trickslot = {};
    findCards(t);
    raiseValues(t);
    const int winner = winnerOf(t);
    for (int seat = 1; seat <= 4; ++seat) {
        if (!playsInTrick(t, seat)) continue;
        if (int* count = suitcount(t, seat, t.tricksuit[seat])) --*count;
        if (t.trickslot[seat]) t.tag[t.trickslot[seat]] = kOutOfPlay;
    }
    t.trickwinner = winner;
    return winner;
}

bool countTrick(EuchreTable& t) {
    ++t.trickswon[t.turn];
    if (t.trickswon[1] + t.trickswon[2] + t.trickswon[3] + t.trickswon[4] < 5) {
        t.leader = t.turn;
        return false;
    }
    t.playing = false;
    return true;
}

void scoreHand(EuchreTable& t) {
    const int makers = teamOf(t.maker);
    const int tricks = makers == 1 ? t.trickswon[1] + t.trickswon[3] : t.trickswon[2] + t.trickswon[4];
    const int defenders = 3 - makers;
    if (tricks == 5)
        t.teampoints[makers] += makers == 1 && t.alone == -1 ? 4 : 2;
    else if (tricks >= 3)
        t.teampoints[makers] += 1;
    else
        t.teampoints[defenders] += 2;
}

int playTarget(std::string_view text) {
    const int target = core::toInt(text, 0);
    return target > 0 ? target : kDefaultTarget;
}

int gameWinner(const EuchreTable& t, int target) {
    if (t.teampoints[1] >= target) return 1;
    if (t.teampoints[2] >= target) return 2;
    return 0;
}

}  // namespace euchrerules
