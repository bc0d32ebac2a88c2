#include "solitaire_fixture.h"

#include "games/smallsolitaires/calculation_rules.h"
#include "games/smallsolitaires/interlock_rules.h"
#include "games/smallsolitaires/nestor_rules.h"

#include "common/scaling.h"
#include "platform/input.h"
#include "support/random_play.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

// Seeded runs of random gestures through the real routing, one per window and screen: cards
// dragged (free or not) and released anywhere, onto whatever lies in front there, the pointer moved
// over cards, clicks anywhere, every menu item, New Game at any moment, now and then a deal that is
// nearly won so the win question comes and is answered either way, and the window closed and opened
// again by its close box or Exit. After each step the window must mirror its table, hold every card
// once in one place, leave every card that may move within the user's reach, and lock the main
// window exactly while it is open. None of these windows owns a timer.
namespace {

using platform::Control;
using platform::Image;

template <class Base>
class RandomPlayOf : public Base {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }
    template <class T>
    const T& any(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(pick(static_cast<int>(items.size())))];
    }

    // A random point of the control, on the window's client area.
    std::pair<double, double> pointOn(platform::Form& w, const Control& aim) {
        const double x = std::min(aim.windowX() + aim.Width * pick(100) / 100.0, w.ScaleWidth() - 1);
        const double y = std::min(aim.windowY() + aim.Height * pick(100) / 100.0, w.ScaleHeight() - 1);
        return {std::max(x, 0.0), std::max(y, 0.0)};
    }

    // A drag of the source released at (x, y), on whatever lies in front there.
    void dropAt(platform::Form& w, Control& source, double x, double y) {
        if (Control* front = platform::input::hitTest(w, x, y))
            this->drag(source, *front, x - front->windowX(), y - front->windowY());
        else
            this->dragTo(source, x, y);
    }

    static bool frontAtCentre(platform::Form& w, const Control& c) {
        return platform::input::hitTest(w, c.windowX() + c.Width / 2, c.windowY() + c.Height / 2) == &c;
    }

    // The window is closed at random by its close box or Exit; it must release the main window.
    template <class W>
    void closeWindow(W& w, platform::Menu& exit) {
        pick(2) ? this->chooseMenu(exit) : this->close(w);
        this->settle();
        EXPECT_EQ(platform::loaded<W>(), nullptr);
        EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled) << "released when the game closes";
    }

    template <class W>
    W& openAgain() {
        W& w = this->template openGame<W>();
        // Nothing here looks at pixels: the table is not painted, so the run stays quick.
        w.topLevel()->setUpdatesEnabled(false);
        return w;
    }

    // What every open window must show: the main window locked, New Game offered.
    void expectAnswers(platform::Form& w, const platform::Menu& newgame) {
        EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled) << "locked while the game is open";
        EXPECT_TRUE(w.Enabled);
        EXPECT_TRUE(newgame.Enabled) << "a new game can always be started";
    }

    // Runs `steps` gestures from the given seed on the given screen, reopening the window whenever
    // a step closed it, and checks after each.
    template <class W, class Step, class Check>
    void run(std::uint32_t seed, int steps, int widthPx, int heightPx, Step step, Check check) {
        SCOPED_TRACE("seed " + std::to_string(seed) + " at " + std::to_string(widthPx) + " x " +
                     std::to_string(heightPx));
        this->setScreen(widthPx, heightPx);
        play.seed(seed);
        W* w = &openAgain<W>();
        for (int n = 0; n < steps && !this->HasFailure(); ++n) {
            SCOPED_TRACE("step " + std::to_string(n));
            step(*w);
            w = platform::loaded<W>();
            if (!w) w = &openAgain<W>();
            check(*w);
        }
        w->Unload();
        this->settle();
        EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
    }
};

// --- Calculation ---------------------------------------------------------------------------------

namespace calc = calculationrules;

class CalculationRandomPlay : public RandomPlayOf<CalculationTest> {
protected:
    int wins = 0;
    int accepted = 0;

