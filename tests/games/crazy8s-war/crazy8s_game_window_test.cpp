#include "crazy8s_fixture.h"

#include "common/rules.h"
#include "platform/boxes.h"
#include "platform/files.h"

#include <string>
#include <vector>

using namespace crazy8srules;

namespace {

struct EndCase {
    const std::string* comp;
    bool userWins;
    int answer;
};

// The race played out: six rounds each, then either the user's ten of diamonds wins, or the user
// draws the nine of hearts and plays it, and the computer's last card wins. After its eight the
// computer names hearts, holding nothing.
TEST_F(Crazy8sTest, AWholeGameEndsWithItsQuestionAnsweredEitherWay) {
    const EndCase cases[] = {
        {&kRaceCompEight, true, platform::vbYes},  {&kRaceCompEight, true, platform::vbNo},
        {&kRaceCompEight, false, platform::vbYes}, {&kRaceCompEight, false, platform::vbNo},
        {&kRaceCompKing, false, platform::vbYes},  {&kRaceCompKing, false, platform::vbNo},
    };
    for (const auto& c : cases) {
        const bool eight = c.comp == &kRaceCompEight;
        SCOPED_TRACE(std::string(c.userWins ? "the user wins" : eight ? "the computer's eight wins" : "the computer's king wins") +
                     (c.answer == platform::vbYes ? ", Yes" : ", No"));
        crazy8s& g = openWith(kRaceUser, *c.comp, "2H", "9H");
        for (const std::string& card : kRacePlays) {
            round(g, card);
            ASSERT_TRUE(userturn(g)) << card;
        }
        EXPECT_EQ(g.table.playercount, 1);
        EXPECT_EQ(g.table.compcount, 1);
        EXPECT_EQ(backsShown(g), 1);
        if (c.userWins) {
            boxes.expect("You Win, Keep Playing?", c.answer);
            play(g, "10D");
        } else {
            click(g.Command1);
            EXPECT_EQ(g.table.playercount, 2);
            play(g, "9H");
            if (eight) boxes.expect("The suit is now hearts", platform::vbOK);
            boxes.expect("You Lost, Keep Playing?", c.answer);
            advance(1000);
        }
        boxes.verifyAllUsed();
        ASSERT_FALSE(boxes.shown().empty());
        EXPECT_EQ(boxes.shown().back().title, "Keep Playing?");
        EXPECT_EQ(boxes.shown().back().style, platform::vbYesNo + platform::vbInformation);
        EXPECT_FALSE(g.Command1.Enabled);
        if (c.answer == platform::vbYes) {
            EXPECT_EQ(g.table.playercount, 7);
            EXPECT_EQ(g.table.compcount, 7);
            EXPECT_EQ(backsShown(g), 7);
            EXPECT_TRUE(userturn(g));
            advance(100);
            EXPECT_TRUE(g.Command1.Enabled) << "the new deal's stock opens a moment later";
        } else {
            EXPECT_EQ(g.table.playercount + g.table.compcount, 1) << "the finished table stays";
            EXPECT_EQ(backsShown(g), g.table.compcount);
            for (int k = 1; k <= 52; ++k) EXPECT_FALSE(g.Image1[k].Enabled) << k;
            advance(2000);
            EXPECT_FALSE(g.Command1.Enabled);
            chooseMenu(g.newgame);
            EXPECT_TRUE(userturn(g));
            EXPECT_TRUE(g.Command1.Enabled);
        }
        g.Unload();
        settle();
    }
}

TEST_F(Crazy8sTest, TheMenusStandInTheirDesignOrderAndDoTheirWork) {
    crazy8s& g = openWith("3H 4C 5D 6S 7H 9C 10D", "3C 4D 5S 6H 7C 9D KS", "2H");
    EXPECT_EQ(gp::menuCaptions(g), (std::vector<std::string>{"File", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(g.file), (std::vector<std::string>{"New Game", "Deal", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(g.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(g.help), std::vector<std::string>{"Rules"});

    EXPECT_TRUE(g.onsound.Checked);
    chooseMenu(g.off);
    EXPECT_EQ(platform::readSetting("\\Data\\crazy8ssound.dat"), "NO");
    EXPECT_TRUE(g.off.Checked);
    EXPECT_FALSE(g.onsound.Checked);
    play(g, "3H");
    EXPECT_TRUE(sounds.played().empty()) << "no sound while the switch is off";
    chooseMenu(g.onsound);
    EXPECT_EQ(platform::readSetting("\\Data\\crazy8ssound.dat"), "YES");
    EXPECT_TRUE(g.onsound.Checked);

    chooseMenu(g.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{common::rulesfile("crazy8s")});
    chooseMenu(g.exit);
    EXPECT_EQ(platform::loaded<crazy8s>(), nullptr);
    EXPECT_TRUE(platform::window<gp::mainstandin>().Enabled);
}

}  // namespace
