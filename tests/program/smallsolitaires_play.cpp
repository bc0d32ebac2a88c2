#include "program_test.h"

#include "common/mainwindow.h"
#include "core/numbers.h"
#include "games/smallsolitaires/calculation.h"
#include "games/smallsolitaires/calculation_rules.h"
#include "games/smallsolitaires/interlock_rules.h"
#include "games/smallsolitaires/interlockpuzzle.h"
#include "games/smallsolitaires/nestor.h"
#include "games/smallsolitaires/nestor_rules.h"
#include "games/smallsolitaires/solitaire_decks.h"
#include "platform/input.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <numeric>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Calculation: every card dealt once and in one place, the window showing the table (tags, drag
// rights, the piles' fans and markers, the foundations and the stock) with every movable card in
// reach. Nestor: every card dealt once, each column's depths running on from its free card, no rank
// twice in a column, every shown card at its place and every free one in reach. Interlock Puzzle:
// every face and every cell once, each card on its cell in front of it, the blank cell showing.
// Each window always offers New Game.
namespace {

namespace calc = calculationrules;
namespace nr = nestorrules;
namespace ir = interlockrules;

using platform::Image;

constexpr const char* kPlayAgain = "You Win! Play again?";
constexpr const char* kYouWin = "You Win";

// What the long runs watch beyond a window's state: the boxes shown since the last check, whether
// the game was won then, and how often a step took a card (Calculation: onto a pile or a
// foundation; Nestor: a pair off). The other runs leave it unset but for the card images clicked in
// the step being played and the puzzle as it was before.
struct WinWatch {
    const gp::ScriptedBoxes* boxes = nullptr;
    std::size_t seen = 0;
    const platform::Form* window = nullptr;  // whose game the snapshot is
    bool won = false;
    ir::PerCard cells{};
    int cards = 0;  // Calculation: the cards on piles and foundations; Nestor: the cards left
    int moves = 0;
    std::vector<int> clicked{};
    ir::InterlockTable puzzle{};
};
WinWatch watch;

// Whether the step took a card, by the count of cards that only grows (or only shrinks) as it does.
void countMove(const platform::Form& w, int cards, bool taken) {
    if (watch.window == &w && taken) ++watch.moves;
    watch.cards = cards;
}

// Whether the box came since the last check (other boxes aside).
bool newBox(std::string_view prompt) {
    if (!watch.boxes) return false;
    const auto& shown = watch.boxes->shown();
    const bool came = std::any_of(shown.begin() + static_cast<std::ptrdiff_t>(watch.seen), shown.end(),
                                  [&](const platform::BoxRequest& box) { return box.prompt == prompt; });
    watch.seen = shown.size();
    return came;
}

// The win question comes on the won game alone (Yes deals again), and the move that wins asks it.
std::string asksOnWinning(const platform::Form& w, bool won, bool fresh) {
    const bool asked = newBox(kPlayAgain);
    const bool wasWon = watch.window == &w && watch.won;
    watch.window = &w;
    watch.won = won;
    if (asked && !won && !fresh) return "the win question came though the game is not won";
    if (watch.boxes && won && !wasWon && !asked) return "the game was won and nothing asked";
    return {};
}

bool frontAtCentre(platform::Form& w, const platform::Control& c) {
    return platform::input::hitTest(w, c.windowX() + c.Width / 2, c.windowY() + c.Height / 2) == &c;
}

std::string offersNewGame(const platform::Form& w, const platform::Menu& newgame) {
    if (!w.Enabled) return "the window is disabled while open";
    if (!newgame.Enabled) return "New Game is not offered";
    return {};
}

std::string calculationHolds(calculation& c) {
    const calc::CalculationTable& t = c.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, calc::kCards); !wrong.empty()) return wrong;
    if (std::string wrong = offersNewGame(c, c.newgame); !wrong.empty()) return wrong;
    std::array<int, calc::kFoundations + 1> onFoundation{};
    std::array<std::vector<int>, calc::kPiles + 1> onPile{};
    int waiting = 0;
    int latest = 0;
    for (int i = 1; i <= calc::kCards; ++i) {
        const std::string card = "card " + std::to_string(i);
        const Image& picture = c.Image1[i];
        const int tag = t.tag[i];
        if (picture.Tag.get() != std::to_string(tag)) return card + "'s tag is not the table's";
        if ((picture.DragMode == platform::vbAutomatic) != bool(t.draggable[i]))
            return card + "'s drag right is not the table's";
        if (tag >= 1 && tag <= calc::kFoundations) {
            ++onFoundation[static_cast<std::size_t>(tag)];
            // Parked out of sight (the load scales the first deal's parked cards where they lie).
            if (picture.Top + picture.Height > 0) return card + " on a foundation shows";
            if (t.draggable[i]) return card + " on a foundation drags";
        } else if (const int p = calc::pileof(tag)) {
            onPile[static_cast<std::size_t>(p)].push_back(tag - 100 * p);
            if (picture.Left != c.Image2[p].Left || picture.Top < c.Image2[p].Top) return card + " lies off its pile";
            if (picture.Top + picture.Height > c.ScaleHeight() + 1) return card + " runs off the window";
            if (t.draggable[i] != (tag == 100 * p + 1)) return card + ": only a pile's top card drags";
        } else {
            if (i < calc::kFirstStock || tag != calc::kStockBand + i - 4) return card + " lost its stock number";
            const bool turned = i < t.turned + calc::kFirstStock;
            if (t.draggable[i] != turned) return card + ": a stock card drags exactly once turned";
            if (turned) {
                ++waiting;
                latest = i;
                if (picture.Left != core::scaled(calc::kTurnLeft, c.scale) ||
                    picture.Top != core::scaled(calc::kTurnTop, c.scale))
                    return card + " waits away from the turn position";
            } else if (picture.Top + picture.Height > 0) {
                return card + " in the stock shows";
            }
        }
    }
    int piled = 0;
    for (int p = 1; p <= calc::kPiles; ++p) {
        std::vector<int> places = onPile[static_cast<std::size_t>(p)];
        std::sort(places.begin(), places.end());
        std::vector<int> expected(static_cast<std::size_t>(t.pilecount[p]));
        std::iota(expected.begin(), expected.end(), 1);
        const std::string pile = "pile " + std::to_string(p);
        if (places != expected) return pile + " is not numbered from its top without gaps";
        piled += t.pilecount[p];
        if (c.marker(p).Visible != (t.pilecount[p] == 0)) return pile + "'s marker does not tell whether it is empty";
        if (const int top = calc::piletop(t, p); top && !frontAtCentre(c, c.Image1[top]))
            return pile + "'s top card is out of reach";
    }
    int up = 0;
    for (int f = 1; f <= calc::kFoundations; ++f) {
        const int n = onFoundation[static_cast<std::size_t>(f)];
        const std::string foundation = "foundation " + std::to_string(f);
        up += n;
        if (t.closed[f] != (n == 13)) return foundation + " is closed without its king, or open with it";
        if (c.Image3[f].Enabled == t.closed[f]) return foundation + " takes drops while closed, or none while open";
        // Foundation f steps by f through all thirteen ranks, so its last card is its only one of
        // the rank it took last.
        if (!t.closed[f] && t.foundneed[f] != (f * (n + 1) - 1) % 13 + 1) return foundation + " needs the wrong rank";
        const int last = t.closed[f] ? 13 : (t.foundneed[f] - f + 25) % 13 + 1;
        for (int i = 1; i <= calc::kCards; ++i)
            if (t.tag[i] == f && t.cardrank[i] == last && c.Image3[f].Picture != c.Image1[i].Picture)
                return foundation + " does not show its last card";
    }
    if (up + piled + (calc::kStockCards - t.turned) + waiting != calc::kCards)
        return "a card lies in two places or none";
    if (c.deckpic.Visible != (t.turned < calc::kStockCards))
        return "the stock shows when spent, or hides while it holds cards";
    if (latest != 0 && !frontAtCentre(c, c.Image1[latest])) return "the latest turned card is out of reach";
    const bool fresh = t.turned == 0 && piled == 0;
    countMove(c, up + piled, up + piled > watch.cards);
    return asksOnWinning(c, calc::won(t), fresh);
}

