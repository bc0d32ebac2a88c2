#include "gin_fixture.h"

#include "games/gin/gin_layout.h"
#include "games/gin/gin_melds.h"

#include "core/cards.h"
#include "platform/files.h"
#include "platform/picture.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

using namespace ginrules;

namespace {

// Seeded runs of random gestures through the real routing: the stock, the cards of both hands and
// the pile, Knock and Continue, every menu item, the score window closed at any moment, the table
// closed and opened again, and every question answered either way. After each step the table must
// still answer, hold every card once where its tag says, and lock exactly what it should.
class GinRandomPlay : public GinTest {
protected:
    gp::RandomPlay play;
    std::map<int, QImage> faces;

    int pick(int n) { return play.pick(n); }

    gin& openAgain() {
        if (!platform::loaded<gp::mainstandin>()) open<gp::mainstandin>();
        gin& g = open<gin>();
        // Nothing here looks at pixels: the table is not painted, so that the run stays quick.
        g.topLevel()->setUpdatesEnabled(false);
        return g;
    }

    // Mostly a card of the user's; now and then one of the computer's or the top of the pile.
    void clickCard(gin& g) {
        std::vector<int> onTable;
        std::vector<int> users;
        for (int slot = 1; slot <= 52; ++slot) {
            const int tag = g.table.tag[slot];
            if (tag > kComputerHand) onTable.push_back(slot);
            if (heldBy(tag, kUser)) users.push_back(slot);
        }
        const std::vector<int>& from = pick(3) && !users.empty() ? users : onTable;
        const int slot = from[static_cast<std::size_t>(pick(static_cast<int>(from.size())))];
        // A pile card under the top one cannot be reached.
        if (onPile(g.table.tag[slot]) && slot != pileTop(g.table)) return;
        click(g.Image1[slot]);
    }

    // After a draw, the discard that leaves the user the lowest unmatched total, so that hands
    // also end by the user's gin and knock.
    void discardWell(gin& g) {
        if (g.table.turn != kUser || g.table.drawn != -1) return;
        int best = 0;
        int lowest = 1000;
        for (int slot = 1; slot <= 52; ++slot) {
            if (!heldBy(g.table.tag[slot], kUser)) continue;
            GinTable after = g.table;
            ginrules::discard(after, kUser, after.tag[slot]);
            ginrules::matching(after);
            if (after.unmatched[kUser] < lowest) lowest = after.unmatched[kUser], best = slot;
        }
        click(g.Image1[best]);
    }

    void step(gin& g) {
        const int roll = pick(1000);
        if (roll < 200) {
            advance(1 + pick(2500));
        } else if (roll < 400) {
            discardWell(g);
        } else if (roll < 530) {
            clickCard(g);
        } else if (roll < 680) {
            click(g.Image2);
        } else if (roll < 760) {
            click(g.Command5);
        } else if (roll < 800) {
            click(g.Command8);
        } else if (roll < 900) {
            if (ginscore* open = score()) close(*open);
        } else if (roll < 940) {
            platform::Menu* items[] = {&g.to75, &g.to75, &g.to100, &g.to150, &g.onsound, &g.off, &g.rules};
            chooseMenu(*items[pick(7)]);
        } else if (roll < 965) {
            chooseMenu(g.score);
        } else if (roll < 968) {
            chooseMenu(g.startgamee);
        } else if (roll < 970) {
            pick(2) ? chooseMenu(g.exit) : close(g);
        } else {
            advance(10 + pick(200));
        }
    }

    // Each card once, in one place: ten in each hand (the user's eleventh while it waits for the
    // discard), the pile and the stock numbered from 1 without gaps, every card where its tag says.
    void checkCards(const gin& g) {
        const GinTable& t = g.table;
        std::set<int> codes(t.deckorder.begin() + 1, t.deckorder.end());
        EXPECT_EQ(codes.size(), 52u);
        EXPECT_EQ(*codes.begin(), 1);
        EXPECT_EQ(*codes.rbegin(), 52);

        std::set<int> tags(t.tag.begin() + 1, t.tag.end());
        EXPECT_EQ(tags.size(), 52u) << "every tag once";
        std::set<int> expected;
        for (int k = 1; k <= kHandSize; ++k) expected.insert({kComputerHand + k, kUserHand + k});
        if (t.drawn == -1) expected.insert(drawnTag(kUser));
        for (int k = 1; k <= t.pilecount; ++k) expected.insert(kPile + k);
        for (int k = 1; k <= t.stockcount; ++k) expected.insert(k);
        EXPECT_EQ(tags, expected) << "pile " << t.pilecount << ", stock " << t.stockcount << ", drawn " << t.drawn;

        for (int slot = 1; slot <= 52; ++slot) {
            const platform::Image& card = g.Image1[slot];
            const Place at = placeOf(t.tag[slot], g.scale);
            EXPECT_NEAR(card.Left, at.left, 0.01) << "slot " << slot;
            EXPECT_NEAR(card.Top, at.top, 0.01) << "slot " << slot;
            EXPECT_EQ(card.Tag.get(), std::to_string(t.tag[slot])) << "slot " << slot;
        }
        // The user's cards and the top of the pile face up; the computer's face down until the
        // hand is over.
        for (int slot = 1; slot <= 52; ++slot) {
            const int tag = t.tag[slot];
            if (heldBy(tag, kUser) || slot == pileTop(t)) {
                EXPECT_TRUE(showsFace(g, slot)) << "slot " << slot << " tagged " << tag;
            } else if (heldBy(tag, kComputer) || inStock(tag)) {
                EXPECT_EQ(showsFace(g, slot), t.handover && inHand(tag, kComputer)) << "slot " << slot << " tagged " << tag;
            }
        }
    }

