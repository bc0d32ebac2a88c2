#include "program_test.h"

#include "common/mainwindow.h"
#include "common/scaling.h"
#include "core/numbers.h"
#include "games/towers-foreaft/foreaft.h"
#include "games/towers-foreaft/towers.h"
#include "platform/files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <typeindex>
#include <vector>

// Towers of Hanoi: every disc on one peg, the pegs' counts and tops as the discs lie, each disc
// drawn where the design puts it and only top discs taken, the one sound switch ticked as its file
// says. Fore and Aft: every piece on a cell of its own, the board idle with every piece taking
// clicks or one piece under way by one timer, the others at rest, the ticks telling the setting.
namespace {

using towersrules::kPegs;

// The windows are at the small screen's scale when their pegs are drawn smaller than designed.
float towersScale(const towers& w) { return w.Image1[1].Width < towersrules::kPegWidth ? 0.78f : 1.0f; }
float foreaftScale(const foreaft& w) { return w.Picture1[1].Width < foreaftrules::kCellSize ? 0.78f : 1.0f; }

std::string soundTicks(const common::GameWindow& w, std::string_view file) {
    const bool on = platform::readSetting(file) == "YES";
    if (w.soundon() != on || w.onsound.Checked != on || w.off.Checked == on)
        return "the Sound ticks do not tell the switch in " + std::string(file);
    return {};
}

std::string towersHolds(towers& w) {
    const towersrules::TowersTable& t = w.table;
    int counted[kPegs + 1] = {};
    int top[kPegs + 1] = {};
    for (int disc = t.n; disc >= 1; --disc) {
        const int peg = t.piecepeg[disc];
        if (peg < 1 || peg > kPegs) return "disc " + std::to_string(disc) + " lies on no peg";
        ++counted[peg];
        top[peg] = disc;
        const towersrules::TowersDesign& design = towersrules::design(t.n);
        const platform::Image& picture = w.piece[disc];
        if (picture.Left != towersrules::discLeft(design, disc, peg, towersScale(w)) ||
            picture.Top != towersrules::discTop(design, counted[peg], towersScale(w)))
            return "disc " + std::to_string(disc) + " is not drawn where it lies";
        if (!picture.Enabled || !picture.Visible) return "disc " + std::to_string(disc) + " cannot be seen or taken";
    }
    for (int peg = 1; peg <= kPegs; ++peg) {
        if (counted[peg] != t.pegcount[peg])
            return "peg " + std::to_string(peg) + " holds " + std::to_string(counted[peg]) + " discs, counted " +
                   std::to_string(t.pegcount[peg]);
        if (t.pegtop[peg] != top[peg])
            return "peg " + std::to_string(peg) + "'s top disc " + std::to_string(t.pegtop[peg]) +
                   " is not its smallest";
    }
    for (int disc = 1; disc <= t.n; ++disc)
        if ((w.piece[disc].DragMode == platform::vbAutomatic) != (top[t.piecepeg[disc]] == disc))
            return "disc " + std::to_string(disc) +
                   (top[t.piecepeg[disc]] == disc ? " lies on top but cannot" : " is covered but can") + " be taken";
    // One switch for the three sizes.
    return soundTicks(w, "\\Data\\hanoisound.dat");
}

// The pegs' top discs and the pegs.
std::vector<platform::Control*> towersMoves(towers& w) {
    std::vector<platform::Control*> moves;
    for (int peg = 1; peg <= kPegs; ++peg) {
        moves.push_back(&w.Image1[peg]);
        if (w.table.pegtop[peg] != 0) moves.push_back(&w.piece[w.table.pegtop[peg]]);
    }
    return moves;
}

std::string foreaftHolds(foreaft& f) {
    const foreaftrules::ForeAftBoard& b = f.board;
    if (b.emptycell < 1 || b.emptycell > foreaftrules::kCells) return "the empty cell lies off the board";
    std::vector<bool> taken(foreaftrules::kCells + 1);
    taken[b.emptycell] = true;
    for (int piece = 1; piece <= foreaftrules::kPieces; ++piece) {
        const int cell = b.piecepos[piece];
        if (cell < 1 || cell > foreaftrules::kCells || taken[cell])
            return "piece " + std::to_string(piece) + " shares cell " + std::to_string(cell);
        taken[cell] = true;
    }
    const bool vertical = f.Timer1.running();
    const bool across = f.Timer2.running();
    if (vertical && across) return "two moves run at once";
    const float scale = foreaftScale(f);
    const double step = std::max(foreaftrules::kStepTwips, core::scaled(foreaftrules::kStepTwips, scale));
    const auto restLeft = [&](int cell) {
        return f.Picture1[cell].Left + core::scaled(foreaftrules::kRestLeft, scale);
    };
    const auto restTop = [&](int cell) { return f.Picture1[cell].Top + core::scaled(foreaftrules::kRestTop, scale); };
    for (int piece = 1; piece <= foreaftrules::kPieces; ++piece) {
        const platform::Image& picture = f.picture2[piece];
        if (picture.Enabled != !(vertical || across))
            return "piece " + std::to_string(piece) +
                   (picture.Enabled ? " takes clicks during a move" : " takes no clicks while idle");
        const int cell = b.piecepos[piece];
        const double dx = picture.Left - restLeft(cell);
        const double dy = picture.Top - restTop(cell);
        if ((vertical || across) && piece == b.clicked) {
            // On its way from its cell to the empty one, along the move's axis.
            const double toX = restLeft(b.emptycell) - restLeft(cell);
            const double toY = restTop(b.emptycell) - restTop(cell);
            if (!(vertical ? std::abs(toX) < 1 : std::abs(toY) < 1)) return "the running timer does not match the move";
            if (std::abs(vertical ? dx : dy) >= step) return "piece " + std::to_string(piece) + " leaves its axis";
            const double along = vertical ? dy : dx;
            const double to = vertical ? toY : toX;
            if (along * to < -step * std::abs(to) || std::abs(along) >= std::abs(to) + step)
                return "piece " + std::to_string(piece) + " strays from between its cell and the empty one";
        } else if (std::abs(dx) >= step || std::abs(dy) >= step) {
            return "piece " + std::to_string(piece) + " does not rest on cell " + std::to_string(cell);
        }
    }
    const bool yes = b.backwards == "YES";
    if (f.backwordsmoves.Checked != yes || f.nobackwardsmoves.Checked == yes)
        return "the Settings ticks do not tell the rule in force";
    return soundTicks(f, "\\Data\\foreaftsound.dat");
}

// The pieces a click moves now.
std::vector<platform::Control*> foreaftMoves(foreaft& f) {
    std::vector<platform::Control*> moves;
    for (int piece = 1; piece <= foreaftrules::kPieces; ++piece)
        if (foreaftrules::clickmove(f.board, f.board.backwards, piece) != foreaftrules::MoveKind::None)
            moves.push_back(&f.picture2[piece]);
    return moves;
}

const bool towers1Played =
    gp::playRules<towers1>("towers1", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool towers2Played =
    gp::playRules<towers2>("towers2", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool towers3Played =
    gp::playRules<towers3>("towers3", {.locks = common::mainwindow, .holds = towersHolds, .moves = towersMoves});
const bool foreaftPlayed = gp::playRules<foreaft>(
    "foreaft", {.timers = 1, .locks = common::mainwindow, .holds = foreaftHolds, .moves = foreaftMoves});

// Longer runs than every window gets, on the large screen and the small one.
class TowersForeAftPlay : public ProgramTest {
protected:
    template <class T>
    void playLong(std::uint32_t seed, int steps, bool small) {
        SCOPED_TRACE(std::string(typeid(T).name()) + (small ? " at 640 x 480" : ""));
        play(seed, steps, typeid(T), [&] {
            if (small) setScreen(640, 480);
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            platform::window<T>().Show();
        });
    }
};

TEST_F(TowersForeAftPlay, EveryTowerKeepsItsDiscsCountedAndPlaced) {
    playLong<towers1>(41, 3000, false);
    playLong<towers2>(42, 3000, false);
    playLong<towers3>(43, 3000, false);
}

TEST_F(TowersForeAftPlay, EveryTowerHoldsOnTheSmallScreen) {
    playLong<towers1>(44, 3000, true);
    playLong<towers2>(45, 3000, true);
    playLong<towers3>(46, 3000, true);
}

TEST_F(TowersForeAftPlay, TheBoardKeepsEachCellOnceAndItsMovesOnTheirAxes) {
    playLong<foreaft>(51, 2000, false);
    playLong<foreaft>(52, 2000, false);
    playLong<foreaft>(54, 1500, true);
}

}  // namespace