// A card that goes up and its foundation; else the stock, the waiting card and the piles.
std::vector<platform::Control*> calculationMoves(calculation& c) {
    for (int i = 1; i <= calc::kCards; ++i)
        for (int f = 1; f <= calc::kFoundations; ++f)
            if (c.table.draggable[i] && calc::takes(c.table, i, f)) return {&c.Image1[i], &c.Image3[f]};
    std::vector<platform::Control*> moves{&c.deckpic};
    if (c.table.turned > 0) {
        const int latest = c.table.turned + calc::kFirstStock - 1;
        if (c.table.draggable[latest] && c.table.tag[latest] >= calc::kStockBand) {
            moves.push_back(&c.Image1[latest]);
            for (int p = 1; p <= calc::kPiles; ++p) moves.push_back(&c.Image2[p]);
        }
    }
    return moves;
}

// What a player does on a deal that can go no further (the stock spent, nothing waiting, no pile's
// top going up): a new game; otherwise a card turned from the stock.
std::string calculationActs(calculation& c, std::mt19937&) {
    if (const auto at = gp::reachablePoint(c.deckpic)) {
        platform::input::press(c, at->x, at->y, platform::vbLeftButton);
        platform::input::release(c, at->x, at->y, platform::vbLeftButton);
        return "a card turned from the stock";
    }
    const std::vector<platform::Control*> moves = calculationMoves(c);
    if (moves.size() > 1) return "no New Game while a card can go on";
    c.newgame.userChoose();
    return "menu Calculation: File > New Game on a deal that can go no further";
}

