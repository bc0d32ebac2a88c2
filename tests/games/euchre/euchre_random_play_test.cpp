#include "euchre_fixture.h"

#include "games/euchre/euchre_layout.h"
#include "games/euchre/euchre_play.h"

#include <QWidget>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>

using namespace euchrerules;

namespace {

// Seeded runs of random gestures through the real routing: cards, suit buttons, "Pass", every
// menu item, the score window closed at any moment, the table closed and opened again, and every
// question answered either way. After each step the table must still answer and keep its cards.
class EuchreRandomPlay : public EuchreTest {
protected:
    gp::RandomPlay play;

    int pick(int n) { return play.pick(n); }

    void step(euchre& e) {
        const int roll = pick(1000);
        if (roll < 300) {
            advance(1 + pick(3000));
        } else if (roll < 600) {
            // A card of the last trick lies off the table, where nobody can click it.
            const int slot = 1 + pick(5);
            if (isHeld(e.table, slot)) click(e.Image1[slot]);
        } else if (roll < 700) {
            platform::Control* frame[] = {&e.Image6, &e.Image7, &e.Image8, &e.Image9, &e.Label10};
            if (e.Frame1.Visible) click(*frame[pick(5)]);
        } else if (roll < 830) {
            if (euchrescore* score = platform::loaded<euchrescore>()) close(*score);
        } else if (roll < 870) {
            platform::Menu* items[] = {&e.playtoeight, &e.playtoten, &e.playtotwelve, &e.onsound, &e.off, &e.rules};
            chooseMenu(*items[pick(6)]);
        } else if (roll < 890) {
            chooseMenu(e.score);
        } else if (roll < 891) {
            chooseMenu(e.newgame);
        } else if (roll < 892) {
            if (pick(2) == 0) pick(2) ? chooseMenu(e.exit) : close(e);
        } else {
            advance(10 + pick(300));
        }
    }

    // What must hold after every step while the table is open.
    void checkTable(euchre& e, const std::string& where) {
        SCOPED_TRACE(where);
        euchrescore* score = platform::loaded<euchrescore>();
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the table is open";
        if (score) {
            EXPECT_TRUE(score->Visible);
            EXPECT_FALSE(e.Enabled) << "the score window locks the table";
        } else {
            EXPECT_TRUE(e.Enabled);
        }

        int running = 0;
        for (platform::Timer* t : {&e.Timer1, &e.Timer2, &e.Timer3, &e.Timer4, &e.Timer5, &e.Timer6}) running += t->Enabled;
        EXPECT_LE(running, 1) << "one step of the table at a time";
        EXPECT_FALSE(e.Image5.Visible);
        EXPECT_FALSE(e.Image2.Visible);

        std::set<int> codes(e.table.deckorder.begin() + 1, e.table.deckorder.end());
        EXPECT_EQ(codes.size(), 24u);
        EXPECT_EQ(*codes.begin(), 1);
        EXPECT_EQ(*codes.rbegin(), 24);

        const EuchreTable& t = e.table;
        bool userCanPlay = false;
        if (t.playing && t.turn == kUser)
            for (int slot = 1; slot <= 5; ++slot)
                userCanPlay |= e.Image1[slot].Enabled && e.Image1[slot].Visible && userMayPlay(t, slot);
        if (t.playing) {
            EXPECT_FALSE(e.Frame1.Visible);
            for (int seat = 1; seat <= 4; ++seat) {
                if (seat == kPartner && t.alone == -1) continue;
                int held = 0;
                for (int slot = firstSlot(seat); slot <= lastSlot(seat); ++slot) held += isHeld(t, slot);
                int counted = 0;
                for (Suit suit : kSuitOrder) counted += suitcountOf(t, seat, suit);
                EXPECT_EQ(counted, held) << "seat " << seat << "'s counts follow its hand";
            }
        }
        if (e.Frame1.Visible) {
            EXPECT_EQ(t.turn, kUser) << "Pick Suit is the user's turn in round two";
            EXPECT_EQ(running, 0);
        }
        if (score && score->onclose != euchrescore::OnClose::Nothing) {
            EXPECT_FALSE(t.playing) << "a finished hand";
        }
        // The user's cards still in the row lie at their places, numbered from the left.
        std::set<int> places;
        for (int slot = 1; slot <= 5; ++slot) {
            if (!isHeld(t, slot) || e.Image1[slot].Top != userRowPlace(1, e.scale).top) continue;
            places.insert(t.tag[slot]);
            EXPECT_NEAR(e.Image1[slot].Left, userRowPlace(t.tag[slot], e.scale).left, 0.01) << "slot " << slot;
        }
        EXPECT_EQ(static_cast<int>(places.size()), t.playercount);
        if (!places.empty()) {
            EXPECT_EQ(*places.begin(), 1);
            EXPECT_EQ(*places.rbegin(), t.playercount);
        }
        if (userCanPlay && running == 0) {
            EXPECT_TRUE(e.newgame.Enabled) << "the user's turn may start a new game";
        }
        const bool answers = running > 0 || e.Frame1.Visible || score || userCanPlay;
        EXPECT_TRUE(answers) << "the table waits for nothing: playing " << t.playing << ", turn " << t.turn
                             << ", leader " << t.leader;
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            euchre* e = platform::loaded<euchre>();
            if (!e) {
                EXPECT_EQ(platform::loaded<euchrescore>(), nullptr) << "the score window goes with its table";
                gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
                if (mainWindow) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the table released the main window";
                }
                e = &openTable();
                // Nothing here looks at pixels: the table is not painted, so that the run stays quick.
                e->topLevel()->setUpdatesEnabled(false);
            }
            const std::string where = "step " + std::to_string(n);
            step(*e);
            if (euchre* open = platform::loaded<euchre>()) checkTable(*open, where);
            if (HasFailure()) break;
        }
        // The computer seats' "ERROR" notice is one a consistent table never shows.
        EXPECT_EQ(std::count(play.prompts().begin(), play.prompts().end(), "ERROR"), 0);
        // The run ends with the table in whatever state it is: nothing more is dealt or asked.
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before);
    }
};

TEST_F(EuchreRandomPlay, TheTableAlwaysAnswersAndKeepsItsCards) {
    for (std::uint32_t seed : {11u, 12u, 13u, 14u}) {
        run(seed, 5000);
        if (HasFailure()) break;
    }
}

}  // namespace
