#include "games/seawar/seawar_placement.h"
#include "games/seawar/seawar_shots.h"

#include <gtest/gtest.h>

#include <deque>
#include <random>
#include <stdexcept>
#include <vector>

using namespace seawarrules;

namespace {

// Draws answered from a list; running out fails the test (by an exception, which also ends a
// loop that would draw for ever).
class ScriptedDraw {
public:
    explicit ScriptedDraw(std::deque<int> answers) : answers_(std::move(answers)) {}
    int operator()(int n, int offset) {
        EXPECT_EQ(n, 101);
        EXPECT_EQ(offset, 101);
        if (answers_.empty()) throw std::runtime_error("more draws than scripted");
        const int next = answers_.front();
        answers_.pop_front();
        return next;
    }
    std::size_t left() const { return answers_.size(); }

private:
    std::deque<int> answers_;
};

Draw use(ScriptedDraw& draw) {
    return [&draw](int n, int offset) { return draw(n, offset); };
}

int noDraw(int, int) { throw std::runtime_error("no draw expected"); }

// The user's ships by first cell and orientation, ship numbers 1 to 5.
SeaWarTable userFleet(const std::array<std::pair<int, int>, 6>& ships) {
    SeaWarTable t;
    newgamestate(t);
    for (int ship = 1; ship <= kShips; ++ship) {
        const auto [first, way] = ships[static_cast<std::size_t>(ship)];
        t.shipway[ship] = way;
        placeship(t, ship, first);
    }
    return t;
}

// A destroyer at the given place and the other ships far away in the top rows and column 1.
SeaWarTable destroyerAt(int first, int way) {
    return userFleet({{{}, {101, kSide}, {first, way}, {104, kSide}, {111, kSide}, {191, kSide}}});
}

// The computer fires once, choosing by its rules; returns the cell.
int fireOnce(SeaWarTable& t, const Draw& draw) {
    const int cell = choosetarget(t, draw);
    compfire(t, cell);
    return cell;
}

// A hit on the cell while hunting, as the tick that drew it leaves the state.
void huntedHit(SeaWarTable& t, int cell) {
    t.targetcell = cell;
    compfire(t, cell);
}

}  // namespace

TEST(SeaWarUserShots, HitsSinkAndMissesOnTheComputersFleet) {
    SeaWarTable t;
    newgamestate(t);
    t.enemycells[kCruiser] = {0, 45, 55};
    t.enemycells[kCarrier] = {0, 1, 2, 3, 4, 5};
    Shot s = usershot(t, 45);
    EXPECT_EQ(s.ship, kCruiser);
    EXPECT_FALSE(s.sunk);
    s = usershot(t, 46);
    EXPECT_TRUE(s.counted);
    EXPECT_EQ(s.ship, 0);
    s = usershot(t, 55);
    EXPECT_EQ(s.ship, kCruiser);
    EXPECT_TRUE(s.sunk);
    EXPECT_EQ(t.enemyafloat, 4);
    EXPECT_EQ(t.enemyhits[kCruiser], 2);
    EXPECT_EQ(usershot(t, 3).ship, kCarrier);
    EXPECT_EQ(t.playershots, 4);
    EXPECT_EQ(hitmessage(kCruiser), "Enemy Cruiser Hit");
    EXPECT_EQ(sunkmessage(kCarrier), "Enemy Air Craft Carrier Sunk");
}

TEST(SeaWarUserShots, ACellFiredAtOrOnTheUsersGridIsNoShot) {
    SeaWarTable t;
    newgamestate(t);
    t.enemycells[kCruiser] = {0, 45, 55};
    usershot(t, 45);
    for (int cell : {45, 101, 150, 0}) EXPECT_FALSE(usershot(t, cell).counted) << cell;
    EXPECT_EQ(t.playershots, 1);
    EXPECT_EQ(t.enemyhits[kCruiser], 1) << "the hit is counted once";
}

