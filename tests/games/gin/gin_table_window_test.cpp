#include "gin_fixture.h"

#include "common/names.h"
#include "core/cards.h"
#include "core/chance.h"
#include "core/stock.h"
#include "platform/files.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

using namespace ginrules;

namespace {

using GinTable = GinTest;

TEST_F(GinTable, LoadDealsTheUsersFacesAndBacksElsewhere) {
    gin& g = openGame<gin>();
    EXPECT_EQ(g.Caption.get(), "Gin");
    EXPECT_EQ(g.Label1.Caption.get(), "Guest");
    EXPECT_NE(std::ranges::find(common::oppnames, g.Label2.Caption.get()), common::oppnames.end());
    EXPECT_EQ(g.playername, g.Label1.Caption.get()) << "the names the messages use are the ones shown";
    EXPECT_EQ(g.compname, g.Label2.Caption.get());
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_TRUE(g.to100.Checked);
    EXPECT_FALSE(g.to75.Checked || g.to150.Checked);
    EXPECT_TRUE(g.onsound.Checked);
    EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "0");
    EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "0");
    EXPECT_TRUE(showsFile(g.Image2, core::stockfull));
    std::set<int> codes;
    for (int slot = 1; slot <= 52; ++slot) {
        SCOPED_TRACE(slot);
        const int tag = g.table.tag[slot];
        codes.insert(g.table.deckorder[slot]);
        if (inHand(tag, kUser) || onPile(tag))
            EXPECT_TRUE(faceUp(g, slot));
        else
            EXPECT_TRUE(showsFile(g.Image1[slot], core::backfile));
    }
    EXPECT_EQ(codes.size(), 52u);
    EXPECT_EQ(score(), nullptr);
}

TEST_F(GinTable, TheLoadPlaysOneDealAndOnlyItsFirstPlayerMayStartTheComputer) {
    std::set<int> firsts;
    for (unsigned seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE(seed);
        core::setFixedSeed(seed);
        gin& g = openGame<gin>();
        firsts.insert(g.table.turn);
        EXPECT_EQ(g.Timer1.Enabled.get(), g.table.turn == kComputer);
        EXPECT_EQ(g.Label1.Font.Bold.get(), g.table.turn == kUser);
        EXPECT_EQ(g.Label2.Font.Bold.get(), g.table.turn == kComputer);
        EXPECT_EQ(std::to_string(g.table.gamescore[kUser]), "0");
        EXPECT_EQ(std::to_string(g.table.gamescore[kComputer]), "0");
        EXPECT_EQ(score(), nullptr);
        g.Unload();
        settle();
    }
    EXPECT_EQ(firsts, (std::set<int>{kUser, kComputer})) << "either side may begin";
}

struct SizeCase {
    int width, height;
    float scale;
    double nameFont;
    core::ScreenKind screen;
};

TEST_F(GinTable, LaidOutAtEachScreenSizeWithBothButtonsInside) {
    const SizeCase cases[] = {{1024, 768, 1.0f, 8.25, core::ScreenKind::Other},
                              {800, 600, 0.9f, 7, core::ScreenKind::At800x600},
                              {640, 480, 0.66f, 7, core::ScreenKind::At640x480}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        gin& g = openGame<gin>();
        const double s = c.scale;
        EXPECT_EQ(g.scale, c.scale);
        EXPECT_EQ(g.screen, c.screen);
        EXPECT_NEAR(g.Width, 9030 * s, 0.01);
        EXPECT_NEAR(g.Left, 1980 * s, 0.01);
        if (c.width == 1024)
            EXPECT_NEAR(g.Top, 735 * s, 0.01);
        else
            EXPECT_LT(g.Top, 735 * s) << "moved up: at its own place it would reach below the screen";
        EXPECT_GE(g.Top, 0);
        EXPECT_LE(g.Top + g.Height + 30 * 15, c.height * 15.0) << "whole on the screen, a title bar included";
        const double frame = g.Height - g.ScaleHeight();  // title bar, menu bar and borders
        EXPECT_LE(g.Top + frame + g.Command5.Top + g.Command5.Height, c.height * 15.0) << "the buttons on the screen";
        if (c.width == 640)
            EXPECT_NEAR(g.Height, 8340 * s + 1200, 0.01) << "the small screen keeps its size";
        else
            EXPECT_LT(g.Height, 8340 * s + 600) << "grown no more than needed";
        for (platform::CommandButton* button : {&g.Command5, &g.Command8}) {
            EXPECT_NEAR(button->Top, 7560 * s, 0.01);
            EXPECT_NEAR(button->Width, 1695 * s, 0.01);
            EXPECT_LE(button->Top + button->Height, g.ScaleHeight()) << button->Caption.get();
            EXPECT_LE(button->Left + button->Width, g.ScaleWidth()) << button->Caption.get();
        }
        for (int slot = 1; slot <= 52; ++slot) {
            EXPECT_NEAR(g.Image1[slot].Width, 1065 * s, 0.01) << slot;
            EXPECT_NEAR(g.Image1[slot].Height, 1440 * s, 0.01) << slot;
        }
        for (int k = 1; k <= 10; ++k) {
            const platform::Image& own = g.Image1[slotOfTag(g.table, 200 + k)];
            EXPECT_NEAR(own.Left, (2680 + 300 * (k - 1)) * s, 0.01) << k;
            EXPECT_NEAR(own.Top, 5520 * s, 0.01) << k;
            const platform::Shape& marker = g.Shape1[100 + k];
            EXPECT_NEAR(marker.Width, 127.5 * s, 0.01);
            EXPECT_NEAR(marker.Left, own.Left, 0.01);
            EXPECT_NEAR(marker.Top, own.Top + own.Height + 50 * s, 0.01);
            EXPECT_LE(marker.Top + marker.Height, g.Command5.Top) << "the markers clear the buttons";
        }
        if (c.width == 640) {
            EXPECT_NEAR(g.Image1[slotOfTag(g.table, 201)].Left, 1768.8, 0.01);
            EXPECT_NEAR(g.Image1[slotOfTag(g.table, 202)].Left - g.Image1[slotOfTag(g.table, 201)].Left, 198, 0.01);
        }
        EXPECT_NEAR(g.Image2.Left, 3240 * s, 0.01);
        EXPECT_NEAR(g.Image2.Height, 1815 * s, 0.01);
        EXPECT_NEAR(g.Label1.Top, 5160 * s, 0.01);
        EXPECT_NEAR(g.Label2.Width, 1935 * s, 0.01);
        EXPECT_EQ(g.Label1.Font.Size.get(), c.nameFont);
        EXPECT_EQ(g.Label2.Font.Size.get(), c.nameFont);
        g.Unload();
        settle();
    }
}

