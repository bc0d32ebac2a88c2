#include "spades_fixture.h"

#include "core/cards.h"
#include "games/spades/spades_layout.h"
#include "platform/files.h"

#include <set>
#include <string>
#include <vector>

namespace {

struct SizeCase {
    int width, height;
    float scale;
    core::ScreenKind screen;
    double windowWidth, smallFont;
    int handtop;
};

TEST_F(SpadesTest, TableIsLaidOutAtEachScreenSize) {
    const SizeCase cases[] = {
        {1024, 768, 1.0f, core::ScreenKind::Other, 10605, 0, 5880},
        {800, 600, 0.86f, core::ScreenKind::At800x600, 10605 * 0.86, 7, 5057},
        {640, 480, 0.68f, core::ScreenKind::At640x480, 10605 - 2000, 7, 3998},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        spades& s = openTable();
        const double k = c.scale;
        EXPECT_EQ(s.scale, c.scale);
        EXPECT_EQ(s.screen, c.screen);
        EXPECT_NEAR(s.Width, c.windowWidth, 0.01);
        EXPECT_NEAR(s.Height, (9120 + 700) * k, 0.01);
        EXPECT_EQ(s.table.handtop, c.handtop);
        const double cardWidth = 1065 * k, cardHeight = 1440 * k;
        for (int slot = 1; slot <= 52; ++slot) {
            const bool side = slot <= 26;
            EXPECT_NEAR(s.Image1[slot].Width, side ? cardHeight : cardWidth, 0.01) << slot;
            EXPECT_NEAR(s.Image1[slot].Height, side ? cardWidth : cardHeight, 0.01) << slot;
            EXPECT_NEAR(s.Image1[slot].Left, spadesrules::slotPlace(slot, c.scale).left, 0.01) << slot;
            EXPECT_EQ(s.Image1[slot].Top, spadesrules::slotPlace(slot, c.scale).top) << slot;
        }
        EXPECT_NEAR(s.Image1[14].Left, 8760 * k, 0.01);
        EXPECT_NEAR(s.Image1[27].Top, 700 * k, 0.01);
        EXPECT_EQ(s.Image1[40].Top, c.handtop);
        // Everything the user reads lies inside the client area.
        const platform::Control* shownControls[] = {&s.Label10, &s.Label11, &s.Shape1[13], &s.Label17,
                                                    &s.Image1[26], &s.Image1[52], &s.Image1[39]};
        for (const platform::Control* shown : shownControls) {
            EXPECT_LE(shown->Top + shown->Height, s.ScaleHeight()) << shown->describe();
            EXPECT_LE(shown->Left + shown->Width, s.ScaleWidth()) << shown->describe();
        }
        EXPECT_GE(s.Label5.Top, s.ScaleHeight()) << "the trick counts lie below the table";
        const std::pair<platform::Label*, std::array<double, 2>> labels[] = {
            {&s.Label16, {4440, 360}}, {&s.Label17, {8520, 960}}, {&s.Label18, {240, 1080}}, {&s.Label11, {4440, 7440}},
            {&s.Label12, {6360, 360}}, {&s.Label13, {8520, 1320}}, {&s.Label14, {6360, 7440}}, {&s.Label15, {240, 1440}},
            {&s.Label9, {1080, 7920}}, {&s.Label10, {1080, 8400}}};
        for (const auto& [label, at] : labels) {
            EXPECT_NEAR(label->Left, at[0] * k, 0.01);
            EXPECT_NEAR(label->Top, at[1] * k, 0.01);
            if (c.smallFont) {
                EXPECT_EQ(label->Font.Size.get(), c.smallFont);
            }
        }
        EXPECT_NEAR(s.Shape3[13].Left, (3000 + 360 * 12) * k, 0.01);
        EXPECT_NEAR(s.Shape1[1].Top, 8400 * k, 0.01);
        EXPECT_NEAR(s.Frame1.Left, 3360 * k, 0.01);
        EXPECT_NEAR(s.Frame1.Width, 4335 * k, 0.01);
        EXPECT_NEAR(s.Command3[13].Left, 3720 * k, 0.01);
        EXPECT_NEAR(s.Command3[13].Top, 1080 * k, 0.01);
        EXPECT_NEAR(s.Command5.Top, 3000 * k, 0.01);
        EXPECT_EQ(s.Frame1.Font.Size.get(), c.smallFont ? 9 : 11.25);
        EXPECT_EQ(s.Command5.Font.Size.get(), c.smallFont ? 9 : 9.75);
        EXPECT_EQ(s.Command3[0].Font.Size.get(), c.smallFont ? 7 : 8.25);
        s.Unload();
        settle();
    }
}

TEST_F(SpadesTest, LoadDealsWithoutLockingAndTheFirstActivationStartsAGame) {
    open<gp::mainstandin>();
    spades& s = platform::window<spades>();
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled) << "the load locks nothing";
    EXPECT_EQ(platform::loaded<Spadescore>(), nullptr);
    EXPECT_FALSE(s.Frame1.Visible) << "the load's deal is not bid";
    EXPECT_EQ(s.Caption.get(), "Spades");
    EXPECT_EQ(s.Label11.Caption.get(), "Guest");
    EXPECT_EQ(s.playername, "Guest");
    EXPECT_EQ(s.partnername, s.Label16.Caption.get()) << "the score card's names are the ones shown";
    EXPECT_EQ(s.rightname, s.Label17.Caption.get());
    EXPECT_EQ(s.leftname, s.Label18.Caption.get());
    EXPECT_TRUE(s.Label16.Caption.get() == "Orvena" || s.Label16.Caption.get() == "Pelko");
    EXPECT_TRUE(s.Label17.Caption.get() == "Wendro" || s.Label17.Caption.get() == "Corlan");
    EXPECT_TRUE(s.Label18.Caption.get() == "Feyla" || s.Label18.Caption.get() == "Quilla");
    const auto loadDeal = s.table.deckorder;