TEST(SeaWarTurns, TheGameTypeSetsHowManyShotsATurnHas) {
    const struct {
        const char* type;
        int shots, ownafloat;
        bool ends;
    } cases[] = {
        {"Classic", 1, 5, true},  {"Salvo", 2, 3, false},  {"Salvo", 3, 3, true},  {"Salvo", 1, 1, true},
        {"Volley", 4, 1, false},  {"Volley", 5, 5, true},  {"classic", 1, 5, true}, {"", 1, 5, true},
        {"Salvo ", 1, 5, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(turnends(c.type, c.shots, c.ownafloat), c.ends) << '"' << c.type << "\" " << c.shots;
}

TEST(SeaWarTurns, SalvoCountsTheShootersOwnShipsAfloat) {
    SeaWarTable t;
    newgamestate(t);
    t.playerafloat = 3;
    t.enemyafloat = 5;
    t.playershots = 3;
    t.compshots = 3;
    EXPECT_TRUE(userturnends(t, "Salvo"));
    EXPECT_FALSE(compturnends(t, "Salvo"));
    t.enemyafloat = 2;
    t.compshots = 2;
    EXPECT_TRUE(compturnends(t, "Salvo"));
}

TEST(SeaWarTurns, ATurnThatIsOverPassesAndRestartsTheOtherSidesCount) {
    const struct {
        const char* what;
        const char* type;
        bool user;      // whose shot has just been fired
        int shots;      // that side's shots this turn
        bool over;
    } cases[] = {
        {"the user's one Classic shot", "Classic", true, 1, true},
        {"the user's second of five in Volley", "Volley", true, 2, false},
        {"the computer's one Classic shot", "Classic", false, 1, true},
        {"the computer's fourth of five in Volley", "Volley", false, 4, false},
        {"the computer's fifth in Volley", "Volley", false, 5, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        SeaWarTable t;
        newgamestate(t);
        t.playershots = c.user ? c.shots : 7;
        t.compshots = c.user ? 7 : c.shots;
        EXPECT_EQ(c.user ? userturnover(t, c.type) : compturnover(t, c.type), c.over);
        const int other = c.user ? t.compshots : t.playershots;
        const int own = c.user ? t.playershots : t.compshots;
        EXPECT_EQ(other, c.over ? 0 : 7) << "the other side's count";
        EXPECT_EQ(own, c.shots) << "the shooter's own count stands";
    }
}

TEST(SeaWarTurns, TheComputersShotIsTheCellItChoosesFiredAt) {
    SeaWarTable t = destroyerAt(154, kSide);
    ScriptedDraw draw({134, 154});
    const CompShot first = compshot(t, use(draw));
    EXPECT_EQ(first.cell, 134);
    EXPECT_TRUE(first.shot.counted);
    EXPECT_EQ(first.shot.ship, 0);
    EXPECT_TRUE(t.compfired[134]);
    const CompShot second = compshot(t, use(draw));
    EXPECT_EQ(second.cell, 154);
    EXPECT_EQ(second.shot.ship, kDestroyer);
    EXPECT_EQ(t.playerhits[kDestroyer], 1);
    EXPECT_EQ(t.compshots, 2);
    EXPECT_EQ(t.targetmode, kTargeting) << "it follows up its hit";
    EXPECT_EQ(compshot(t, noDraw).cell, 155) << "to the right first, with no draw";
}

TEST(SeaWarHunt, DrawsAreTakenOnlyOnTheCheckerboardAndNeverTwice) {
    SeaWarTable t;
    newgamestate(t);
    t.compfired[112] = true;
    const struct {
        std::deque<int> draws;
        int cell;
    } cases[] = {
        {{101}, 101},
        {{201, 102, 112, 113, 146, 199, 145}, 145},
        {{200}, 200},
        {{110, 111, 190, 189}, 189},
    };
    for (const auto& c : cases) {
        ScriptedDraw draw(c.draws);
        EXPECT_EQ(choosetarget(t, use(draw)), c.cell);
        EXPECT_EQ(draw.left(), 0u);
        EXPECT_EQ(t.targetcell, c.cell);
        EXPECT_FALSE(t.probed[c.cell]) << "a hunting shot is not a probe";
    }
}

TEST(SeaWarHunt, TakesAnyUnfiredCellOnceTheCheckerboardIsUsedUp) {
    SeaWarTable t;
    newgamestate(t);
    for (int cell = 101; cell <= 200; ++cell) t.compfired[cell] = oncheckerboard(cell) || cell < 150;
    ScriptedDraw draw({201, 101, 145, 152, 153});
    EXPECT_EQ(choosetarget(t, use(draw)), 153);
    EXPECT_EQ(draw.left(), 0u);
}

TEST(SeaWarTarget, TriesRightThenUpThenLeftThenDownAfterOneHit) {
    const struct {
        std::vector<int> fired;
        int cell;
    } cases[] = {{{}, 146}, {{146}, 135}, {{146, 135}, 144}, {{146, 135, 144}, 155}};
    for (const auto& c : cases) {
        SeaWarTable t = destroyerAt(145, kUp);
        huntedHit(t, 145);
        for (int cell : c.fired) t.compfired[cell] = true;
        EXPECT_EQ(choosetarget(t, noDraw), c.cell);
        EXPECT_TRUE(t.probed[c.cell]);
    }
}

TEST(SeaWarTarget, NeverLooksPastTheGridsEdge) {
    SeaWarTable t = destroyerAt(140, kUp);
    huntedHit(t, 150);
    EXPECT_EQ(choosetarget(t, noDraw), 140) << "from column 10, up comes first";
    t = userFleet({{{}, {108, kSide}, {131, kSide}, {141, kSide}, {151, kSide}, {161, kSide}}});
    huntedHit(t, 109);
    t.compfired[110] = true;
    EXPECT_EQ(choosetarget(t, noDraw), 108) << "from row 1, left comes after right";
}

TEST(SeaWarTarget, FollowsALyingDestroyerToItsEnd) {
    SeaWarTable t = destroyerAt(144, kSide);
    huntedHit(t, 145);
    std::vector<int> shots;
    for (int i = 0; i < 3; ++i) shots.push_back(fireOnce(t, noDraw));
    EXPECT_EQ(shots, (std::vector<int>{146, 147, 144}));
    EXPECT_EQ(t.playerhits[kDestroyer], 3);
    EXPECT_EQ(t.playerafloat, 4);
    EXPECT_EQ(t.targetmode, 0) << "the sinking goes back to hunting";
    ScriptedDraw draw({101});
    EXPECT_EQ(choosetarget(t, use(draw)), 101);
}

TEST(SeaWarTarget, FollowsAnUprightDestroyerToItsEnd) {
    SeaWarTable t = destroyerAt(135, kUp);
    huntedHit(t, 145);
    std::vector<int> shots;
    std::vector<int> ways;
    for (int i = 0; i < 4; ++i) {
        shots.push_back(fireOnce(t, noDraw));
        ways.push_back(t.targetway);
    }
    EXPECT_EQ(shots, (std::vector<int>{146, 135, 125, 155}));
    EXPECT_EQ(ways, (std::vector<int>{0, kUp, kUp, kUp}));
    EXPECT_EQ(t.playerafloat, 4);
}

TEST(SeaWarTarget, AHuntedMissAheadSendsTheFollowUpBackToTheFirstHit) {
    SeaWarTable t = destroyerAt(144, kSide);
    t.compfired[147] = true;  // missed while hunting
    huntedHit(t, 145);
    EXPECT_EQ(fireOnce(t, noDraw), 146);
    EXPECT_EQ(t.targetway, kSide);
    EXPECT_EQ(fireOnce(t, noDraw), 144) << "left of the first hit at once";
}

TEST(SeaWarTarget, ADeadEndTriesTheFirstHitsNeighboursThenHunts) {
    // Cruiser 146-147 was hit first and sunk; the upright battleship beside it then seems to lie
    // along a row, because its cell 145 lies left of that first hit.
    SeaWarTable t = userFleet({{{}, {146, kSide}, {101, kSide}, {104, kSide}, {125, kUp}, {191, kSide}}});
    huntedHit(t, 145);
    EXPECT_EQ(fireOnce(t, noDraw), 146);
    EXPECT_EQ(fireOnce(t, noDraw), 147);
    EXPECT_EQ(t.playerhits[kCruiser], 2);
    EXPECT_EQ(t.targetmode, 0);
    huntedHit(t, 135);
    EXPECT_EQ(t.targetway, kSide);
    EXPECT_EQ(fireOnce(t, noDraw), 136) << "right of the hit, along the wrong row";
    const std::array<bool, 211> before = t.compfired;
    ScriptedDraw draw({122, 103, 165});
    const int next = choosetarget(t, use(draw));
    EXPECT_EQ(next, 103) << "no neighbour is open along the row: a hunting shot";
    EXPECT_FALSE(before[next]);
    EXPECT_EQ(draw.left(), 1u);
    compfire(t, next);
    EXPECT_EQ(t.playerhits[kBattleship], 2) << "no hit counted twice";
}

TEST(SeaWarTarget, ADeadEndAtTheProbeTriesTheFirstHitsNeighbours) {
    SeaWarTable t = userFleet({{{}, {101, kSide}, {103, kSide}, {106, kSide}, {111, kSide}, {143, kSide}}});
    huntedHit(t, 145);
    t.targetway = kSide;
    t.probebase = 143;
    t.targetcell = 143;
    for (int cell : {142, 144}) t.compfired[cell] = true;
    t.probed[144] = true;  // missed while targeting: no reason to go back on its own
    EXPECT_EQ(choosetarget(t, noDraw), 146);
}

TEST(SeaWarComputer, SinksEveryFleetWithoutFiringTwice) {
    std::mt19937 random(7);
    const Draw draw = [&](int n, int offset) {
        return std::uniform_int_distribution<int>(offset, offset + n - 1)(random);
    };
    for (int game = 0; game < 300; ++game) {
        SeaWarTable t;
        newgamestate(t);
        std::array<bool, 211> used{};
        for (int ship = kCarrier; ship >= kCruiser; --ship) {
            for (;;) {
                const int way = draw(2, 1);
                const int row = draw(way == kUp ? 11 - shipsize(ship) : 10, 1);
                const int column = draw(way == kSide ? 11 - shipsize(ship) : 10, 1);
                t.shipway[ship] = way;
                placeship(t, ship, usercell(row, column));
                bool free = true;
                for (int k = 1; k <= shipsize(ship); ++k) free = free && !used[t.playercells[ship][k]];
                if (!free) continue;
                for (int k = 1; k <= shipsize(ship); ++k) used[t.playercells[ship][k]] = true;
                break;
            }
        }
        int shots = 0;
        while (t.playerafloat > 0 && shots < 100) {
            const int cell = choosetarget(t, draw);
            ASSERT_GE(cell, 101);
            ASSERT_LE(cell, 200);
            ASSERT_FALSE(t.compfired[cell]) << "game " << game << " fires at " << cell << " again";
            compfire(t, cell);
            ++shots;
        }
        EXPECT_EQ(t.playerafloat, 0) << "game " << game;
        int hits = 0;
        for (int ship = 1; ship <= kShips; ++ship) hits += t.playerhits[ship];
        EXPECT_EQ(hits, 17) << "game " << game;
    }
}