    // The cards the user can take hold of: each pile's top and the latest card waiting at the turn
    // position; now and then any card that shows.
    std::vector<int> sources(calculation& c) {
        std::vector<int> cards;
        const bool anyCard = pick(6) == 0;
        for (int i = 1; i <= calc::kCards; ++i)
            if (c.Image1[i].Top > 0 && frontAtCentre(c, c.Image1[i]) &&
                (anyCard || c.Image1[i].DragMode == platform::vbAutomatic))
                cards.push_back(i);
        return cards;
    }

    // A card that some foundation takes goes there; false when none does.
    bool putUp(calculation& c) {
        for (int i = 1; i <= calc::kCards; ++i)
            for (int f = 1; f <= calc::kFoundations; ++f)
                if (calc::takes(c.table, i, f) && frontAtCentre(c, c.Image1[i])) {
                    drag(c.Image1[i], c.Image3[f]);
                    ++accepted;
                    return true;
                }
        return false;
    }

    void step(calculation& c) {
        // On the deal whose stock comes in the foundations' order, play mostly goes straight on,
        // so the win question comes.
        const solitairetest::Order straight = solitairetest::calculationDeal(true).order;
        if (std::equal(straight.begin(), straight.end(), c.table.deckorder.begin() + 1) && pick(10) != 0) {
            if (!putUp(c)) click(c.deckpic);
        } else {
            randomStep(c);
        }
        wins = static_cast<int>(std::count(play.prompts().begin(), play.prompts().end(), "You Win! Play again?"));
    }

