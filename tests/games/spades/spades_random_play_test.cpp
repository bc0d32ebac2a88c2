#include "spades_fixture.h"

#include "games/spades/spades_layout.h"
#include "games/spades/spades_play.h"
#include "games/spades/spades_scoring.h"

#include <QWidget>

#include <cstdint>
#include <set>
#include <string>
#include <vector>

using namespace spadesrules;

namespace {

constexpr platform::Color kTrickCircle = platform::RGB(255, 255, 0);

// Seeded runs of random gestures through the real routing: cards of every hand, bid buttons, the
// trade button, every menu item, the score window closed at any moment, the table closed and opened
// again, and every question answered either way. After each step the table must still answer and
// keep its cards.
class SpadesRandomPlay : public SpadesTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    spades& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        spades& s = open<spades>();
        // Nothing here looks at pixels: the table is not painted, so that the run stays quick.
        s.topLevel()->setUpdatesEnabled(false);
        return s;
    }

    void clickCard(spades& s) {
        // Mostly the user's row; now and then another hand or a card lying in the trick. Cards of
        // earlier tricks lie off the table, where nobody can click them.
        std::vector<int> row;
        for (int slot : slotsOf(kUser))
            if (isHeld(s.table, slot)) row.push_back(slot);
        int slot = 1 + pick(52);
        if (pick(4) && !row.empty()) slot = row[static_cast<std::size_t>(pick(static_cast<int>(row.size())))];
        const bool inTrick = !s.Timer3.Enabled && s.table.trickslot[static_cast<std::size_t>(seatOfSlot(slot))] == slot;
        if (isHeld(s.table, slot) || inTrick) click(s.Image1[slot]);
    }

    void step(spades& s) {
        const int roll = pick(1000);
        if (roll < 300) {
            advance(1 + pick(3000));
        } else if (roll < 600) {
            clickCard(s);
        } else if (roll < 680) {
            if (s.Frame1.Visible) click(s.Command3[pick(14)]);
        } else if (roll < 720) {
            if (s.Command5.Visible) click(s.Command5);
        } else if (roll < 830) {
            if (Spadescore* score = platform::loaded<Spadescore>()) close(*score);
        } else if (roll < 870) {
            platform::Menu* items[] = {&s.to200, &s.to250, &s.to400, &s.onsound, &s.off, &s.rules};
            chooseMenu(*items[pick(6)]);
        } else if (roll < 890) {
            chooseMenu(s.scorecard);
        } else if (roll < 891) {
            chooseMenu(s.start);
        } else if (roll < 892) {
            if (pick(2) == 0) pick(2) ? chooseMenu(s.exit) : close(s);
        } else {
            advance(10 + pick(300));
        }
    }

    static int held(const SpadesTable& t, int seat) {
        int n = 0;
        for (int slot : slotsOf(seat)) n += isHeld(t, slot);
        return n;
    }

    static bool offTable(const platform::Image& card) {
        return card.Left >= 20000 || card.Left <= -20000 || card.Top >= 10000 || card.Top <= -10000;
    }

    // Each hand's held cards lie in its fan without gaps, the user's row at its whole-twip Top (a
    // card raised for the trade 100 above it); the cards of the trick lie at their seats' places
    // until the sweep takes them, and every earlier trick is off the table.
    void checkCards(const spades& s) {
        const SpadesTable& t = s.table;
        for (int seat = 1; seat <= 4; ++seat) {
            int place = firstSlot(seat);
            for (int slot : slotsOf(seat)) {
                const platform::Image& card = s.Image1[slot];
                if (isHeld(t, slot)) {
                    const core::Place at = slotPlace(place++, s.scale);
                    EXPECT_NEAR(card.Left, at.left, 0.01) << "slot " << slot;
                    if (seat == kUser && card.Top.get() != t.handtop) {
                        EXPECT_TRUE(t.tradephase != 0 || s.Command5.Visible) << "slot " << slot << " lies raised";
                        EXPECT_EQ(card.Top.get(), t.handtop - kRaise) << "slot " << slot;
                    } else {
                        EXPECT_NEAR(card.Top, at.top, 0.01) << "slot " << slot;
                    }
                } else if (t.trickslot[static_cast<std::size_t>(seat)] == slot) {
                    if (s.Timer3.Enabled) continue;
                    const core::Place at = trickPlace(seat, s.scale);
                    EXPECT_NEAR(card.Left, at.left, 0.01) << "slot " << slot << " in the trick";
                    EXPECT_NEAR(card.Top, at.top, 0.01) << "slot " << slot << " in the trick";
                    EXPECT_NEAR(card.Width, s.Image1[39].Width, 0.01) << "slot " << slot << " lies upright";
                } else {
                    EXPECT_TRUE(offTable(card)) << "slot " << slot << " of an earlier trick at " << card.Left << ", "
                                                << card.Top;
                }
            }
        }
        int raised = 0;
        for (int slot : slotsOf(kUser)) raised += s.Image1[slot].Top.get() == t.handtop - kRaise;
        if (t.tradephase == -1) {
            EXPECT_EQ(raised, t.tradecount);
        }
    }

    // What must hold after every step while the table is open.
    void checkTable(spades& s, const std::string& where) {
        SCOPED_TRACE(where);
        const SpadesTable& t = s.table;
        Spadescore* score = platform::loaded<Spadescore>();
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the table is open";
        if (score) {
            EXPECT_TRUE(score->Visible);
            EXPECT_FALSE(s.Enabled) << "the score window locks the table";
        } else {
            EXPECT_TRUE(s.Enabled);
        }

        int running = 0;
        for (const platform::Timer* timer : {&s.Timer1, &s.Timer2, &s.Timer3}) running += timer->Enabled;
        EXPECT_LE(running, 1) << "one step of the table at a time";
        if (s.Timer1.Enabled) {
            EXPECT_TRUE(t.turn == 1 || t.turn == 2 || t.turn == 4) << "turn " << t.turn;
        }
        if (s.Timer2.Enabled) {
            for (int seat = 1; seat <= 4; ++seat) EXPECT_NE(t.tricksuit[static_cast<std::size_t>(seat)], std::nullopt) << "seat " << seat;
        }

        std::set<int> codes(t.deckorder.begin() + 1, t.deckorder.end());
        EXPECT_EQ(codes.size(), 52u);
        EXPECT_EQ(*codes.begin(), 1);
        EXPECT_EQ(*codes.rbegin(), 52);

        int tricks = 0;
        for (int seat = 1; seat <= 4; ++seat) {
            tricks += t.trickswon[static_cast<std::size_t>(seat)];
            int counted = 0;
            for (Suit suit : {Suit::Spades, Suit::Hearts, Suit::Diamonds, Suit::Clubs}) {
                int cards = 0;
                for (int slot : slotsOf(seat)) cards += isHeld(t, slot) && t.cardsuit[static_cast<std::size_t>(slot)] == suit;
                EXPECT_EQ(suitcountOf(t, seat, suit), cards) << "seat " << seat << "'s " << core::suitword(suit);
                counted += cards;
            }
            const bool played = t.tricksuit[static_cast<std::size_t>(seat)].has_value();
            EXPECT_EQ(held(t, seat), t.cardsleft - played) << "seat " << seat;
        }
        EXPECT_EQ(tricks, 13 - t.cardsleft);
        for (auto [row, team] : {std::pair{&s.Shape3, kOurs}, std::pair{&s.Shape1, kTheirs}}) {
            int filled = 0;
            for (int k = 1; k <= 13; ++k) filled += (*row)[k].FillColor.get() == kTrickCircle;
            EXPECT_EQ(filled, teamTricks(t, team)) << "one yellow circle a trick";
        }
        checkCards(s);

        if (t.tradephase == -1) {
            EXPECT_TRUE(s.Command5.Visible);
            EXPECT_EQ(s.Command5.Caption.get(), "Trade");
            EXPECT_EQ(s.Command5.Enabled.get(), t.tradecount == 2);
            EXPECT_FALSE(s.Frame1.Enabled) << "no bid before the trade";
        }
        if (s.Frame1.Visible) {
            EXPECT_EQ(running, 0) << "nothing plays while the user bids";
            EXPECT_TRUE(s.Frame1.Enabled || s.Command5.Visible) << "the bid frame waits for the trade only";
            EXPECT_EQ(t.cardsleft, 13);
        }
        if (score && score->Text1.Text.get() == "DONE") {
            EXPECT_EQ(t.cardsleft, 0) << "a finished hand";
            EXPECT_EQ(running, 0);
        }

        bool userCanPlay = false;
        if (t.turn == kUser && running == 0)
            for (int slot : slotsOf(kUser))
                userCanPlay |= s.Image1[slot].Enabled && userMayPlay(t, slot);
        const bool trading = (s.Command5.Visible && s.Command5.Caption.get() == "Start") || t.tradephase == -1;
        const bool gameOver = t.cardsleft == 0 && running == 0;
        const bool answers = running > 0 || (s.Frame1.Visible && s.Frame1.Enabled) || trading || score || userCanPlay ||
                             gameOver;
        EXPECT_TRUE(answers) << "the table waits for nothing: turn " << t.turn << ", leader " << t.leader
                             << ", cards left " << t.cardsleft;
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            spades* s = platform::loaded<spades>();
            if (!s) {
                EXPECT_EQ(platform::loaded<Spadescore>(), nullptr) << "the score window goes with its table";
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the table released the main window";
                }
                s = &openAgain();
            }
            const std::string where = "step " + std::to_string(n);
            step(*s);
            if (spades* open = platform::loaded<spades>()) checkTable(*open, where);
            if (HasFailure()) break;
        }
        // The run ends with the table in whatever state it is: nothing more is dealt or asked.
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before);
    }
};

TEST_F(SpadesRandomPlay, TheTableAlwaysAnswersAndKeepsItsCards) {
    for (std::uint32_t seed : {21u, 22u, 23u, 24u}) {
        run(seed, 8000);
        if (HasFailure()) break;
    }
}

}  // namespace
