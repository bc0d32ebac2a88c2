#include "seawar_fixture.h"

#include "games/seawar/seawar_fleets.h"
#include "games/seawar/seawar_shots.h"

#include "platform/files.h"

#include <algorithm>

using namespace seawarrules;

class SeaWarBattle : public SeaWarTest {
protected:
    // The battle with the computer's fleet of layout 1: cruiser 81 82, destroyer 41-43,
    // submarine 79 89 99, battleship 55-85, carrier 12-16.
    seawar& battle(std::string_view gametype = "Classic") {
        options(gametype, "2");
        seawar& w = openSeaWar();
        startBattle(w);
        w.table.enemycells = fleet(1);
        sounds.clear();
        return w;
    }
    // Every user cell fired at but `last`, whose shot sinks the user's last ship, the carrier.
    static void oneShotFromLosing(seawar& w, int last) {
        for (int cell = 101; cell <= 200; ++cell) w.table.compfired[cell] = cell != last;
        w.table.playerafloat = 1;
        w.table.playerhits[kCarrier] = 4;
    }
    // One shot from winning: the user's next hit on the cruiser's cell 82 sinks the last ship.
    static void oneShotFromWinning(seawar& w) {
        w.table.enemyafloat = 1;
        w.table.enemyhits[kCruiser] = 1;
        w.table.playerfired[81] = true;
    }
    static int firedAt(const seawar& w) {
        return static_cast<int>(std::count(w.table.compfired.begin() + 101, w.table.compfired.begin() + 201, true));
    }
};

TEST_F(SeaWarBattle, HitsAndSinkingsAreAnnouncedUntilTheNextSecond) {
    seawar& w = battle("Volley");
    click(w.Image1[81]);
    EXPECT_EQ(w.Label2.Caption.get(), "Enemy Cruiser Hit");
    EXPECT_EQ(w.Shape2[81].Picture, w.hitpeg);
    EXPECT_TRUE(pegShows(w, 81));
    EXPECT_DOUBLE_EQ(w.Shape2[81].Width, w.Image1[81].Width - 20);
    click(w.Image1[91]);
    EXPECT_EQ(w.Label2.Caption.get(), "Enemy Cruiser Hit") << "a miss leaves the message";
    EXPECT_EQ(w.Shape2[91].Picture, w.misspeg);
    advance(1000);
    EXPECT_EQ(w.Label2.Caption.get(), "");
    EXPECT_FALSE(w.Timer2.running());
    click(w.Image1[82]);
    EXPECT_EQ(w.Label2.Caption.get(), "Enemy Cruiser Sunk");
    EXPECT_EQ(w.table.enemyafloat, 4);
    click(w.Image1[14]);
    EXPECT_EQ(w.Label2.Caption.get(), "Enemy Air Craft Carrier Hit");
    EXPECT_EQ(sounds.played(),
              (std::vector<std::string>{"missle.wav", "bigpoolsplash.wav", "missle.wav", "missle.wav"}));
}

TEST_F(SeaWarBattle, ACellFiredAtBeforeIsNoShot) {
    seawar& w = battle("Volley");
    click(w.Image1[5]);
    sounds.clear();
    click(w.Image1[5]);
    EXPECT_EQ(w.table.playershots, 1);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_EQ(w.Shape2[5].Picture, w.misspeg);
    EXPECT_EQ(w.Label2.Caption.get(), "");
}

TEST_F(SeaWarBattle, TheUsersTurnLastsAsTheGameTypeSays) {
    const struct {
        const char* type;
        int playerafloat;
        int shots;
    } cases[] = {{"Classic", 5, 1}, {"Salvo", 3, 3}, {"Salvo", 5, 5}, {"Volley", 2, 5}, {"classic", 5, 1}};
    for (const auto& c : cases) {
        seawar& w = battle(c.type);
        w.table.playerafloat = c.playerafloat;
        w.table.enemyafloat = 5;
        const std::vector<int> misses = emptyEnemyCells(w);
        int shots = 0;
        while (!w.Timer1.running() && shots < 8) {
            EXPECT_TRUE(w.newgame.Enabled.get()) << c.type;
            click(w.Image1[misses[static_cast<std::size_t>(shots++)]]);
        }
        EXPECT_EQ(shots, c.shots) << c.type << " with " << c.playerafloat << " ships afloat";
        EXPECT_FALSE(w.newgame.Enabled.get()) << c.type;
        EXPECT_FALSE(w.Image1[misses.back()].Enabled.get()) << c.type;
        EXPECT_EQ(w.table.compshots, 0);
        close(w);
    }
}