    void randomStep(calculation& c) {
        const int roll = pick(100);
        if (roll < 25) {
            click(c.deckpic);
        } else if (roll < 70) {
            const std::vector<int> cards = sources(c);
            if (cards.empty()) return;
            Image& source = c.Image1[any(cards)];
            Control* aim = nullptr;
            switch (pick(5)) {
            case 0:
            case 1: aim = &c.Image3[1 + pick(calc::kFoundations)]; break;
            case 2: aim = &c.Image2[1 + pick(calc::kPiles)]; break;
            case 3: aim = &c.Image1[any(cards)]; break;
            default: aim = &c.deckpic; break;
            }
            const auto [x, y] = pointOn(c, *aim);
            const calc::CalculationTable before = c.table;
            dropAt(c, source, x, y);
            accepted += c.table != before;
        } else if (roll < 80) {
            putUp(c);
        } else if (roll < 86) {
            const std::vector<int> cards = sources(c);
            if (!cards.empty()) mouseMove(c.Image1[any(cards)]);
        } else if (roll < 90) {
            clickAt(c, pick(int(c.ScaleWidth())), pick(int(c.ScaleHeight())));
        } else if (roll < 94) {
            platform::Menu* items[] = {&c.onsound, &c.off, &c.rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 97) {
            chooseMenu(c.newgame);
        } else if (roll < 99) {
            // A deal whose stock comes in the foundations' order: played out, it reaches the win.
            c.dealKnown(solitairetest::calculationDeal(true).order);
        } else {
            closeWindow(c, c.exit);
        }
    }

    void check(calculation& c) {
        expectAnswers(c, c.newgame);
        const calc::CalculationTable& t = c.table;
        ASSERT_EQ(gp::everyCodeOnce(t.deckorder, calc::kCards), "") << "every card once";

        std::array<int, 5> onFoundation{};
        std::array<std::vector<int>, 5> onPile{};
        int waiting = 0;
        int latest = 0;
        for (int i = 1; i <= calc::kCards; ++i) {
            SCOPED_TRACE("card " + std::to_string(i));
            const Image& card = c.Image1[i];
            const int tag = t.tag[i];
            EXPECT_EQ(card.Tag.get(), std::to_string(tag));
            EXPECT_EQ(card.DragMode.get(), t.draggable[i] ? platform::vbAutomatic : platform::vbManual);
            if (tag >= 1 && tag <= calc::kFoundations) {
                ++onFoundation[static_cast<std::size_t>(tag)];
                // Parked out of sight (the load scales the first deal's parked cards where they lie).
                EXPECT_LE(card.Top + card.Height, 0);
                EXPECT_FALSE(t.draggable[i]);
            } else if (const int p = calc::pileof(tag)) {
                onPile[static_cast<std::size_t>(p)].push_back(tag - 100 * p);
                EXPECT_EQ(card.Left, c.Image2[p].Left);
                EXPECT_GE(card.Top, c.Image2[p].Top);
                EXPECT_LE(card.Top + card.Height, c.ScaleHeight() + 1) << "a pile stays on the window";
                EXPECT_EQ(t.draggable[i], tag == 100 * p + 1) << "only a pile's top card drags";
            } else {
                ASSERT_GE(i, calc::kFirstStock);
                EXPECT_EQ(tag, calc::kStockBand + i - 4) << "a stock card keeps its number";
                const bool turned = i < t.turned + calc::kFirstStock;
                EXPECT_EQ(t.draggable[i], turned);
                if (turned) {
                    ++waiting;
                    latest = i;
                    EXPECT_EQ(card.Left, core::scaled(calc::kTurnLeft, c.scale));
                    EXPECT_EQ(card.Top, core::scaled(calc::kTurnTop, c.scale));
                } else {
                    EXPECT_LE(card.Top + card.Height, 0) << "out of sight";
                }
            }
        }
        int piled = 0;
        for (int p = 1; p <= calc::kPiles; ++p) {
            std::vector<int> places = onPile[static_cast<std::size_t>(p)];
            std::sort(places.begin(), places.end());
            std::vector<int> expected(static_cast<std::size_t>(t.pilecount[p]));
            std::iota(expected.begin(), expected.end(), 1);
            EXPECT_EQ(places, expected) << "pile " << p << " numbered from its top without gaps";
            piled += t.pilecount[p];
            EXPECT_EQ(c.marker(p).Visible.get(), t.pilecount[p] == 0) << "pile " << p << "'s marker";
            if (const int top = calc::piletop(t, p)) {
                EXPECT_TRUE(frontAtCentre(c, c.Image1[top])) << "pile " << p << "'s top card in reach";
            }
        }
        int up = 0;
        for (int f = 1; f <= calc::kFoundations; ++f) {
            const int n = onFoundation[static_cast<std::size_t>(f)];
            up += n;
            EXPECT_EQ(t.closed[f], n == 13) << "foundation " << f;
            EXPECT_EQ(c.Image3[f].Enabled.get(), !t.closed[f]) << "foundation " << f;
            // Foundation f steps by f through all thirteen ranks, so its last card is its only one
            // of the rank it took last.
            const int last = t.closed[f] ? 13 : (t.foundneed[f] - f + 25) % 13 + 1;
            if (!t.closed[f]) {
                EXPECT_EQ(t.foundneed[f], (f * (n + 1) - 1) % 13 + 1) << "foundation " << f;
            }
            for (int i = 1; i <= calc::kCards; ++i)
                if (t.tag[i] == f && t.cardrank[i] == last) {
                    EXPECT_EQ(c.Image3[f].Picture, c.Image1[i].Picture) << "foundation " << f << " shows its last card";
                }
        }
        EXPECT_EQ(up + piled + (calc::kStockCards - t.turned) + waiting, calc::kCards) << "every card in one place";
        EXPECT_EQ(c.deckpic.Visible.get(), t.turned < calc::kStockCards);
        if (latest != 0) {
            EXPECT_TRUE(frontAtCentre(c, c.Image1[latest])) << "the latest turned card still waiting";
        }
    }

    void runAt(std::uint32_t seed, int steps, int widthPx, int heightPx) {
        run<calculation>(
            seed, steps, widthPx, heightPx, [this](calculation& c) { step(c); },
            [this](calculation& c) { check(c); });
    }
};

TEST_F(CalculationRandomPlay, EveryCardStaysInOnePlaceAndEveryMovableCardInReach) {
    runAt(21, 1500, 1024, 768);
    runAt(22, 1500, 800, 600);
    runAt(23, 1500, 640, 480);
    EXPECT_GT(accepted, 300) << "turns aside, drops taken";
    EXPECT_GT(wins, 1) << "the win question came and was answered";
}

// --- Nestor --------------------------------------------------------------------------------------

namespace nr = nestorrules;

class NestorRandomPlay : public RandomPlayOf<NestorTest> {
protected:
    void step(nestor& n) {
        std::vector<int> shown, free;
        for (int p = 1; p <= nr::kCards; ++p) {
            if (!n.Image1[p].Visible) continue;
            shown.push_back(p);
            if (n.Image1[p].DragMode == platform::vbAutomatic) free.push_back(p);
        }
        const int roll = pick(100);
        if (roll < 45) {
            if (free.empty() || shown.empty()) return;
            // A free card onto a random point of any card that shows, covered ones included.
            Image& source = n.Image1[any(free)];
            const auto [x, y] = pointOn(n, n.Image1[any(shown)]);
            dropAt(n, source, x, y);
        } else if (roll < 75) {
            // A free card onto another free card of its rank, when there is one.
            std::vector<std::pair<int, int>> pairs;
            for (int d : free)
                for (int t : free)
                    if (d != t && n.table.cardrank[d] == n.table.cardrank[t]) pairs.emplace_back(d, t);
            if (pairs.empty()) return;
            const auto [d, t] = any(pairs);
            drag(n.Image1[d], n.Image1[t]);
        } else if (roll < 82) {
            if (!shown.empty()) mouseMove(n.Image1[any(shown)]);
        } else if (roll < 87) {
            clickAt(n, pick(int(n.ScaleWidth())), pick(int(n.ScaleHeight())));
        } else if (roll < 92) {
            platform::Menu* items[] = {&n.onsound, &n.off, &n.rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 95) {
            chooseMenu(n.new_);
        } else if (roll < 99) {
            n.dealKnown(solitairetest::nestorDeal());
        } else {
            closeWindow(n, n.exit);
        }
    }

    void check(nestor& n) {
        expectAnswers(n, n.new_);
        const nr::NestorTable& t = n.table;
        ASSERT_EQ(gp::everyCodeOnce(t.deckorder, nr::kCards), "") << "every card once";

        int shown = 0;
        for (int c = 1; c <= nr::kReserve; ++c) {
            const int first = c == nr::kReserve ? nr::kFirstReserve : (c - 1) * nr::kRows + 1;
            const int last = c == nr::kReserve ? nr::kCards : c * nr::kRows;
            std::vector<int> ranks;
            int count = 0;
            int depth = 0;
            // From the free end up: the depths run 1, 2, ... without a gap (the reserve's all 1).
            for (int p = last; p >= first; --p) {
                SCOPED_TRACE("card image " + std::to_string(p));
                const Image& card = n.Image1[p];
                EXPECT_EQ(card.Visible.get(), t.shown[p]);
                EXPECT_EQ(card.Tag.get(), std::to_string(t.depth[p]));
                EXPECT_EQ(card.DragMode.get(), t.shown[p] && t.depth[p] == 1 ? platform::vbAutomatic : platform::vbManual);
                if (!t.shown[p]) {
                    EXPECT_EQ(card.Left, nr::kRemoved.Left);
                    EXPECT_EQ(card.Top, nr::kRemoved.Top);
                    continue;
                }
                ++count;
                EXPECT_EQ(t.depth[p], c == nr::kReserve ? 1 : ++depth);
                EXPECT_DOUBLE_EQ(card.Left, nr::place(p, n.scale).Left);
                EXPECT_DOUBLE_EQ(card.Top, nr::place(p, n.scale).Top);
                if (t.depth[p] == 1) {
                    EXPECT_TRUE(frontAtCentre(n, card)) << "a free card in reach";
                }
                if (c != nr::kReserve) ranks.push_back(t.cardrank[p]);
            }
            EXPECT_EQ(t.columncount[c], count) << "column " << c;
            shown += count;
            std::sort(ranks.begin(), ranks.end());
            EXPECT_EQ(std::adjacent_find(ranks.begin(), ranks.end()), ranks.end()) << "column " << c << " repeats a rank";
        }
        EXPECT_EQ(shown % 2, 0) << "cards leave in pairs";
    }

    void runAt(std::uint32_t seed, int steps, int widthPx, int heightPx) {
        run<nestor>(
            seed, steps, widthPx, heightPx, [this](nestor& n) { step(n); }, [this](nestor& n) { check(n); });
    }
};

TEST_F(NestorRandomPlay, EveryColumnKeepsItsDepthsAndEveryFreeCardStaysInReach) {
    runAt(31, 1500, 1024, 768);
    runAt(32, 1500, 800, 600);
    runAt(33, 1500, 640, 480);
    EXPECT_GT(std::count(play.prompts().begin(), play.prompts().end(), "You Win! Play again?"), 1);
}

// --- Interlock Puzzle ----------------------------------------------------------------------------

namespace ir = interlockrules;

class InterlockRandomPlay : public RandomPlayOf<InterlockTest> {
protected:
    int slides = 0;
    int notices = 0;

