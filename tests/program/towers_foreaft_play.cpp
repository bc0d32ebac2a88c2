#include "program_test.h"

#include "common/mainwindow.h"
#include "common/scaling.h"
#include "core/numbers.h"
#include "games/towers-foreaft/foreaft.h"
#include "games/towers-foreaft/foreaft_solver.h"
#include "games/towers-foreaft/towers.h"
#include "platform/files.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <typeindex>
#include <utility>
#include <vector>

// Towers of Hanoi: every disc on one peg, the pegs' counts and tops as the discs lie, each disc
// drawn where the design puts it and only top discs taken, the one sound switch ticked as its file
// says. Fore and Aft: every piece on a cell of its own, the board idle with every piece taking
// clicks or one piece under way by one timer, the others at rest, the ticks telling the setting.
namespace {

using towersrules::kPegs;

constexpr const char* kWin = "You Win! Play again?";

// What the long runs watch beyond a window's state: the boxes shown since the last check, the
// table as it was then, the drops on a peg in the step being played and how often a step moved
// something. The other runs leave it unset.
struct QuestionWatch {
    const gp::ScriptedBoxes* boxes = nullptr;
    std::size_t seen = 0;
    const platform::Form* window = nullptr;  // whose table the snapshot is
    towersrules::Counts pegs{};
    bool won = false;
    int pegDrops = 0;
    int moves = 0;
};
QuestionWatch watch;

// The pegs' drop handler, counting the drops on a peg before it takes them.
struct CountedPegDrops {
    std::function<void(int, platform::Control&, double, double)> handler;
    void operator()(int peg, platform::Control& source, double x, double y) const {
        ++watch.pegDrops;
        if (handler) handler(peg, source, x, y);
    }
};

// Before each step: the pegs count their drops from here on.
void towersBefore(towers& w) {
    if (!w.Image1.DragDrop.target<CountedPegDrops>()) w.Image1.DragDrop = CountedPegDrops{std::move(w.Image1.DragDrop)};
    watch.pegDrops = 0;
}

// Whether the win question came since the last check (other windows' boxes aside).
bool newQuestion() {
    if (!watch.boxes) return false;
    const auto& shown = watch.boxes->shown();
    const bool asked = std::any_of(shown.begin() + static_cast<std::ptrdiff_t>(watch.seen), shown.end(),
                                   [](const platform::BoxRequest& box) { return box.prompt == kWin; });
    watch.seen = shown.size();
    return asked;
}

// The windows are at the small screen's scale when their pegs and cells are drawn smaller than designed.
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
    const bool asked = newQuestion();
    // Asked after a drop on a finished tower: No keeps it, Yes starts again. A disc that finished
    // the tower was dropped on a peg, so it asked; so does any drop on a peg, taken or refused,
    // while the tower stands finished.
    const bool fresh = t.pegcount[1] == t.n;
    if (asked && !towersrules::won(t) && !fresh) return "the win question came though no tower is finished";
    if (asked && watch.pegDrops == 0) return "the win question came with no drop on a peg";
    const bool moved = watch.window == &w && watch.pegs != t.piecepeg;
    watch.moves += moved;
    if (watch.boxes && moved && towersrules::won(t) && !asked) return "a disc finished the tower and nothing asked";
    if (watch.boxes && watch.pegDrops > 0 && towersrules::won(t) && !asked)
        return "a drop on a peg beside the finished tower asked nothing";
    watch.pegDrops = 0;
    watch.window = &w;
    watch.pegs = t.piecepeg;
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
    const bool asked = newQuestion();
    const bool moving = vertical || across;
    const bool fresh = b.emptycell == foreaftrules::kMiddle && b.piecepos[1] == 1;
    if (asked && (moving || !(foreaftrules::won(b) || fresh)))
        return "the win question came before a move ended on the exchanged board";
    const bool wasWon = watch.window == &f && watch.won;
    if (watch.boxes && foreaftrules::won(b) && !wasWon && !moving && !asked)
        return "a move ended on the exchanged board and nothing asked";
    watch.window = &f;
    watch.won = foreaftrules::won(b);
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

// The three sizes play by one set of rules; a disc moves only when dragged.
template <class T>
bool playTowersRules(const char* name) {
    return gp::playRules<T>(name, {.locks = common::mainwindow,
                                   .holds = towersHolds,
                                   .moves = towersMoves,
                                   .before = towersBefore,
                                   .dragged = true});
}

const bool towers1Played = playTowersRules<towers1>("towers1");
const bool towers2Played = playTowersRules<towers2>("towers2");
const bool towers3Played = playTowersRules<towers3>("towers3");
const bool foreaftPlayed = gp::playRules<foreaft>(
    "foreaft", {.timers = 1, .locks = common::mainwindow, .holds = foreaftHolds, .moves = foreaftMoves});

// Longer runs than every window gets, on the large screen and the small one.
class TowersForeAftPlay : public ProgramTest {
protected:
    // Every replay starts watching afresh.
    void SetUp() override {
        ProgramTest::SetUp();
        watch = {.boxes = &boxes, .seen = boxes.shown().size()};
        opened = 0;
    }
    void TearDown() override {
        watch = {};
        ProgramTest::TearDown();
    }

