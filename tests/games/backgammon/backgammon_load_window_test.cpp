#include "backgammon_fixture.h"

#include "art/backgammon_geometry.h"
#include "common/names.h"
#include "platform/files.h"

#include <string>

namespace geo = art::bgboard;
using namespace bgrules;

namespace {

struct SizeCase {
    int width, height;
    float scale;
    double nameFont;
    const char* board;
};

TEST_F(BackgammonTest, BoardIsLaidOutAtEachScreenSize) {
    const SizeCase cases[] = {
        {1024, 768, 1.0f, 8.25, "\\Images\\backgammonbig.bmp"},
        {800, 600, 0.78f, 7, "\\Images\\backgammonmed.bmp"},
        {640, 480, 0.63f, 7, "\\Images\\backgammonsmall.bmp"},
        {1280, 1024, 1.0f, 8.25, "\\Images\\backgammonbig.bmp"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        backgammon& b = openBoard();
        const double s = c.scale;
        EXPECT_EQ(b.scale, c.scale);
        EXPECT_TRUE(boardShows(b, c.board));
        EXPECT_EQ(b.Label1.Font.Size.get(), c.nameFont);
        EXPECT_EQ(b.Label2.Font.Size.get(), c.nameFont);
        EXPECT_NEAR(b.Label2.Top, geo::kComputerName.top * s, 0.01);
        EXPECT_EQ(b.WindowState.get(), platform::vbMaximized);
        for (int p = 1; p <= 24; ++p) {
            EXPECT_NEAR(b.Image2[p].Left, geo::kPointAreas[p].left * s, 0.01) << p;
            EXPECT_NEAR(b.Image2[p].Top, geo::kPointAreas[p].top * s, 0.01) << p;
            EXPECT_NEAR(b.Image2[p].Height, geo::kPointHeight * s, 0.01) << p;
            EXPECT_NEAR(b.Shape3[p].Left, geo::kMarkers[p].left * s, 0.01) << p;
        }
        EXPECT_NEAR(b.Image3.Left, geo::kUserTray.left * s, 0.01);
        EXPECT_NEAR(b.Image4.Top, geo::kCube.top * s, 0.01);
        for (int i = 1; i <= kCheckers; ++i) {
            for (const auto& [slabs, first] : {std::pair{&b.Shape4, geo::kUserSlab}, std::pair{&b.Shape5, geo::kComputerSlab}}) {
                const geo::Box expected = geo::slab(first, i, c.scale);
                const platform::Shape& slab = (*slabs)[i];
                EXPECT_FALSE(slab.Visible) << i;
                EXPECT_NEAR(slab.Left, expected.left, 0.01) << i;
                EXPECT_NEAR(slab.Top, expected.top, 0.01) << i;
                EXPECT_NEAR(slab.Height, expected.height, 0.01) << i;
            }
            EXPECT_EQ(b.Image1[i].Left.get(), b.Shape1[i].Left.get()) << i;
            EXPECT_EQ(b.Image1[i].Top.get(), b.Shape1[i].Top.get()) << i;
            EXPECT_NEAR(b.Image1[i].Width, geo::kChecker * s, 0.01) << i;
        }
        // At 800 x 600 the slabs lie a fixed 20 twips right of the scaled design.
        EXPECT_NEAR(b.Shape4[1].Left, geo::kUserSlab.left * s + (c.scale == 0.78f ? 20 : 0), 0.01);
        EXPECT_NEAR(b.Shape4[2].Top - b.Shape4[1].Top, geo::kUserSlab.height * s * 0.66, 0.01);
        // The opening position: checker 1 at the edge of point 1, the computer's 11 on point 6.
        EXPECT_NEAR(b.Shape1[1].Left, 12600 * s, 0.01);
        EXPECT_NEAR(b.Shape1[1].Top, 8760 * s, 0.01);
        EXPECT_NEAR(b.Shape1[15].Left, 8040 * s, 0.01);
        EXPECT_NEAR(b.Shape1[15].Top, 3840 * s, 0.01);
        EXPECT_NEAR(b.Shape2[11].Left, 8160 * s, 0.01);
        EXPECT_NEAR(b.Shape2[7].Top, 3840 * s, 0.01);
        EXPECT_NEAR(b.die1.Left, 9720 * s, 0.01);
        EXPECT_NEAR(b.die2.Left, 10440 * s, 0.01);
        EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled);
        b.Unload();
        settle();
        EXPECT_TRUE(platform::loaded<gp::mainstandin>()->Enabled);
    }
}

TEST_F(BackgammonTest, OpensWithTheNamesAndAFreshMatch) {
    platform::window<gp::mainstandin>().Label1.Caption = "Ada";
    backgammon& b = openBoard();
    EXPECT_EQ(b.Label1.Caption.get(), "Ada");
    EXPECT_NE(std::ranges::find(common::oppnames, b.Label2.Caption.get()), common::oppnames.end());
    EXPECT_EQ(b.Label3.Caption.get(), "0");
    EXPECT_EQ(b.Label4.Caption.get(), "0");
    EXPECT_EQ(b.table.compwins, 0);
    EXPECT_EQ(b.table.playerwins, 0);
    EXPECT_EQ(b.Caption.get(), "Backgammon");
    EXPECT_TRUE(b.MinButton);
    EXPECT_TRUE(b.MaxButton);
}

struct TickCase {
    const char* file;
    const char* text;
    std::vector<const char*> ticked;
};

TEST_F(BackgammonTest, LoadTicksTheOptionsItsFilesName) {
    const TickCase cases[] = {
        {"\\Data\\backgammonto.dat", "3", {"f3"}},
        {"\\Data\\backgammonto.dat", "9", {"f9"}},
        {"\\Data\\backgammonto.dat", "4", {}},
        {"\\Data\\backgammonto.dat", "", {}},
        {"\\Data\\doublecube.dat", "ON", {"doublecubeon"}},
        {"\\Data\\doublecube.dat", "On", {"doublecubeoff"}},
        {"\\Data\\doublecube.dat", "OFF", {"doublecubeoff"}},
        {"\\Data\\playasbackgammon.dat", "Y", {"yellow"}},
        {"\\Data\\playasbackgammon.dat", "y", {"red"}},
        {"\\Data\\playasbackgammon.dat", "YES", {"red"}},
        {"\\Data\\firstroll.dat", "P", {"playerfirst"}},
        {"\\Data\\firstroll.dat", "C", {"compfirst"}},
        {"\\Data\\firstroll.dat", "R", {"random"}},
        {"\\Data\\firstroll.dat", "p", {"random"}},
        {"\\Data\\backgammonsound.dat", "YES", {"onsound"}},
        {"\\Data\\backgammonsound.dat", "yes", {"off"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " \"" + c.text + "\"");
        platform::writeSetting("\\Data\\backgammonto.dat", "5");
        platform::writeSetting("\\Data\\doublecube.dat", "ON");
        platform::writeSetting("\\Data\\playasbackgammon.dat", "Y");
        platform::writeSetting("\\Data\\firstroll.dat", "P");
        platform::writeSetting("\\Data\\backgammonsound.dat", "YES");
        platform::writeSetting(c.file, c.text);
        backgammon& b = openBoard();
        const std::pair<const char*, platform::Menu*> items[] = {
            {"f3", &b.f3}, {"f5", &b.f5}, {"f7", &b.f7}, {"f9", &b.f9},
            {"doublecubeon", &b.doublecubeon}, {"doublecubeoff", &b.doublecubeoff},
            {"yellow", &b.yellow}, {"red", &b.red},
            {"playerfirst", &b.playerfirst}, {"compfirst", &b.compfirst}, {"random", &b.random},
            {"onsound", &b.onsound}, {"off", &b.off}};
        // Each option's items, the ticked ones of the defaults first.
        std::set<std::string> expected{"f5", "doublecubeon", "yellow", "playerfirst", "onsound"};
        const std::string file = c.file;
        const auto sameOption = [&](const std::string& item) {
            if (file.find("backgammonto") != std::string::npos) return item[0] == 'f';
            if (file.find("doublecube") != std::string::npos) return item.starts_with("doublecube");
            if (file.find("playas") != std::string::npos) return item == "yellow" || item == "red";
            if (file.find("firstroll") != std::string::npos) return item == "playerfirst" || item == "compfirst" || item == "random";
            return item == "onsound" || item == "off";
        };
        std::erase_if(expected, sameOption);
        for (const char* item : c.ticked) expected.insert(item);
        for (const auto& [name, item] : items) EXPECT_EQ(item->Checked.get(), expected.count(name) == 1) << name;
        const bool cube = b.doublecubeon.Checked;
        EXPECT_EQ(b.Image4.Visible.get(), cube);
        EXPECT_EQ(b.Image4.Enabled.get(), cube);
        const bool yellow = b.yellow.Checked;
        const platform::Color user = yellow ? platform::RGB(192, 192, 0) : platform::RGB(192, 0, 0);
        const platform::Color computer = yellow ? platform::RGB(192, 0, 0) : platform::RGB(192, 192, 0);
        for (int i = 1; i <= kCheckers; ++i) {
            EXPECT_EQ(b.Shape1[i].BackColor.get(), user) << i;
            EXPECT_EQ(b.Shape4[i].FillColor.get(), user) << i;
            EXPECT_EQ(b.Shape2[i].BackColor.get(), computer) << i;
            EXPECT_EQ(b.Shape5[i].FillColor.get(), computer) << i;
        }
        b.Unload();
        settle();
    }
}

TEST_F(BackgammonTest, TheUserOpensWithPlayerOrAnyUnknownSetting) {
    for (const char* setting : {"P", "x", ""}) {
        SCOPED_TRACE(setting);
        platform::writeSetting("\\Data\\firstroll.dat", setting);
        backgammon& b = openBoard();
        for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_TRUE(dice->Enabled);
        EXPECT_EQ(b.die1.Picture.get(), b.one.Picture.get());
        EXPECT_EQ(b.die2.Picture.get(), b.one.Picture.get());
        EXPECT_FALSE(b.Timer1.Enabled || b.Timer2.Enabled || b.Timer3.Enabled);
        for (int i = 1; i <= kCheckers; ++i) EXPECT_FALSE(b.Image1[i].Enabled) << "no move before the roll";
        advance(3000);
        EXPECT_EQ(playedCount("dice.wav"), 0);
        b.Unload();
        settle();
    }
}

TEST_F(BackgammonTest, TheComputerOpensWithComputerAndRollsOnce) {
    platform::writeSetting("\\Data\\firstroll.dat", "C");
    backgammon& b = openBoard();
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_FALSE(dice->Enabled);
    EXPECT_TRUE(b.Timer3.Enabled);
    advance(20);
    EXPECT_EQ(playedCount("dice.wav"), 1);
    EXPECT_GE(b.table.compdie1, 1);
    EXPECT_GE(b.table.compdie2, 1);
    EXPECT_DOUBLE_EQ(b.die1.Left, 4680);
    EXPECT_DOUBLE_EQ(b.die2.Left, 3960);
    const platform::Image* faces[] = {&b.one, &b.two, &b.three, &b.four, &b.five, &b.six};
    EXPECT_EQ(b.die1.Picture.get(), faces[b.table.compdie1 - 1]->Picture.get());
    EXPECT_EQ(b.die2.Picture.get(), faces[b.table.compdie2 - 1]->Picture.get());
    EXPECT_TRUE(b.Timer1.Enabled);
    EXPECT_FALSE(b.Timer3.Enabled);
    for (platform::Image* dice : {&b.die1, &b.die2, &b.diespot1, &b.diespot2}) EXPECT_FALSE(dice->Enabled);
}

TEST_F(BackgammonTest, RandomDrawsTheFirstRollerOfEachNewMatch) {
    platform::writeSetting("\\Data\\firstroll.dat", "R");
    backgammon& b = openBoard();
    std::set<bool> userFirst;
    for (int match = 0; match < 12; ++match) {
        chooseMenu(b.newstuff);
        const bool user = b.die1.Enabled;
        EXPECT_NE(user, b.Timer3.Enabled.get());
        userFirst.insert(user);
    }
    EXPECT_EQ(userFirst.size(), 2u) << "both sides open some matches";
}

}  // namespace