std::string nestorHolds(nestor& n) {
    const nr::NestorTable& t = n.table;
    if (std::string wrong = gp::everyCodeOnce(t.deckorder, nr::kCards); !wrong.empty()) return wrong;
    if (std::string wrong = offersNewGame(n, n.new_); !wrong.empty()) return wrong;
    int shown = 0;
    for (int c = 1; c <= nr::kReserve; ++c) {
        const std::string column = c == nr::kReserve ? "the reserve" : "column " + std::to_string(c);
        const int first = c == nr::kReserve ? nr::kFirstReserve : (c - 1) * nr::kRows + 1;
        const int last = c == nr::kReserve ? nr::kCards : c * nr::kRows;
        std::vector<int> ranks;
        int count = 0;
        int depth = 0;
        // From the free end up: the depths run 1, 2, ... without a gap (the reserve's all 1).
        for (int p = last; p >= first; --p) {
            const std::string card = "card image " + std::to_string(p);
            const Image& picture = n.Image1[p];
            if (picture.Visible != t.shown[p])
                return card + (picture.Visible ? " shows though gone" : " is hidden though dealt");
            if (picture.Tag.get() != std::to_string(t.depth[p])) return card + "'s tag is not its depth";
            if ((picture.DragMode == platform::vbAutomatic) != (t.shown[p] && t.depth[p] == 1))
                return card + " drags though not free, or is free and does not drag";
            if (!t.shown[p]) {
                if (picture.Left != nr::kRemoved.Left || picture.Top != nr::kRemoved.Top)
                    return card + " is gone but not put away";
                continue;
            }
            ++count;
            if (t.depth[p] != (c == nr::kReserve ? 1 : ++depth)) return card + "'s depth does not run on in " + column;
            if (picture.Left != nr::place(p, n.scale).Left || picture.Top != nr::place(p, n.scale).Top)
                return card + " is not at its place";
            if (t.depth[p] == 1 && !frontAtCentre(n, picture)) return card + " is free but out of reach";
            if (c != nr::kReserve) ranks.push_back(t.cardrank[p]);
        }
        if (t.columncount[c] != count)
            return column + " counts " + std::to_string(t.columncount[c]) + " cards, shows " + std::to_string(count);
        shown += count;
        std::sort(ranks.begin(), ranks.end());
        if (std::adjacent_find(ranks.begin(), ranks.end()) != ranks.end()) return column + " repeats a rank";
    }
    if (shown % 2 != 0) return "cards left other than in pairs";
    countMove(n, shown, shown < watch.cards);
    return asksOnWinning(n, nr::won(t), shown == nr::kCards);
}

// The free cards that have a free partner of their rank.
std::vector<platform::Control*> nestorMoves(nestor& n) {
    std::vector<platform::Control*> moves;
    for (int d = 1; d <= nr::kCards; ++d)
        for (int e = 1; e <= nr::kCards; ++e)
            if (d != e && nr::draggable(n.table, d) && nr::draggable(n.table, e) &&
                n.table.cardrank[d] == n.table.cardrank[e]) {
                moves.push_back(&n.Image1[d]);
                break;
            }
    return moves;
}

