#include "golf_fixture.h"

#include "common/rules.h"
#include "platform/files.h"

#include <string>
#include <vector>

namespace {

struct ScaleCase { int width; int height; double scale; };

TEST_F(GolfTest, TableShrinksOnlyAt640x480) {
    const ScaleCase cases[] = {{640, 480, 0.78f}, {800, 600, 1}, {1024, 768, 1}, {1280, 1024, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        auto& g = openGame<golf>();
        EXPECT_DOUBLE_EQ(g.Width, 9540 * c.scale);
        EXPECT_DOUBLE_EQ(g.Height, 7305 * c.scale);
        const std::pair<const platform::Image*, std::array<double, 4>> designs[] = {
            {&g.cardpic[1], {600, 3720, 975, 1335}},  {&g.cardpic[35], {7800, 2280, 975, 1335}},
            {&g.cardpic[52], {4080, 360, 1455, 1815}}, {&g.Image1, {4080, 360, 1455, 1815}},
            {&g.Image2, {3480, 0, 4575, 2295}},       {&g.deck, {2040, 240, 1365, 1695}},
            {&g.cardback, {2040, 240, 1365, 1695}},
        };
        for (const auto& [image, d] : designs) {
            EXPECT_DOUBLE_EQ(image->Left, d[0] * c.scale) << image->describe();
            EXPECT_DOUBLE_EQ(image->Top, d[1] * c.scale) << image->describe();
            EXPECT_DOUBLE_EQ(image->Width, d[2] * c.scale) << image->describe();
            EXPECT_DOUBLE_EQ(image->Height, d[3] * c.scale) << image->describe();
        }
        g.Unload();
        settle();
    }
}

TEST_F(GolfTest, SoundMenuWritesTheSwitch) {
    auto& g = openGame<golf>();
    EXPECT_TRUE(g.onsound.Checked);
    EXPECT_FALSE(g.off.Checked);
    chooseMenu(g.off);
    EXPECT_EQ(platform::readFile("\\Data\\golfsound.dat"), "NO\r\n");
    EXPECT_TRUE(g.off.Checked);
    EXPECT_FALSE(g.onsound.Checked);
    click(g.deck);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(g.onsound);
    EXPECT_EQ(platform::readFile("\\Data\\golfsound.dat"), "YES\r\n");
    click(g.deck);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"flick.wav"});
}

TEST_F(GolfTest, MenusStandInTheirDesignOrder) {
    auto& g = openGame<golf>();
    EXPECT_EQ(gp::menuCaptions(g), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(g.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(g.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(g.help), std::vector<std::string>{"Rules"});
}

TEST_F(GolfTest, RulesShowTheGolfPage) {
    auto& g = openGame<golf>();
    chooseMenu(g.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("golf")});
}

TEST_F(GolfTest, GameLocksTheMainWindowUntilItCloses) {
    auto& g = openGame<golf>();
    auto& main = platform::window<gp::mainstandin>();
    EXPECT_FALSE(main.Enabled);
    chooseMenu(g.exit);
    settle();
    EXPECT_EQ(platform::loaded<golf>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

}  // namespace
