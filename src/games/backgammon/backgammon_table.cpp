#include "games/backgammon/backgammon_table.h"

namespace bgrules {
namespace {

struct Opening {
    int point, tag;
};
// Checker i of each side at the start of a game: its point and its depth, the checker at the
// board's edge deepest.
constexpr std::array<Opening, 16> kUserOpening{{{0, 0},
    {1, 2}, {1, 1}, {12, 5}, {12, 4}, {12, 3}, {12, 2}, {12, 1}, {17, 3}, {17, 2}, {17, 1},
    {19, 5}, {19, 4}, {19, 3}, {19, 2}, {19, 1}}};
constexpr std::array<Opening, 16> kComputerOpening{{{0, 0},
    {24, 2}, {24, 1}, {13, 5}, {13, 4}, {13, 3}, {13, 2}, {13, 1}, {8, 3}, {8, 2}, {8, 1},
    {6, 5}, {6, 4}, {6, 3}, {6, 2}, {6, 1}}};

}  // namespace

int usercode(int count) { return count <= 0 ? kEmpty : count == 1 ? kUserBlot : kUserPoint; }

int computercode(int count) { return count <= 0 ? kEmpty : count == 1 ? kComputerBlot : kComputerPoint; }

void newGame(BackgammonTable& t) {
    t.firstrolldone = 0;
    t.compownscube = 0;
    t.compoffered = 0;
    t.movesleft = 0;
    t.cubevalue = 1;
    t.playerdoubles = false;
    t.playerdie1 = t.playerdie2 = t.playerdie3 = t.playerdie4 = 0;
    t.compdie1 = t.compdie2 = t.compdie3 = t.compdie4 = 0;
    t.playeroff = 0;
    t.compoff = 0;
    t.row.fill(0);
    t.rownum.fill(0);
    for (int i = 1; i <= kCheckers; ++i) {
        t.playerpos[i] = static_cast<std::int16_t>(kUserOpening[i].point);
        t.playertag[i] = static_cast<std::int16_t>(kUserOpening[i].tag);
        t.comppos[i] = static_cast<std::int16_t>(kComputerOpening[i].point);
        t.comptag[i] = static_cast<std::int16_t>(kComputerOpening[i].tag);
        ++t.rownum[t.playerpos[i]];
        ++t.rownum[t.comppos[i]];
    }
    for (int i = 1; i <= kCheckers; ++i) {
        t.row[t.playerpos[i]] = static_cast<std::int16_t>(usercode(t.rownum[t.playerpos[i]]));
        t.row[t.comppos[i]] = static_cast<std::int16_t>(computercode(t.rownum[t.comppos[i]]));
    }
}

int firstRoller(std::string_view holder, const Draw& draw) {
    if (holder == "R") return draw(2);
    return holder == "C" ? 2 : 1;
}

bool useronbar(const BackgammonTable& t) {
    for (int i = 1; i <= kCheckers; ++i)
        if (onbar(t.playertag[i])) return true;
    return false;
}

int userpips(const BackgammonTable& t) {
    int pips = 0;
    for (int i = 1; i <= kCheckers; ++i) {
        if (t.playertag[i] >= 40)
            pips += 25;
        else if (t.playerpos[i] >= 1 && t.playerpos[i] <= 24)
            pips += 25 - t.playerpos[i];
    }
    return pips;
}

int computerpips(const BackgammonTable& t) {
    int pips = 0;
    for (int i = 1; i <= kCheckers; ++i) {
        if (t.comptag[i] >= 40)
            pips += 25;
        else if (t.comppos[i] >= 1 && t.comppos[i] <= 24)
            pips += t.comppos[i];
    }
    return pips;
}

}  // namespace bgrules