    void step(interlockpuzzle& w) {
        const int roll = pick(100);
        if (roll < 70) {
            // Mostly a card beside the blank, so the grid moves about.
            std::vector<int> cards;
            for (int k = 1; k <= ir::kCards; ++k)
                if (pick(4) == 0 || ir::slides(w.table.tag[k], w.table.blankcell)) cards.push_back(k);
            const ir::InterlockTable before = w.table;
            const std::size_t shownBefore = play.prompts().size();
            const int k = any(cards);
            click(w.Image1[k]);
            const bool slid = w.table != before;
            slides += slid;
            EXPECT_EQ(slid, ir::slides(before.tag[k], before.blankcell)) << "card image " << k;
            const bool solved = ir::solved(w.table);
            notices += solved;
            EXPECT_EQ(play.prompts().size(), shownBefore + (solved ? 1 : 0)) << "the notice follows every solving click";
        } else if (roll < 76) {
            click(w.Image2[w.table.blankcell]);
        } else if (roll < 82) {
            clickAt(w, pick(int(w.ScaleWidth())), pick(int(w.ScaleHeight())));
        } else if (roll < 88) {
            platform::Menu* items[] = {&w.onsound, &w.off, &w.rules};
            chooseMenu(*items[pick(3)]);
        } else if (roll < 92) {
            chooseMenu(w.newgame);
        } else if (roll < 99) {
            // One slide from solved: the eight on cell 9, the blank on cell 8.
            w.dealKnown(8, {1, 2, 3, 4, 5, 6, 7, 8});
        } else {
            closeWindow(w, w.exit);
        }
    }

