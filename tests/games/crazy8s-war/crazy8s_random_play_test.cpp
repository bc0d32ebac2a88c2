#include "crazy8s_fixture.h"

#include "games/crazy8s-war/crazy8s_layout.h"
#include "games/crazy8s-war/crazy8s_rules.h"

#include "platform/input.h"

#include "support/fakes.h"
#include "support/random_play.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

using namespace crazy8srules;

namespace {

// Seeded runs of random gestures through the real routing: cards of the hand dragged onto the pile
// or let go anywhere, the stock clicked, clicks anywhere on the table, the suit choice answered with
// any ace or closed before a pick, every menu item, New Game at any moment, the window closed and
// opened again, and every question answered either way. After each step the table must still
// answer, lock the main window exactly while it is open, and hold every card once in one place.
class Crazy8sRandomPlay : public Crazy8sTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    crazy8s& openAgain() {
        crazy8s& c = openGame<crazy8s>();
        c.topLevel()->setUpdatesEnabled(false);
        return c;
    }

    // Takes a card of the hand where it shows and lets it go at (x, y), window twips: on the pile,
    // the stock, another card or the background alike.
    void dragCard(crazy8s& c, double x, double y) {
        std::vector<int> hand, plays;
        for (int k = 1; k <= kCards; ++k) {
            if (c.table.tag[k] != kUserTag) continue;
            hand.push_back(k);
            if (legal(c.table, k)) plays.push_back(k);
        }
        // Mostly a card that follows, so that games run to their end.
        if (!plays.empty() && pick(4)) hand = plays;
        if (hand.empty()) return;
        platform::Image& card = c.Image1[hand[static_cast<std::size_t>(pick(static_cast<int>(hand.size())))]];
        // The upper strip of a card shows even when the next row covers the rest.
        const double fromX = card.windowX() + pick(100) * card.Width / 100;
        const double fromY = card.windowY() + pick(20) * card.Height / 100;
        if (platform::input::hitTest(c, fromX, fromY) != &card) return;
        platform::input::move(c, fromX, fromY);
        platform::input::press(c, fromX, fromY, platform::vbLeftButton);
        platform::input::move(c, x, y, platform::vbLeftButton);
        platform::input::release(c, x, y, platform::vbLeftButton);
        settle();
    }

    void pileAt(crazy8s& c, double& x, double& y) {
        x = c.Image2.windowX() + pick(100) * c.Image2.Width / 100;
        y = c.Image2.windowY() + pick(100) * c.Image2.Height / 100;
    }

    void stepDialog(choosesuitcrazy8& d) {
        const int roll = pick(10);
        if (roll < 7) {
            platform::Image* aces[] = {&d.Image1, &d.Image2, &d.Image3, &d.Image4};
            click(*aces[pick(4)]);
        } else if (roll < 9) {
            close(d);
        } else {
            advance(1 + pick(2000));
        }
    }

    void step(crazy8s& c) {
        if (choosesuitcrazy8* d = platform::loaded<choosesuitcrazy8>(); d && d->Visible && pick(4)) {
            stepDialog(*d);
            return;
        }
        const int roll = pick(1000);
        if (roll < 200) {
            advance(1 + pick(1500));
        } else if (roll < 500) {
            double x = 0, y = 0;
            pileAt(c, x, y);
            dragCard(c, x, y);
        } else if (roll < 560) {
            dragCard(c, pick(int(c.ScaleWidth())), pick(int(c.ScaleHeight())));
        } else if (roll < 760) {
            clickAt(c, c.Command1.windowX() + c.Command1.Width / 2, c.Command1.windowY() + c.Command1.Height / 2);
        } else if (roll < 800) {
            clickAt(c, pick(int(c.ScaleWidth())), pick(int(c.ScaleHeight())));
        } else if (roll < 830) {
            platform::Menu* items[] = {&c.deal, &c.onsound, &c.off, &c.rules};
            chooseMenu(*items[pick(4)]);
        } else if (roll < 836) {
            chooseMenu(c.newgame);
        } else if (roll < 840) {
            if (pick(2))
                chooseMenu(c.exit);
            else
                close(c);
        } else if (roll < 842) {
            platform::unloadAll();
            settle();
        } else {
            advance(10 + pick(200));
        }
    }