TEST_F(GinTable, ThePlayToFileSetsTheTargetAndOnlyTheMenuWritesIt) {
    const struct {
        const char* file;  // nullptr: no file
        bool ticks75, ticks100, ticks150;
        int target;
    } cases[] = {
        {"75\r\n", true, false, false, 75},
        {"100\r\n", false, true, false, 100},
        {"150", false, false, true, 150},
        {"120\r\n", false, false, false, 120},
        {"many\r\n", false, false, false, 100},
        {"0\r\n", false, false, false, 100},
        {"-7\r\n", false, false, false, 100},
        {"", false, false, false, 100},
        {nullptr, false, false, false, 100},
    };
    const std::string file = (programDir() / "Data" / "ginto.dat").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        std::filesystem::remove(file);
        if (c.file) platform::writeFileAtomic(file, c.file);
        gin& g = openGame<gin>();
        EXPECT_EQ(g.to75.Checked.get(), c.ticks75);
        EXPECT_EQ(g.to100.Checked.get(), c.ticks100);
        EXPECT_EQ(g.to150.Checked.get(), c.ticks150);
        EXPECT_EQ(g.target(), c.target);
        EXPECT_EQ(std::filesystem::exists(file), c.file != nullptr) << "the load writes nothing";
        g.Unload();
        settle();
    }
    gin& g = openGame<gin>();
    chooseMenu(g.to150);
    EXPECT_EQ(platform::readFile("\\Data\\ginto.dat"), "150\r\n");
    EXPECT_TRUE(g.to150.Checked);
    EXPECT_FALSE(g.to75.Checked || g.to100.Checked);
    EXPECT_EQ(g.target(), 150);
    chooseMenu(g.to75);
    EXPECT_EQ(platform::readFile("\\Data\\ginto.dat"), "75\r\n");
    EXPECT_EQ(g.playtotext, "75");
    EXPECT_TRUE(g.to75.Checked);
    EXPECT_FALSE(g.to100.Checked || g.to150.Checked);
}

TEST_F(GinTable, SoundRulesAndExit) {
    gin& g = openWith("2H 5H 8H JH 3C 7C QC 4D JD KS", "AS 2S 3S 4C 5C 6C 7D 8D 9D TH", "TS", "KH");
    chooseMenu(g.off);
    EXPECT_EQ(platform::readFile("\\Data\\ginsound.dat"), "NO\r\n");
    click(g.Image2);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(g.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\ginsound.dat"), "YES\r\n");
    click(card(g, "KH"));
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});

    chooseMenu(g.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\gin.html"});

    chooseMenu(g.exit);
    EXPECT_EQ(platform::loaded<gin>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

TEST_F(GinTable, MenusStandInTheirDesignOrder) {
    gin& g = openGame<gin>();
    EXPECT_EQ(gp::menuCaptions(g), (std::vector<std::string>{"File", "View", "Sound", "Play to", "Help"}));
    EXPECT_EQ(gp::menuCaptions(g.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(g.view), std::vector<std::string>{"Score"});
    EXPECT_EQ(gp::menuCaptions(g.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(g.playto), (std::vector<std::string>{"75", "100", "150"}));
    EXPECT_EQ(gp::menuCaptions(g.help), std::vector<std::string>{"Rules"});
}

}  // namespace