std::string interlockHolds(interlockpuzzle& w) {
    const ir::InterlockTable& t = w.table;
    if (t.blankcell == 0) return {};
    if (std::string wrong = offersNewGame(w, w.newgame); !wrong.empty()) return wrong;
    std::vector<int> faces(t.deckorder.begin() + 1, t.deckorder.end());
    std::sort(faces.begin(), faces.end());
    if (faces != std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}) return "a face is dealt twice";
    std::vector<int> cells(t.tag.begin() + 1, t.tag.end());
    cells.push_back(t.blankcell);
    std::sort(cells.begin(), cells.end());
    if (cells != std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})
        return "two cards share a cell, or a card lies on the blank one";
    for (int k = 1; k <= ir::kCards; ++k) {
        const std::string card = "card image " + std::to_string(k);
        const Image& picture = w.Image1[k];
        const int cell = t.tag[k];
        if (picture.Tag.get() != std::to_string(cell)) return card + "'s tag is not its cell";
        if (t.cardcell[t.deckorder[k]] != cell) return card + "'s face is placed elsewhere";
        if (picture.Left != w.Image2[cell].Left || picture.Top != w.Image2[cell].Top)
            return card + " lies off its cell";
        if (!frontAtCentre(w, picture)) return card + " is covered";
    }
    if (!frontAtCentre(w, w.Image2[t.blankcell])) return "the blank cell does not show";
    // A click on a card slides it exactly when it lies beside the blank cell, and the notice comes
    // once after every click on a card that leaves the cards in order.
    if (watch.clicked.size() == 1) {
        const int k = watch.clicked.front();
        const std::string card = "card image " + std::to_string(k);
        const bool slid = t.tag != watch.puzzle.tag;
        if (slid != ir::slides(watch.puzzle.tag[k], watch.puzzle.blankcell))
            return card + (slid ? " slid though not beside the blank cell" : " beside the blank cell did not slide");
        if (std::ranges::count(gp::promptsOfStep(), kYouWin) != (ir::solved(t) ? 1 : 0))
            return "a click on " + card + " did not bring the notice once exactly when the cards lie in order";
    }
    watch.clicked.clear();
    // The notice follows every click on a card while the cards are in order, and a slide that
    // puts them in order is such a click.
    const bool noticed = newBox(kYouWin);
    const bool slid = watch.window == &w && watch.cells != t.tag;
    watch.window = &w;
    watch.cells = t.tag;
    if (noticed && !ir::solved(t)) return "the notice came though the cards are out of order";
    if (watch.boxes && slid && ir::solved(t) && !noticed) return "a slide put the cards in order and no notice came";
    return {};
}

// The card images' click handler, noting each card clicked before it takes the click.
struct NotedCardClicks {
    std::function<void(int)> handler;
    void operator()(int card) const {
        watch.clicked.push_back(card);
        if (handler) handler(card);
    }
};

// Before each step: the puzzle as it lies, and the card images note their clicks from here on.
void interlockBefore(interlockpuzzle& w) {
    if (!w.Image1.Click.target<NotedCardClicks>()) w.Image1.Click = NotedCardClicks{std::move(w.Image1.Click)};
    watch.clicked.clear();
    watch.puzzle = w.table;
}

// The cards beside the blank cell.
std::vector<platform::Control*> interlockMoves(interlockpuzzle& w) {
    std::vector<platform::Control*> moves;
    for (int k = 1; k <= ir::kCards; ++k)
        if (ir::slides(w.table.tag[k], w.table.blankcell)) moves.push_back(&w.Image1[k]);
    return moves;
}

// Calculation and Nestor are played by dragging cards.
const bool calculationPlayed = gp::playRules<calculation>(
    "calculation",
    {.locks = common::mainwindow,
     .holds = calculationHolds,
     .moves = calculationMoves,
     .acts = calculationActs,
     .dragged = true});
const bool nestorPlayed = gp::playRules<nestor>(
    "nestor", {.locks = common::mainwindow, .holds = nestorHolds, .moves = nestorMoves, .dragged = true});
const bool interlockPlayed = gp::playRules<interlockpuzzle>(
    "interlock",
    {.locks = common::mainwindow, .holds = interlockHolds, .moves = interlockMoves, .before = interlockBefore});

// Longer runs than every window gets, at each screen size, each starting whenever its window opens
// from a deal that is nearly won, so the win question comes and is answered either way.
class SmallSolitairesPlay : public ProgramTest {
protected:
    // Every replay starts watching afresh.
    void SetUp() override {
        ProgramTest::SetUp();
        watch = {.boxes = &boxes, .seen = boxes.shown().size()};
    }
    void TearDown() override {
        watch = {};
        ProgramTest::TearDown();
    }