    // Plays the steps in the window of type T, set by `nearlyWon` one move from the win whenever it
    // opens, so the win question comes and is answered either way; returns how often it came.
    template <class T, class Setup>
    int playLong(std::uint32_t seed, int steps, bool small, Setup nearlyWon) {
        SCOPED_TRACE(std::string(typeid(T).name()) + (small ? " at 640 x 480" : ""));
        const std::size_t before = boxes.shown().size();
        leaveHomeUnpainted();
        play(seed, steps, typeid(T), [&] {
            if (small) setScreen(640, 480);
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            T& w = platform::window<T>();
            w.Show();
            settle();
            nearlyWon(w);
        });
        moved += watch.moves;
        const auto& shown = boxes.shown();
        return static_cast<int>(std::count_if(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end(),
                                              [](const platform::BoxRequest& box) { return box.prompt == kWin; }));
    }

    // The steps after which a disc lay on another peg than before, over the runs of a test.
    int moved = 0;

    // From a new game, the whole tower moved the classic way onto peg 2 or 3 but for its last move.
    template <class T>
    int playTowers(std::uint32_t seed, bool small) {
        return playLong<T>(seed, 3000, small, [this](towers& w) {
            std::vector<std::pair<int, int>> moves;  // disc, peg
            const auto solve = [&](const auto& self, int discs, int from, int to, int spare) -> void {
                if (discs == 0) return;
                self(self, discs - 1, from, spare, to);
                moves.emplace_back(discs, to);
                self(self, discs - 1, spare, to, from);
            };
            chooseMenu(w.newgame1);
            const int to = 2 + w.table.n % 2;
            solve(solve, w.table.n, 1, to, 5 - to);
            moves.pop_back();
            for (const auto& [disc, peg] : moves) drag(w.piece[disc], w.Image1[peg], w.Image1[peg].Width / 2, 150);
        });
    }

    // Each opening of the board reads the next of these from the setting file, texts the menus
    // never write among them.
    int opened = 0;

    // From a new game, the known solution played but for its last two moves.
    int playForeAft(std::uint32_t seed, int steps, bool small) {
        return playLong<foreaft>(seed, steps, small, [this](foreaft& w) {
            static const char* const settings[] = {"NO", "", "yes", "NO ", "Maybe", "YES"};
            platform::writeSetting("\\backwards.dat", settings[opened++ % std::size(settings)]);
            chooseMenu(w.new_);
            std::vector<int> clicks = foreafttest::solution();
            clicks.resize(clicks.size() - 2);
            for (int piece : clicks) {
                click(w.picture2[piece]);
                for (int ticks = 0; ticks < 100 && (w.Timer1.running() || w.Timer2.running()); ++ticks) advance(15);
            }
        });
    }
};

TEST_F(TowersForeAftPlay, EveryTowerKeepsItsDiscsCountedAndPlaced) {
    int asked = playTowers<towers1>(41, false);
    asked += playTowers<towers2>(42, false);
    asked += playTowers<towers3>(43, false);
    EXPECT_GT(asked, 1) << "the win question came";
    EXPECT_GT(moved, 750) << "discs moved about";
}

TEST_F(TowersForeAftPlay, EveryTowerHoldsOnTheSmallScreen) {
    int asked = playTowers<towers1>(44, true);
    asked += playTowers<towers2>(45, true);
    asked += playTowers<towers3>(46, true);
    EXPECT_GT(asked, 1) << "the win question came";
    EXPECT_GT(moved, 750) << "discs moved about";
}

TEST_F(TowersForeAftPlay, TheBoardKeepsEachCellOnceAndItsMovesOnTheirAxes) {
    int asked = playForeAft(51, 2000, false);
    asked += playForeAft(52, 2000, false);
    asked += playForeAft(54, 1500, true);
    EXPECT_GT(asked, 1) << "the win question came";
}

}  // namespace
