#include "accordion_fixture.h"

#include "common/rules.h"
#include "core/stock.h"
#include "platform/files.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

struct ScreenCase {
    int width;
    int height;
    float scale;
    double windowWidth;
    double windowHeight;
    core::ScreenKind screen;
};

TEST_F(AccordionTest, WindowSizesItselfByItsOwnFormulaAtEachScreenSize) {
    const ScreenCase cases[] = {
        // The window's own 0.77 and 0.78 would take it past the screen's bottom: it shrinks to fit.
        {640, 480, 0.51f, 11700 * double(0.51f) + 2000, 11655 * double(0.51f) + 800, core::ScreenKind::At640x480},
        {800, 600, 0.73f, 11700 * double(0.73f), 11655 * double(0.73f), core::ScreenKind::At800x600},
        {1024, 768, 1.0f, 11700, 10655, core::ScreenKind::Other},
        {1280, 1024, 1.0f, 11700, 10655, core::ScreenKind::Other},
    };
    for (const ScreenCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        auto& a = openGame<Accordian>();
        const double s = c.scale;
        EXPECT_NEAR(a.Width, c.windowWidth, 0.01);
        EXPECT_NEAR(a.Height, c.windowHeight, 0.01);
        EXPECT_EQ(a.table.scale, c.scale);
        EXPECT_EQ(a.screen, c.screen);
        EXPECT_DOUBLE_EQ(a.deck.Left, 360 * s);
        EXPECT_DOUBLE_EQ(a.deck.Top, 120 * s);
        EXPECT_DOUBLE_EQ(a.deck.Width, 1365 * s);
        EXPECT_DOUBLE_EQ(a.deck.Height, 1695 * s);
        for (const platform::Image* card : {&a.cardpic[1], &a.cardpic[52], &a.Image[1], &a.Image[52]}) {
            EXPECT_DOUBLE_EQ(card->Width, 975 * s) << card->describe();
            EXPECT_DOUBLE_EQ(card->Height, 1215 * s) << card->describe();
        }
        // The title bar stays on the screen even where the window is larger than it.
        EXPECT_GE(a.Left, 0);
        EXPECT_GE(a.Top, 0);
        // The six rows fit the client area.
        deal(a, 52);
        EXPECT_LE(a.cardpic[52].Top + a.cardpic[52].Height, a.ScaleHeight());
        EXPECT_LE(a.cardpic[16].Left + a.cardpic[16].Width, a.ScaleWidth());
        a.Unload();
        settle();
    }
}