    // What must hold after every step while the window is open.
    void checkTable(crazy8s& c, const std::string& where) {
        SCOPED_TRACE(where);
        const Crazy8sTable& t = c.table;
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the game is open";
        choosesuitcrazy8* dialog = platform::loaded<choosesuitcrazy8>();
        EXPECT_EQ(c.Enabled.get(), dialog == nullptr) << "the suit choice, and only it, locks the table";
        if (dialog) {
            EXPECT_TRUE(dialog->Visible);
        }

        ASSERT_EQ(gp::everyCodeOnce(t.deckorder, kCards), "") << "every card once";

        // Every card in one place: each hand's slots filled once, the cards outside numbered 1..K.
        std::vector<int> userslots(kHandSlots + 1), compslots(kHandSlots + 1), outside(kCards + 1);
        for (int k = 1; k <= kCards; ++k) {
            const int tag = t.tag[k];
            EXPECT_EQ(c.Image1[k].Tag.get(), std::to_string(tag)) << k;
            EXPECT_EQ(c.Image1[k].DragMode.get(), tag == kUserTag ? platform::vbAutomatic : platform::vbManual) << k;
            if (tag == kUserTag || tag == kCompTag) {
                const int slot = t.slot[k];
                ASSERT_TRUE(slot >= 1 && slot <= (tag == kUserTag ? t.playercount : t.compcount)) << k;
                ++(tag == kUserTag ? userslots : compslots)[static_cast<std::size_t>(slot)];
                const Place at = tag == kUserTag ? userslot(slot, c.scale) : compslot(slot, c.scale);
                EXPECT_EQ(c.Image1[k].Left.get(), at.left) << k;
                EXPECT_EQ(c.Image1[k].Top.get(), at.top) << k;
            } else {
                ASSERT_TRUE(tag >= 1 && tag <= t.discardtag) << k << " numbered " << tag;
                ++outside[static_cast<std::size_t>(tag)];
            }
        }
        for (int s = 1; s <= t.playercount; ++s) EXPECT_EQ(userslots[static_cast<std::size_t>(s)], 1) << "user slot " << s;
        for (int s = 1; s <= t.compcount; ++s) EXPECT_EQ(compslots[static_cast<std::size_t>(s)], 1) << "comp slot " << s;
        for (int n = 1; n <= t.discardtag; ++n) EXPECT_EQ(outside[static_cast<std::size_t>(n)], 1) << "number " << n;
        EXPECT_EQ(t.playercount + t.compcount + t.discardtag, kCards);
        EXPECT_LE(t.playercount, kHandSlots);
        EXPECT_LE(t.compcount, kHandSlots);
        EXPECT_EQ(backsShown(c), t.compcount);
        const int top = topdiscard(c);
        ASSERT_NE(top, 0);
        EXPECT_EQ(c.Image1[top].Left.get(), c.Image2.Left.get());
        EXPECT_EQ(c.Image1[top].Top.get(), c.Image2.Top.get());
        const std::vector<platform::Control*>& order = c.lightControls();
        EXPECT_GT(std::find(order.begin(), order.end(), &c.Image2), std::find(order.begin(), order.end(), &c.Image1[top]))
            << "the drop zone lies in front of the pile";

        // The table answers: the user can play or use the stock, or a computer turn, the suit
        // choice or the stock's opening is on its way, or a finished game waits for New Game.
        const bool over = t.playercount == 0 || t.compcount == 0;
        bool cardsOn = true;
        for (int k = 1; k <= kCards; ++k) cardsOn = cardsOn && c.Image1[k].Enabled;
        const bool userPlays = cardsOn && haslegal(t, kUserTag);
        const bool answers =
            c.Timer3.running() || dialog || (c.Command1.Enabled && c.Command1.Visible) || userPlays ||
            (c.Timer4.running() && cardsOn) || over;
        EXPECT_TRUE(answers) << "the table waits for nothing: user " << t.playercount << ", computer " << t.compcount
                             << ", outside " << t.discardtag;
        EXPECT_TRUE(c.newgame.Enabled);
        EXPECT_FALSE(c.deal.Enabled) << "Deal is never the user's";
        if (c.Timer3.running()) {
            EXPECT_FALSE(cardsOn) << "nothing to play while the computer's turn is pending";
            EXPECT_FALSE(c.Command1.Enabled);
            EXPECT_EQ(dialog, nullptr) << "no pause after an eight";
            EXPECT_FALSE(over);
        }
        if (over) {
            EXPECT_FALSE(c.Command1.Enabled) << "a finished game has no stock to use";
        }
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            crazy8s* c = platform::loaded<crazy8s>();
            if (!c) {
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the game released the main window";
                }
                EXPECT_EQ(platform::loaded<choosesuitcrazy8>(), nullptr) << "the suit choice went with its table";
                c = &openAgain();
            }
            step(*c);
            if (crazy8s* open = platform::loaded<crazy8s>()) checkTable(*open, "step " + std::to_string(n));
            if (HasFailure()) break;
        }
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before) << "nothing is asked on the way out";
    }
};

struct ScreenRun {
    std::uint32_t seed;
    int width, height;
};

TEST_F(Crazy8sRandomPlay, TheTableAlwaysAnswersAndHoldsEveryCardOnce) {
    // The last two runs at the two small screens, where the window and its cards shrink.
    const ScreenRun runs[] = {{81u, 1024, 768}, {82u, 1024, 768}, {83u, 800, 600}, {84u, 640, 480}};
    for (const ScreenRun& r : runs) {
        setScreen(r.width, r.height);
        run(r.seed, 3000);
        if (HasFailure()) break;
    }
    // The runs reach what they are for: games played to their end, and the table's notices.
    for (const char* prompt :
         {"You Win, Keep Playing?", "You Lost, Keep Playing?", "The Suit is now hearts", "The suit is now spades"}) {
        EXPECT_NE(std::find(play.prompts().begin(), play.prompts().end(), prompt), play.prompts().end()) << prompt;
    }
}

}  // namespace