TEST_F(SeaWarBattle, TheComputersTurnLastsAsTheGameTypeSaysOneShotASecond) {
    const struct {
        const char* type;
        int enemyafloat;
        int shots;
    } cases[] = {{"Classic", 5, 1}, {"Salvo", 2, 2}, {"Volley", 5, 5}, {"Oops", 5, 1}};
    for (const auto& c : cases) {
        seawar& w = battle(c.type);
        w.table.playershots = 5;
        w.table.playerafloat = 1;
        click(w.Image1[emptyEnemyCells(w).front()]);
        ASSERT_TRUE(w.Timer1.running()) << c.type;
        w.table.enemyafloat = c.enemyafloat;
        int shots = 0;
        while (w.Timer1.running() && shots < 8) {
            advance(999);
            EXPECT_EQ(firedAt(w), shots) << "no shot before its second";
            advance(1);
            EXPECT_EQ(firedAt(w), ++shots);
        }
        EXPECT_EQ(shots, c.shots) << c.type;
        EXPECT_TRUE(w.newgame.Enabled.get());
        EXPECT_TRUE(w.Frame1.Enabled.get());
        EXPECT_TRUE(w.Image1[50].Enabled.get());
        EXPECT_EQ(w.table.playershots, 0);
        close(w);
    }
}

TEST_F(SeaWarBattle, TheComputersPegLiesOverTheShipWithTheGridDrawnOverIt) {
    seawar& w = battle();
    // Cell 103 of the carrier is the only cell of the hunting pattern not yet fired at.
    for (int cell = 101; cell <= 200; ++cell) w.table.compfired[cell] = cell != 103 && oncheckerboard(cell);
    fire(w, emptyEnemyCells(w).front());
    ASSERT_EQ(w.table.targetcell, 103);
    EXPECT_EQ(w.table.playerhits[kCarrier], 1);
    EXPECT_TRUE(pegShows(w, 103));
    EXPECT_EQ(w.Shape2[103].Picture, w.hitpeg);
    const auto& light = w.lightControls();
    const auto at = [&](const platform::Control& c) { return std::find(light.begin(), light.end(), &c); };
    EXPECT_GT(at(w.Shape2[103]), at(w.accside));
    EXPECT_GT(at(w.Line1[22]), at(w.Shape2[103]));
    EXPECT_EQ(sounds.played().back(), "missle.wav");
    EXPECT_TRUE(w.Label2.Caption.get().empty()) << "the computer's hits are not announced";
}

TEST_F(SeaWarBattle, WinningAsksToPlayAgainAfterEveryLaterShotTooUntilYes) {
    seawar& w = battle();
    oneShotFromWinning(w);
    boxes.expect("You Win! Play again?", platform::vbNo);
    click(w.Image1[82]);
    EXPECT_EQ(w.Label2.Caption.get(), "Enemy Cruiser Sunk");
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"missle.wav"});
    EXPECT_EQ(w.Shape2[82].Picture, w.hitpeg);
    EXPECT_FALSE(w.Timer1.running()) << "the computer's turn never comes";
    EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
    boxes.expect("You Win! Play again?", platform::vbNo);
    click(w.Image1[1]);
    EXPECT_EQ(w.Shape2[1].Picture, w.misspeg);
    EXPECT_FALSE(w.Timer1.running());
    boxes.expect("You Win! Play again?", platform::vbYes);
    click(w.Image1[2]);
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_TRUE(w.table.placing);
    EXPECT_EQ(w.accside.Left, 600);
}

TEST_F(SeaWarBattle, LosingAsksToPlayAgainAndNoLeavesTheTableStill) {
    seawar& w = battle();
    oneShotFromLosing(w, 105);
    boxes.expect("You Lost! Play again?", platform::vbNo);
    fire(w, 1);
    EXPECT_EQ(w.table.playerafloat, 0);
    EXPECT_TRUE(pegShows(w, 105));
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_TRUE(w.newgame.Enabled.get());
    EXPECT_TRUE(w.Frame1.Enabled.get());
    EXPECT_FALSE(w.Image1[2].Enabled.get()) << "the user fires no more";
    advance(3000);
    EXPECT_EQ(boxes.shown().size(), 2u);
}