    void check(interlockpuzzle& w) {
        expectAnswers(w, w.newgame);
        const ir::InterlockTable& t = w.table;
        std::vector<int> faces(t.deckorder.begin() + 1, t.deckorder.end());
        std::sort(faces.begin(), faces.end());
        EXPECT_EQ(faces, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8})) << "every face once";
        std::vector<int> cells(t.tag.begin() + 1, t.tag.end());
        cells.push_back(t.blankcell);
        std::sort(cells.begin(), cells.end());
        EXPECT_EQ(cells, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9})) << "every cell once";
        for (int k = 1; k <= ir::kCards; ++k) {
            SCOPED_TRACE("card image " + std::to_string(k));
            const Image& card = w.Image1[k];
            const int cell = t.tag[k];
            EXPECT_EQ(card.Tag.get(), std::to_string(cell));
            EXPECT_EQ(t.cardcell[t.deckorder[k]], cell);
            EXPECT_EQ(card.Left, w.Image2[cell].Left);
            EXPECT_EQ(card.Top, w.Image2[cell].Top);
            EXPECT_TRUE(frontAtCentre(w, card));
        }
        EXPECT_TRUE(frontAtCentre(w, w.Image2[t.blankcell])) << "the blank cell shows";
    }

    void runAt(std::uint32_t seed, int steps, int widthPx, int heightPx) {
        run<interlockpuzzle>(
            seed, steps, widthPx, heightPx, [this](interlockpuzzle& w) { step(w); },
            [this](interlockpuzzle& w) { check(w); });
    }
};

TEST_F(InterlockRandomPlay, EveryCardKeepsItsCellAndTheNoticeFollowsEverySolvingClick) {
    runAt(41, 2000, 1024, 768);
    runAt(42, 2000, 640, 480);
    EXPECT_GT(slides, 500);
    EXPECT_GT(notices, 5);
}

}  // namespace