    // Plays the steps in the window of type T, dealt by `nearlyWon` whenever it opens; returns how
    // often the box that says `win` came.
    template <class T>
    int playFrom(std::uint32_t seed, int steps, int widthPx, int heightPx, const std::string& win,
                 void (SmallSolitairesPlay::*nearlyWon)(T&)) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " at " + std::to_string(widthPx) + " x " +
                     std::to_string(heightPx));
        const std::size_t before = boxes.shown().size();
        leaveHomeUnpainted();
        play(seed, steps, typeid(T), [&] {
            setScreen(widthPx, heightPx);
            const Form1* main = platform::loaded<Form1>();
            if (!main || !main->Visible) startProgram();
            T& w = platform::window<T>();
            w.Show();
            settle();
            (this->*nearlyWon)(w);
        });
        moved += watch.moves;
        const auto& shown = boxes.shown();
        return static_cast<int>(std::count_if(shown.begin() + static_cast<std::ptrdiff_t>(before), shown.end(),
                                              [&](const platform::BoxRequest& box) { return box.prompt == win; }));
    }

    // The steps that took a card, over the runs of a test.
    int moved = 0;

public:
    // The deal whose stock comes in the foundations' order, played up to its last three cards.
    void calculationNearlyWon(calculation& c) {
        c.dealKnown(solitairetest::calculationDeal(true).order);
        for (int left = calc::kStockCards; left > 3; --left) {
            click(c.deckpic);
            const int turned = c.table.turned + calc::kFirstStock - 1;
            for (int f = 1; f <= calc::kFoundations; ++f)
                if (calc::takes(c.table, turned, f)) {
                    drag(c.Image1[turned], c.Image3[f]);
                    break;
                }
        }
    }

    // The deal that can be cleared, cleared but for its last four pairs.
    void nestorNearlyWon(nestor& n) {
        n.dealKnown(solitairetest::nestorDeal());
        for (bool paired = true; paired;) {
            paired = false;
            int left = 0;
            for (int p = 1; p <= nr::kCards; ++p) left += n.table.shown[p];
            if (left <= 8) break;
            for (int d = 1; d <= nr::kCards && !paired; ++d)
                for (int e = 1; e <= nr::kCards && !paired; ++e)
                    if (d != e && nr::draggable(n.table, d) && nr::draggable(n.table, e) &&
                        n.table.cardrank[d] == n.table.cardrank[e]) {
                        drag(n.Image1[d], n.Image1[e]);
                        paired = true;
                    }
        }
    }

    // One slide from solved: the eight on cell 9, the blank on cell 8.
    void interlockNearlyWon(interlockpuzzle& w) { w.dealKnown(8, {1, 2, 3, 4, 5, 6, 7, 8}); }
};

// One run's seed and screen.
struct SeededScreen {
    std::uint32_t seed;
    int width;
    int height;
};

TEST_F(SmallSolitairesPlay, CalculationKeepsEveryCardInOnePlaceAndEveryMovableCardInReach) {
    int wins = 0;
    for (const SeededScreen& run :
         {SeededScreen{21, 1024, 768}, SeededScreen{22, 800, 600}, SeededScreen{23, 640, 480}})
        wins += playFrom<calculation>(run.seed, 1500, run.width, run.height, kPlayAgain,
                                      &SmallSolitairesPlay::calculationNearlyWon);
    EXPECT_GT(wins, 1) << "the win question came and was answered";
    EXPECT_GT(moved, 300) << "turns aside, drops taken";
}

TEST_F(SmallSolitairesPlay, NestorKeepsEveryColumnsDepthsAndEveryFreeCardInReach) {
    int wins = 0;
    for (const SeededScreen& run :
         {SeededScreen{31, 1024, 768}, SeededScreen{32, 800, 600}, SeededScreen{33, 640, 480}})
        wins +=
            playFrom<nestor>(run.seed, 1500, run.width, run.height, kPlayAgain, &SmallSolitairesPlay::nestorNearlyWon);
    EXPECT_GT(wins, 1) << "the win question came and was answered";
    EXPECT_GT(moved, 120) << "pairs taken off";
}

TEST_F(SmallSolitairesPlay, InterlockKeepsEveryCardOnItsCell) {
    int notices = 0;
    for (const SeededScreen& run : {SeededScreen{41, 1024, 768}, SeededScreen{42, 640, 480}})
        notices += playFrom<interlockpuzzle>(run.seed, 2000, run.width, run.height, kYouWin,
                                             &SmallSolitairesPlay::interlockNearlyWon);
    EXPECT_GT(notices, 5) << "the notice came";
}

}  // namespace