    boxes.expect("Bidding", platform::vbOK);
    s.Show();
    settle();
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(s.table.startflag, 5);
    EXPECT_NE(s.table.deckorder, loadDeal) << "the game deals afresh";
    ASSERT_EQ(boxes.shown().size(), 1u);
    EXPECT_EQ(boxes.shown()[0].prompt, "Your Partner suggests a bid of " + std::to_string(s.table.bid[1]));
    EXPECT_EQ(boxes.shown()[0].style, platform::vbInformation);
    EXPECT_TRUE(s.Frame1.Visible);
    EXPECT_TRUE(s.Frame1.Enabled);
    for (int k = 1; k <= 13; ++k) {
        EXPECT_EQ(s.Shape1[k].Visible.get(), k <= s.table.bid[2]) << k;
        EXPECT_FALSE(s.Shape3[k].Visible) << k;
    }
    std::set<int> dealt;
    for (int slot = 1; slot <= 52; ++slot) {
        const int code = s.table.deckorder[slot];
        dealt.insert(code);
        EXPECT_EQ(s.table.tag[slot], spadesrules::kHeld);
        if (slot >= 40)
            EXPECT_TRUE(showsFile(s.Image1[slot], core::facefile(code))) << slot;
        else
            EXPECT_TRUE(showsFile(s.Image1[slot], slot <= 26 ? core::sidebackfile : core::backfile)) << slot;
    }
    EXPECT_EQ(dealt.size(), 52u);
    EXPECT_TRUE(idle(s));
    EXPECT_TRUE(s.onsound.Checked);
    EXPECT_TRUE(s.to250.Checked) << "the shipped target";
}

TEST_F(SpadesTest, LaterActivationsStartNothing) {
    spades& s = openTable();
    const auto deal = s.table.deckorder;
    chooseMenu(s.scorecard);
    EXPECT_FALSE(s.Enabled);
    close(platform::window<Spadescore>());
    settle();
    EXPECT_TRUE(s.Enabled);
    EXPECT_FALSE(platform::window<gp::mainstandin>().Enabled);
    EXPECT_EQ(s.table.deckorder, deal);
    EXPECT_EQ(boxes.shown().size(), 1u) << "only the first activation's suggestion";
}

TEST_F(SpadesTest, TheTargetFileTicksItsItemAndAChoiceIsWritten) {
    const struct { const char* file; bool t200, t250, t400; } cases[] = {
        {"200", true, false, false}, {"250", false, true, false}, {"400", false, false, true},
        {"300", false, false, false}, {"", false, false, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        platform::writeSetting("\\Data\\spadesto.dat", c.file);
        spades& s = openTable();
        EXPECT_EQ(s.to200.Checked.get(), c.t200);
        EXPECT_EQ(s.to250.Checked.get(), c.t250);
        EXPECT_EQ(s.to400.Checked.get(), c.t400);
        s.Unload();
        settle();
    }
    spades& s = openTable();
    chooseMenu(s.to400);
    EXPECT_EQ(platform::readFile("\\Data\\spadesto.dat"), "400\r\n");
    EXPECT_EQ(s.target, "400");
    EXPECT_TRUE(s.to400.Checked);
    EXPECT_FALSE(s.to200.Checked || s.to250.Checked);
    s.Unload();
    settle();
    EXPECT_TRUE(openTable().to400.Checked);
}

TEST_F(SpadesTest, SoundMenuRulesAndExit) {
    spades& s = openWith({"", "", "2C 3C 4C 5C 6C 7C 8C 9C TC JC QC KC AC", ""}, 2);
    chooseMenu(s.off);
    EXPECT_EQ(platform::readFile("\\Data\\spadessound.dat"), "NO\r\n");
    EXPECT_TRUE(s.off.Checked);
    bid(s, 3);
    click(s.Image1[40]);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(s.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\spadessound.dat"), "YES\r\n");
    advance(1000);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
    chooseMenu(s.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\spades.html"});
    chooseMenu(s.exit);
    settle();
    EXPECT_EQ(platform::loaded<spades>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

TEST_F(SpadesTest, ClosingTheTableClosesItsScoresAndAFreshOpeningStartsAtZero) {
    spades& s = openTable();
    s.table.teamscore = {120, 40};
    chooseMenu(s.scorecard);
    ASSERT_NE(platform::loaded<Spadescore>(), nullptr);
    s.Unload();
    settle();
    EXPECT_EQ(platform::loaded<spades>(), nullptr);
    EXPECT_EQ(platform::loaded<Spadescore>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
    spades& again = openTable();
    EXPECT_EQ(again.table.teamscore, (std::array<int, 2>{0, 0}));
    EXPECT_EQ(again.table.startflag, 5);
    EXPECT_TRUE(again.Frame1.Visible);
}

TEST_F(SpadesTest, MenusStandInTheirDesignOrder) {
    spades& s = openTable();
    EXPECT_EQ(gp::menuCaptions(s), (std::vector<std::string>{"File", "Scoring", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(s.file), (std::vector<std::string>{"Start Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(s.scoring), (std::vector<std::string>{"View Score", "-", "200", "250", "400"}));
    EXPECT_EQ(gp::menuCaptions(s.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(s.help), std::vector<std::string>{"Rules"});
}

}  // namespace
