#include "program_test.h"

#include "common/mainwindow.h"
#include "games/seawar/seawar.h"
#include "games/seawar/seawar_fleets.h"
#include "games/seawar/seawar_placement.h"
#include "games/seawar/seawar_table.h"
#include "platform/files.h"

#include <optional>
#include <random>
#include <ostream>
#include <string>
#include <vector>

// Sea War: the computer's fleet is one of the fixed layouts; each ship counts every hit once and
// each side's ships afloat are the ones not yet sunk; placed ships lie on their first cells; a peg
// shows on every cell fired at and on no other; the computer fires only at the user's grid and only
// in the battle; the window shows the placement or the battle as the table says, and never waits
// for nothing.
namespace {

using namespace seawarrules;

int countHits(const ShipCells& cells, int ship, const CellFlags& fired) {
    int hits = 0;
    for (int k = 1; k <= shipsize(ship); ++k) hits += fired[static_cast<std::size_t>(cells[k])];
    return hits;
}

bool pegShows(const seawar& w, int cell) {
    const platform::Image& peg = w.Shape2[cell];
    return peg.Top == w.Image1[cell].Top && peg.Left == w.Image1[cell].Left;
}

std::string shipText(const std::string& side, int ship) { return side + " ship " + std::to_string(ship); }

// Hits, ships afloat and the ships' pictures.
std::string fleetsWrong(seawar& w) {
    const SeaWarTable& t = w.table;
    bool layout = false;
    for (int n = 1; n <= kFleets; ++n) layout = layout || fleet(n) == t.enemycells;
    if (!layout) return "the computer's fleet is none of the fixed layouts";
    int enemySunk = 0, userSunk = 0;
    for (int ship = 1; ship <= kShips; ++ship) {
        const int enemyHits = countHits(t.enemycells[ship], ship, t.playerfired);
        if (t.enemyhits[ship] != enemyHits)
            return shipText("the computer's", ship) + " counts " + std::to_string(t.enemyhits[ship]) + " hits of " +
                   std::to_string(enemyHits);
        enemySunk += enemyHits == shipsize(ship);
        if (!t.playercells[ship][1]) {
            if (!t.placing) return shipText("the user's", ship) + " is off the grid in the battle";
            if (t.playerhits[ship] != 0) return shipText("the user's", ship) + " is hit in the dock";
            continue;
        }
        const int userHits = countHits(t.playercells[ship], ship, t.compfired);
        if (t.playerhits[ship] != userHits)
            return shipText("the user's", ship) + " counts " + std::to_string(t.playerhits[ship]) + " hits of " +
                   std::to_string(userHits);
        userSunk += userHits == shipsize(ship);
        const platform::Image& picture = w.shippicture(ship);
        const platform::Image& first = w.Image1[t.playercells[ship][1]];
        if (picture.Left != first.Left || picture.Top != first.Top)
            return shipText("the user's", ship) + " lies away from its first cell";
    }
    if (t.enemyafloat != kShips - enemySunk) return "the computer has " + std::to_string(t.enemyafloat) + " ships afloat";
    if (t.playerafloat != kShips - userSunk) return "the user has " + std::to_string(t.playerafloat) + " ships afloat";
    return {};
}

// Whether the window was placing its ships before the step.
struct SeaWarBefore {
    const seawar* window = nullptr;
    bool placing = false;
} seawarBefore;

void noteSeaWar(seawar& w) { seawarBefore = {&w, w.table.placing}; }

std::string seawarHolds(seawar& w) {
    const SeaWarTable& t = w.table;
    for (const std::string& prompt : gp::promptsOfStep())
        if ((prompt == "You will move first" || prompt == "The Computer will move first") && seawarBefore.window == &w &&
            !seawarBefore.placing)
            return "the battle is announced again in the middle of the battle";
    if (std::string wrong = fleetsWrong(w); !wrong.empty()) return wrong;
    int userShots = 0;
    for (int cell = 1; cell <= 200; ++cell) {
        const bool fired = cell <= 100 ? t.playerfired[cell] : t.compfired[cell];
        if (cell <= 100 && t.compfired[cell]) return "the computer fired at its own cell " + std::to_string(cell);
        userShots += cell <= 100 && fired;
        if (pegShows(w, cell) != fired) return "the peg of cell " + std::to_string(cell) + (fired ? " is missing" : " shows unfired");
    }
    for (int cell = kLastUserCell + 1; cell <= kLastFlagCell; ++cell)
        if (t.compfired[cell]) return "the computer fired past the grid at " + std::to_string(cell);

    if (w.Frame1.Visible == t.placing) return "the enemy side shows while placing, or hides in the battle";
    if (w.gametype.Enabled != t.placing) return "the game type can be chosen in the battle, or not while placing";
    for (int ship = 1; ship <= kShips; ++ship)
        if (w.shippicture(ship).DragMode != (t.placing ? platform::vbAutomatic : platform::vbManual))
            return shipText("the user's", ship) + (t.placing ? " cannot be dragged while placing" : " can be dragged in the battle");

    const bool over = t.enemyafloat == 0 || t.playerafloat == 0;
    if (w.Timer1.running()) {
        if (t.placing) return "the computer fires while the user is placing";
        if (over) return "the computer fires after the end of the game";
        if (w.Frame1.Enabled && w.Image1[1].Enabled) return "the user may fire during the computer's turn";
    }
    if (t.placing) {
        if (userShots) return "shots while placing";
        if (!w.Command2.Enabled || !w.Command2.Visible) return "Done cannot end the placement";
        if (!w.newgame.Enabled) return "New Game is off while placing";
        return {};
    }
    bool canFire = false;
    if (w.Frame1.Enabled)
        for (int cell = 1; cell <= 100; ++cell) canFire = canFire || (w.Image1[cell].Enabled && !t.playerfired[cell]);
    if (!w.Timer1.running() && !canFire && !(over && w.newgame.Enabled))
        return "the table waits for nothing: user afloat " + std::to_string(t.playerafloat) + ", enemy afloat " +
               std::to_string(t.enemyafloat) + ", user's shots " + std::to_string(t.playershots);
    return {};
}

// Whether the ship is off the grid or shares a cell with another.
bool misplaced(const SeaWarTable& t, int ship) {
    if (!t.playercells[ship][1]) return true;
    for (int other = 1; other <= kShips; ++other)
        for (int k = 1; other != ship && k <= shipsize(ship); ++k)
            if (t.playercells[other][1] && holds(t.playercells[other], other, t.playercells[ship][k])) return true;
    return false;
}

// While placing: the ships off the grid or on another's cells and the grid, then Done; in battle:
// the computer's ships' cells not yet fired at (the other clicks go anywhere).
std::vector<platform::Control*> seawarMoves(seawar& s) {
    std::vector<platform::Control*> moves;
    if (s.table.placing) {
        for (int ship = 1; ship <= kShips; ++ship)
            if (misplaced(s.table, ship)) moves.push_back(&s.shippicture(ship));
        moves.push_back(moves.empty() ? static_cast<platform::Control*>(&s.Command2) : &s.Image4);
        return moves;
    }
    for (int ship = 1; ship <= kShips; ++ship)
        for (int k = 1; k <= shipsize(ship); ++k)
            if (const int cell = s.table.enemycells[ship][k]; !s.table.playerfired[cell]) moves.push_back(&s.Image1[cell]);
    return moves;
}

// Half the time a lying ship goes to a row of its own (row 1 the cruiser, 3 the destroyer and so
// on, any column it fits), so that Done can start the battle; else the drop zone's own point.
std::optional<gp::ClientPoint> seawarDropAt(seawar& s, platform::Control& source, gp::ClientPoint from, int pick) {
    int ship = 0;
    for (int k = 1; k <= kShips; ++k)
        if (&s.shippicture(k) == &source) ship = k;
    if (!ship || pick < 500 || s.table.shipway[ship] == kUp) return std::nullopt;
    const int first = usercell(2 * ship - 1, 1 + pick % (11 - shipsize(ship)));
    const platform::Image& cell = s.Image1[first];
    return gp::ClientPoint{cell.windowX() + 60 + (from.x - source.windowX()), cell.windowY() + 60 + (from.y - source.windowY())};
}

// What no click does: Rotate or Done pressed from the keyboard, which reaches them where the enemy
// side covers them in the battle, and a game type the menus never write put in its file behind the
// program's back, for the next new game to read.
std::string seawarActs(seawar& s, std::mt19937& r) {
    const int roll = std::uniform_int_distribution<int>(0, 9)(r);
    if (roll < 8) {
        platform::CommandButton& button = roll < 4 ? s.Command2 : s.Command1;
        const std::string name = roll < 4 ? "Done" : "Rotate";
        if (!button.Enabled || !button.Visible) return name + " cannot take a key press";
        button.userClick();
        return "a key press on " + name;
    }
    const std::string type = roll == 8 ? "salvo" : "Broadside";
    platform::writeSetting("\\seawartype.dat", type);
    return "the game type file now holds " + type;
}

const bool seawarPlayed = gp::playRules<seawar>("seawar", {.timers = 2,
                                                           .locks = common::mainwindow,
                                                           .holds = seawarHolds,
                                                           .moves = seawarMoves,
                                                           .acts = seawarActs,
                                                           .before = noteSeaWar,
                                                           .dropAt = seawarDropAt});

// Long runs of the game alone, one seed each so that they spread over the suite's shards, two of
// them with a game type the menus never write put in its file whenever the game opens; a run ends
// with the game in whatever state it is, and closing everything then asks nothing.
struct SeaWarRun {
    std::uint32_t seed;
    const char* gametype;  // written before each opening, or nothing
};

void PrintTo(const SeaWarRun& run, std::ostream* out) {
    *out << "seed " << run.seed << (run.gametype ? std::string(" with ") + run.gametype : std::string());
}

class SeaWarPlay : public ProgramTest, public testing::WithParamInterface<SeaWarRun> {};

TEST_P(SeaWarPlay, ALongRunKeepsTheFleetsAndShotsAndNeverSticks) {
    const SeaWarRun run = GetParam();
    leaveHomeUnpainted();
    play(run.seed, 4000, typeid(seawar), [this, run] {
        const Form1* main = platform::loaded<Form1>();
        if (!main || !main->Visible) startProgram();
        if (run.gametype) platform::writeSetting("\\seawartype.dat", run.gametype);
        platform::window<seawar>().Show();
    });
    if (HasFailure()) return;
    const std::size_t asked = boxes.shown().size();
    platform::unloadAll();
    settle();
    EXPECT_EQ(boxes.shown().size(), asked);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeaWarPlay,
                         testing::Values(SeaWarRun{31, nullptr}, SeaWarRun{32, nullptr}, SeaWarRun{33, "salvo"},
                                         SeaWarRun{34, "Broadside"}));

}  // namespace