TEST_F(AccordionTest, MenusStandInTheirDesignOrder) {
    auto& a = openGame<Accordian>();
    EXPECT_EQ(gp::menuCaptions(a), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(a.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(a.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(a.help), std::vector<std::string>{"Rules"});
}

TEST_F(AccordionTest, OpensCentredWhereTheScreenHoldsIt) {
    auto& a = openGame<Accordian>();
    EXPECT_DOUBLE_EQ(a.Left, (1024 * 15 - 11700) / 2.0);
    // Centred, its bottom edge and a title bar would pass the screen's by a pixel: it moves up that much.
    EXPECT_DOUBLE_EQ(a.Top, 768 * 15 - 10655 - 30 * 15);
    EXPECT_EQ(a.Caption.get(), "Accordion");
}

TEST_F(AccordionTest, AfterTheLoadOnlyTheFullStockShows) {
    auto& a = openGame<Accordian>();
    EXPECT_TRUE(a.deck.Visible);
    EXPECT_TRUE(showsFile(a.deck, core::stockfull));
    for (int k = 1; k <= 52; ++k) {
        EXPECT_EQ(a.cardpic[k].Top, -5000) << k;
        EXPECT_EQ(a.cardpic[k].Left, -5000) << k;
        EXPECT_EQ(a.Image[k].Top, -5000) << k;
        EXPECT_EQ(a.table.slot[k].tag, k);
        EXPECT_EQ(shown(a, a.cardpic[k]), a.table.deckorder[k]) << "the slots hold the deal in order";
    }
    expectRowMirrorsSlots(a);
    EXPECT_EQ(a.Image[1].DragMode, platform::vbManual);
    for (int k = 2; k <= 52; ++k) EXPECT_EQ(a.Image[k].DragMode, platform::vbAutomatic) << k;
}

TEST_F(AccordionTest, SoundMenuWritesTheSwitchAndSilencesTheFlick) {
    auto& a = openGame<Accordian>();
    EXPECT_TRUE(a.onsound.Checked);
    EXPECT_FALSE(a.off.Checked);
    chooseMenu(a.off);
    EXPECT_EQ(platform::readFile("\\Data\\accordiansound.dat"), "NO\r\n");
    EXPECT_TRUE(a.off.Checked);
    EXPECT_FALSE(a.onsound.Checked);
    deal(a, 2);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(a.onsound);
    chooseMenu(a.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\accordiansound.dat"), "YES\r\n");
    EXPECT_TRUE(a.onsound.Checked);
    EXPECT_FALSE(a.off.Checked);
    deal(a, 1);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(AccordionTest, SwitchOtherThanExactlyYesLoadsSilent) {
    for (const char* text : {"yes", "YES!", ""}) {
        SCOPED_TRACE(text);
        platform::writeSetting("\\Data\\accordiansound.dat", text);
        auto& a = openGame<Accordian>();
        EXPECT_TRUE(a.off.Checked);
        EXPECT_FALSE(a.onsound.Checked);
        deal(a, 1);
        EXPECT_TRUE(sounds.played().empty());
        a.Unload();
        settle();
    }
}

TEST_F(AccordionTest, RulesShowTheAccordionPage) {
    auto& a = openGame<Accordian>();
    chooseMenu(a.rules);
    chooseMenu(a.rules);
    EXPECT_EQ(standins.rulesShown(),
              (std::vector<std::string>{common::rulesfile("accordian"), common::rulesfile("accordian")}));
}

TEST_F(AccordionTest, GameLocksTheMainWindowUntilItCloses) {
    auto& a = openGame<Accordian>();
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    chooseMenu(a.exit);
    settle();
    EXPECT_EQ(platform::loaded<Accordian>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

// A missing switch file reads as Off and is not written until the user chooses; missing stock
// pictures leave an empty stock that still deals; a missing sound stops nothing.
TEST_F(AccordionTest, MissingFilesNeverStopTheWindowOrTheDeal) {
    namespace fs = std::filesystem;
    const fs::path switchFile = programDir() / "Data" / "accordiansound.dat";
    fs::remove(switchFile);
    for (const char* f : {"carddeckfull1.bmp", "carddeckhalf1.bmp", "carddeckthin1.bmp"})
        fs::remove(programDir() / "Images" / f);
    fs::remove(programDir() / "Sounds" / "flick.wav");

    auto& a = openWith(accordiontest::inOrder());
    EXPECT_TRUE(a.off.Checked);
    EXPECT_FALSE(a.onsound.Checked);
    EXPECT_TRUE(a.deck.Visible);
    EXPECT_FALSE(a.deck.Picture.get());
    deal(a, 30);
    EXPECT_EQ(a.table.dealtcount, 30);
    EXPECT_FALSE(a.deck.Picture.get());
    drag(a.Image[30], a.Image[29]);
    EXPECT_EQ(a.table.pilecount, 29);
    EXPECT_TRUE(sounds.played().empty());
    EXPECT_FALSE(fs::exists(switchFile)) << "nothing is written until the user chooses";

    chooseMenu(a.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\accordiansound.dat"), "YES\r\n");
    deal(a, 22);
    EXPECT_FALSE(a.deck.Visible);
    EXPECT_EQ(a.table.dealtcount, 52);
    EXPECT_EQ(sounds.played().size(), 22u);
}

}  // namespace
