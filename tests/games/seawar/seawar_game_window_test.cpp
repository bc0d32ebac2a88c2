#include "seawar_fixture.h"

#include "games/seawar/seawar_shots.h"

#include <algorithm>

using namespace seawarrules;

class SeaWarGame : public SeaWarTest {
protected:
    static FleetPlan mixed() {
        return {{{}, {195, kSide}, {147, kUp}, {133, kSide}, {110, kUp}, {181, kSide}}};
    }

    // The user fires at the cells in order, the computer answers each turn, until the end
    // question, answered No; every shot of either side is checked as it lands, and the question
    // must name the side that won.
    void playToTheEnd(seawar& w, const std::vector<int>& order) {
        const std::size_t notices = boxes.shown().size();
        std::size_t next = 0;
        int turns = 0;
        while (boxes.shown().size() == notices && next < order.size()) {
            while (!w.Timer1.running() && boxes.shown().size() == notices && next < order.size()) {
                const int cell = order[next++];
                if (w.table.playerfired[cell]) continue;
                click(w.Image1[cell]);
                EXPECT_TRUE(w.table.playerfired[cell]);
                EXPECT_EQ(w.Shape2[cell].Picture, enemyShip(w, cell) ? w.hitpeg : w.misspeg) << cell;
            }
            if (!w.Timer1.running()) break;
            const int afloat = w.table.enemyafloat;
            const int before = firedAt(w);
            computerTurn(w);
            ++turns;
            const int fired = firedAt(w) - before;
            if (boxes.shown().size() == notices) {
                const std::string type = w.gametypesetting;
                EXPECT_EQ(fired, type == "Salvo" ? afloat : 1) << "turn " << turns;
            }
            expectUserGridShown(w);
        }
        EXPECT_EQ(boxes.shown().size(), notices + 1) << "the game came to its end";
        const std::string prompt = boxes.shown().back().prompt;
        if (w.table.enemyafloat == 0) {
            EXPECT_EQ(prompt, "You Win! Play again?");
            EXPECT_GT(w.table.playerafloat, 0);
        } else {
            EXPECT_EQ(prompt, "You Lost! Play again?");
            EXPECT_EQ(w.table.playerafloat, 0);
        }
        EXPECT_FALSE(w.Timer1.running());
        EXPECT_TRUE(w.Frame1.Visible.get()) << "No leaves the finished battle in view";
        EXPECT_TRUE(w.newgame.Enabled.get());
    }

    static bool enemyShip(const seawar& w, int cell) {
        for (int s = 1; s <= kShips; ++s)
            if (holds(w.table.enemycells[s], s, cell)) return true;
        return false;
    }
    static int firedAt(const seawar& w) {
        return static_cast<int>(std::count(w.table.compfired.begin() + 101, w.table.compfired.begin() + 201, true));
    }
    // Every computer shot shows its peg, and the hits counted are the ship cells fired at.
    static void expectUserGridShown(const seawar& w) {
        int hits = 0;
        for (int cell = 101; cell <= 200; ++cell) {
            if (!w.table.compfired[cell]) continue;
            bool ship = false;
            for (int s = 1; s <= kShips; ++s) ship = ship || holds(w.table.playercells[s], s, cell);
            hits += ship ? 1 : 0;
            ASSERT_TRUE(pegShows(w, cell)) << cell;
            ASSERT_EQ(w.Shape2[cell].Picture, ship ? w.hitpeg : w.misspeg) << cell;
        }
        int counted = 0;
        for (int s = 1; s <= kShips; ++s) counted += w.table.playerhits[s];
        ASSERT_EQ(counted, hits);
    }
};

TEST_F(SeaWarGame, AClassicGamePlayedToTheEnd) {
    seawar& w = openSeaWar();
    startBattle(w, mixed());
    std::vector<int> sweep(100);
    for (int k = 0; k < 100; ++k) sweep[static_cast<std::size_t>(k)] = k + 1;
    boxes.expect("Keep Playing?", platform::vbNo);
    playToTheEnd(w, sweep);
    chooseMenu(w.newgame);
    EXPECT_TRUE(w.table.placing);
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_EQ(w.Shape2[1].Top, -1000);
    for (int ship = 1; ship <= kShips; ++ship) EXPECT_EQ(w.shippicture(ship).Picture, w.dockpicture);
}

TEST_F(SeaWarGame, ASalvoGamePlayedToTheEnd) {
    options("Salvo", "3");
    seawar& w = openSeaWar();
    startBattle(w, mixed());
    computerTurn(w);
    EXPECT_EQ(firedAt(w), 5) << "five ships afloat, five shots";
    std::vector<int> order;
    for (int ship = kCarrier; ship >= kCruiser; --ship)
        for (int k = 1; k <= shipsize(ship); ++k) order.push_back(w.table.enemycells[ship][k]);
    for (int cell = 1; cell <= 100; ++cell) order.push_back(cell);
    boxes.expect("Keep Playing?", platform::vbNo);
    playToTheEnd(w, order);
}