    // Whether the card shows its own face; the faces are read once, so that the run stays quick.
    bool showsFace(const gin& g, int slot) {
        const int code = g.table.deckorder[slot];
        auto found = faces.find(code);
        if (found == faces.end()) found = faces.emplace(code, platform::LoadPicture(core::facefile(code)).image()).first;
        const platform::Picture& shown = g.Image1[slot].Picture.get();
        return shown && shown.image() == found->second;
    }

    // What must hold after every step while the table is open.
    void checkTable(gin& g, const std::string& where) {
        SCOPED_TRACE(where);
        const GinTable& t = g.table;
        ginscore* open = score();
        gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>();
        ASSERT_NE(mainWindow, nullptr);
        EXPECT_FALSE(mainWindow->Enabled) << "the main window is locked while the table is open";
        if (open) {
            EXPECT_TRUE(open->Visible);
            EXPECT_FALSE(g.Enabled) << "the score window locks the table";
        } else {
            EXPECT_TRUE(g.Enabled);
        }
        const bool flagged = open && open->Text1.Text.get() == "DONE";
        EXPECT_EQ(t.handover, flagged) << "a hand that is over waits for its score window, and only then";

        if (g.Timer1.Enabled) {
            EXPECT_EQ(t.turn, kComputer) << "the timer runs the computer's turn only";
            EXPECT_FALSE(g.Command5.Enabled || g.Command8.Enabled) << "no choice while the computer's turn is pending";
        }
        if (g.Command5.Enabled || g.Command8.Enabled) {
            EXPECT_TRUE(t.handover || (t.turn == kComputer && t.unmatched[kUser] < 10));
            EXPECT_EQ(g.Command5.Enabled.get(), g.Command8.Enabled.get());
        }
        EXPECT_EQ(g.Label1.Font.Bold.get(), t.turn == kUser);
        EXPECT_EQ(g.Label2.Font.Bold.get(), t.turn == kComputer);
        EXPECT_EQ(g.Text4.Text.get(), std::to_string(t.gamescore[kUser]));
        EXPECT_EQ(g.Text5.Text.get(), std::to_string(t.gamescore[kComputer]));
        if (t.drawn == -1) {
            EXPECT_EQ(t.turn, kUser) << "a drawn card waits for the user's discard";
        }
        checkCards(g);

        if (!t.handover) {
            // Judged afresh, the table shows what the judgement says, and nothing that ends a hand
            // is left standing.
            GinTable judged = t;
            ginrules::matching(judged);
            EXPECT_EQ(judged.unmatched, t.unmatched);
            EXPECT_EQ(g.Text2.Text.get(), std::to_string(t.unmatched[kUser]));
            EXPECT_EQ(handEnd(judged), HandEnd::None);
            for (int k = 101; k <= 110; ++k) {
                EXPECT_EQ(g.Shape1[k].Visible.get(), judged.meldmark[k + 100] == -1) << "marker " << k;
            }
            const bool userPlays = t.turn == kUser;
            const bool choosing = t.turn == kComputer && g.Command5.Enabled && g.Command8.Enabled;
            EXPECT_TRUE(g.Timer1.Enabled || userPlays || choosing)
                << "the table waits for nothing: turn " << t.turn << ", drawn " << t.drawn;
        }
    }

    void run(std::uint32_t seed, int steps) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        play.seed(seed);
        for (int n = 0; n < steps && !HasFatalFailure(); ++n) {
            gin* g = platform::loaded<gin>();
            if (!g) {
                EXPECT_EQ(score(), nullptr) << "the score window goes with its table";
                if (gp::mainstandin* mainWindow = platform::loaded<gp::mainstandin>()) {
                    EXPECT_TRUE(mainWindow->Enabled) << "the table released the main window";
                }
                g = &openAgain();
            }
            step(*g);
            if (gin* open = platform::loaded<gin>()) checkTable(*open, "step " + std::to_string(n));
            if (HasFailure()) break;
        }
        // The run ends with the table in whatever state it is: nothing more is dealt or asked.
        const std::size_t before = play.prompts().size();
        platform::unloadAll();
        settle();
        EXPECT_EQ(play.prompts().size(), before);
    }
};

TEST_F(GinRandomPlay, TheTableAlwaysAnswersAndKeepsItsCards) {
    for (std::uint32_t seed : {31u, 32u, 33u, 34u}) {
        run(seed, 5000);
        if (HasFailure()) break;
    }
}

}  // namespace