TEST_F(SeaWarBattle, LosingAndYesStartsANewGame) {
    seawar& w = battle();
    oneShotFromLosing(w, 105);
    boxes.expect("You Lost! Play again?", platform::vbYes);
    fire(w, 1);
    EXPECT_TRUE(w.table.placing);
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_TRUE(w.newgame.Enabled.get());
    EXPECT_TRUE(w.gametype.Enabled.get());
    EXPECT_EQ(w.Shape2[105].Top, -1000);
}

TEST_F(SeaWarBattle, NewGameMidBattleClearsTheSeas) {
    seawar& w = battle("Volley");
    for (int cell : {81, 82, 3}) click(w.Image1[cell]);
    chooseMenu(w.newgame);
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_TRUE(w.gametype.Enabled.get());
    for (int cell : {81, 82, 3}) EXPECT_EQ(w.Shape2[cell].Top, -1000) << cell;
    EXPECT_EQ(w.accside.DragMode, platform::vbAutomatic);
    startBattle(w);
    for (int cell = 1; cell <= 100; ++cell) {
        ASSERT_TRUE(w.Image1[cell].Enabled.get()) << cell;
        ASSERT_FALSE(w.table.playerfired[cell]) << cell;
    }
    click(w.Image1[3]);
    EXPECT_EQ(w.table.playershots, 1);
}

TEST_F(SeaWarBattle, NewGameInTheComputersFirstTurnLeavesTheEnemySideOpen) {
    options("Classic", "3");
    seawar& w = openSeaWar();
    startBattle(w);
    ASSERT_FALSE(w.Frame1.Enabled.get());
    ASSERT_TRUE(w.newgame.Enabled.get());
    chooseMenu(w.newgame);
    chooseMenu(w.mefirst);
    startBattle(w);
    EXPECT_TRUE(w.Frame1.Enabled.get());
    click(w.Image1[3]);
    EXPECT_EQ(w.table.playershots, 1) << "the user can fire";
    EXPECT_TRUE(w.Timer1.running());
}

TEST_F(SeaWarBattle, AGameTypeOfNoKnownWordPlaysAsClassic) {
    seawar& w = battle("classic");
    EXPECT_FALSE(w.classic.Checked.get());
    EXPECT_FALSE(w.salvo.Checked.get());
    EXPECT_FALSE(w.volley.Checked.get());
    click(w.Image1[1]);
    EXPECT_TRUE(w.Timer1.running());
    advance(1000);
    EXPECT_FALSE(w.Timer1.running());
    EXPECT_EQ(firedAt(w), 1);
}

TEST_F(SeaWarBattle, OptionsAreWrittenTickedAndReadAtTheirMoment) {
    seawar& w = openSeaWar();
    chooseMenu(w.computer);
    EXPECT_EQ(platform::readSetting("\\battleshipfirst.dat"), "3");
    EXPECT_TRUE(w.computer.Checked.get());
    EXPECT_FALSE(w.mefirst.Checked.get());
    chooseMenu(w.salvo);
    EXPECT_EQ(platform::readSetting("\\seawartype.dat"), "Salvo");
    EXPECT_TRUE(w.salvo.Checked.get());
    EXPECT_EQ(w.salvo.Caption.get(), "Salvo ");
    EXPECT_FALSE(w.classic.Checked.get());
    placeFleet(w, apart());
    boxes.expect("The Computer will move first", platform::vbOK);
    click(w.Command2);
    EXPECT_FALSE(w.gametype.Enabled.get());
    EXPECT_FALSE(w.gametype.reachable());
    chooseMenu(w.mefirst);
    EXPECT_EQ(w.table.firstmover, 2) << "the game under way keeps its first mover";
    w.table.enemyafloat = 2;
    computerTurn(w);
    EXPECT_EQ(firedAt(w), 2) << "Salvo: as many shots as the computer's ships afloat";
    chooseMenu(w.newgame);
    EXPECT_TRUE(w.mefirst.Checked.get());
    startBattle(w);
    EXPECT_EQ(w.table.firstmover, 1);
}

TEST_F(SeaWarBattle, SoundOffSilencesTheShotsAndRulesOpenTheGamesPage) {
    seawar& w = battle();
    chooseMenu(w.off);
    EXPECT_EQ(platform::readSetting("\\Data\\seawarsound.dat"), "NO");
    fire(w, emptyEnemyCells(w).front());
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(w.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\seawar.html"});
}
