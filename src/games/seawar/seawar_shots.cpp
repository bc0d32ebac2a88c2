#include "games/seawar/seawar_shots.h"

namespace seawarrules {
namespace {

bool ongrid(int cell) { return cell >= kFirstUserCell && cell <= kLastUserCell; }

// A cell fired at without being probed or hit: a miss of the hunt.
bool huntedmiss(const SeaWarTable& t, int cell) { return ongrid(cell) && t.compfired[cell] && !t.probed[cell]; }

// The first neighbour of `base` the follow-up may fire at: right, up, left, down, never across the
// grid's edge, never a cell fired at, and only along the orientation once it is known.
int neighbour(const SeaWarTable& t, int base) {
    if (!ongrid(base)) return 0;
    const auto open = [&](int cell) { return !t.compfired[cell]; };
    if (columnof(base) != 10 && open(base + 1) && t.targetway != kUp) return base + 1;
    if (rowof(base) != 1 && open(base - 10) && t.targetway != kSide) return base - 10;
    if (columnof(base) != 1 && open(base - 1) && t.targetway != kUp) return base - 1;
    if (rowof(base) != 10 && open(base + 10) && t.targetway != kSide) return base + 10;
    return 0;
}

int hunt(const SeaWarTable& t, const Draw& draw) {
    bool anyLeft = false;
    bool boardLeft = false;
    for (int cell = kFirstUserCell; cell <= kLastUserCell; ++cell) {
        if (t.compfired[cell]) continue;
        anyLeft = true;
        boardLeft = boardLeft || oncheckerboard(cell);
    }
    if (!anyLeft) return 0;
    for (;;) {
        const int cell = draw(101, 101);
        if (ongrid(cell) && !t.compfired[cell] && (oncheckerboard(cell) || !boardLeft)) return cell;
    }
}

struct Messages {
    std::string_view hit, sunk;
};

Messages messagesOf(int ship) {
    switch (ship) {
    case kCarrier: return {"Enemy Air Craft Carrier Hit", "Enemy Air Craft Carrier Sunk"};
    case kBattleship: return {"Enemy Battleship Hit", "Enemy Battleship Sunk"};
    case kSubmarine: return {"Enemy Submarine Hit", "Enemy Submarine Sunk"};
    case kDestroyer: return {"Enemy Destroyer Hit", "Enemy Destroyer Sunk"};
    case kCruiser: return {"Enemy Cruiser Hit", "Enemy Cruiser Sunk"};
    default: return {};
    }
}

}  // namespace

Shot usershot(SeaWarTable& t, int cell) {
    if (cell < 1 || cell > 100 || t.playerfired[cell]) return {};
    t.playerfired[cell] = true;
    ++t.playershots;
    for (int ship : kShotOrder) {
        if (!holds(t.enemycells[ship], ship, cell)) continue;
        const bool sunk = ++t.enemyhits[ship] == shipsize(ship);
        if (sunk) --t.enemyafloat;
        return {true, ship, sunk};
    }
    return {true, 0, false};
}

Shot compfire(SeaWarTable& t, int cell) {
    t.compfired[cell] = true;
    ++t.compshots;
    for (int ship : kShotOrder) {
        const ShipCells& cells = t.playercells[ship];
        if (!holds(cells, ship, cell)) continue;
        if (t.playerhits[ship] == 0) {
            t.targetway = 0;
            t.firsthit = cell;
        }
        t.targetmode = kTargeting;
        t.probebase = cell;
        if (++t.playerhits[ship] >= 2) {
            if (holds(cells, ship, t.firsthit - 10) || holds(cells, ship, t.firsthit + 10)) t.targetway = kUp;
            if (holds(cells, ship, t.firsthit - 1) || holds(cells, ship, t.firsthit + 1)) t.targetway = kSide;
        }
        const bool sunk = t.playerhits[ship] == shipsize(ship);
        if (sunk) {
            --t.playerafloat;
            t.targetmode = 0;
        }
        t.probed[cell] = true;
        return {true, ship, sunk};
    }
    t.probebase = t.firsthit;
    return {true, 0, false};
}

bool turnends(std::string_view gametype, int shots, int ownafloat) {
    if (gametype == "Salvo") return shots >= ownafloat;
    if (gametype == "Volley") return shots >= 5;
    return true;
}

bool userturnends(const SeaWarTable& t, std::string_view gametype) {
    return turnends(gametype, t.playershots, t.playerafloat);
}

bool compturnends(const SeaWarTable& t, std::string_view gametype) {
    return turnends(gametype, t.compshots, t.enemyafloat);
}

bool userturnover(SeaWarTable& t, std::string_view gametype) {
    if (!userturnends(t, gametype)) return false;
    t.compshots = 0;
    return true;
}

bool compturnover(SeaWarTable& t, std::string_view gametype) {
    if (!compturnends(t, gametype)) return false;
    t.playershots = 0;
    return true;
}

CompShot compshot(SeaWarTable& t, const Draw& draw) {
    const int cell = choosetarget(t, draw);
    return {cell, compfire(t, cell)};
}

bool oncheckerboard(int cell) { return ongrid(cell) && (rowof(cell) + columnof(cell)) % 2 == 0; }

int choosetarget(SeaWarTable& t, const Draw& draw) {
    int cell = 0;
    if (t.targetmode == kTargeting) {
        // Where the way ahead along a known orientation is closed, go back to the first hit.
        const int last = t.targetcell;
        if (t.targetway == kSide && (huntedmiss(t, last + 1) || columnof(last) == 10)) t.probebase = t.firsthit;
        if (t.targetway == kUp && (huntedmiss(t, last - 10) || rowof(last) == 1)) t.probebase = t.firsthit;
        cell = neighbour(t, t.probebase);
        if (!cell) cell = neighbour(t, t.firsthit);
        if (cell) t.probed[cell] = true;
    }
    if (!cell) cell = hunt(t, draw);
    t.targetcell = cell;
    return cell;
}

std::string_view hitmessage(int ship) { return messagesOf(ship).hit; }

std::string_view sunkmessage(int ship) { return messagesOf(ship).sunk; }

}  // namespace seawarrules
