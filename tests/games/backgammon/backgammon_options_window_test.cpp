#include "backgammon_fixture.h"

#include "platform/files.h"

#include <string>
#include <vector>

using namespace bgrules;
using bgtest::board;
using bgtest::checkerOn;

namespace {

struct OptionCase {
    const char* name;
    platform::Menu backgammon::*item;
    const char* file;
    const char* written;
    std::vector<platform::Menu backgammon::*> ticked, unticked;
};

TEST_F(BackgammonTest, EachOptionWritesItsFileAndTicksItsItem) {
    using B = backgammon;
    const std::vector<OptionCase> cases{
        {"Player", &B::playerfirst, "\\Data\\firstroll.dat", "P", {&B::playerfirst}, {&B::compfirst, &B::random}},
        {"Computer", &B::compfirst, "\\Data\\firstroll.dat", "C", {&B::compfirst}, {&B::playerfirst, &B::random}},
        {"Random", &B::random, "\\Data\\firstroll.dat", "R", {&B::random}, {&B::playerfirst, &B::compfirst}},
        {"Yellow", &B::yellow, "\\Data\\playasbackgammon.dat", "Y", {&B::yellow}, {&B::red}},
        {"Red", &B::red, "\\Data\\playasbackgammon.dat", "R", {&B::red}, {&B::yellow}},
        {"Cube On", &B::doublecubeon, "\\Data\\doublecube.dat", "ON", {&B::doublecubeon}, {&B::doublecubeoff}},
        {"Cube Off", &B::doublecubeoff, "\\Data\\doublecube.dat", "OFF", {&B::doublecubeoff}, {&B::doublecubeon}},
        {"3 games", &B::f3, "\\Data\\backgammonto.dat", "3", {&B::f3}, {&B::f5, &B::f7, &B::f9}},
        {"5 games", &B::f5, "\\Data\\backgammonto.dat", "5", {&B::f5}, {&B::f3, &B::f7, &B::f9}},
        {"7 games", &B::f7, "\\Data\\backgammonto.dat", "7", {&B::f7}, {&B::f3, &B::f5, &B::f9}},
        {"9 games", &B::f9, "\\Data\\backgammonto.dat", "9", {&B::f9}, {&B::f3, &B::f5, &B::f7}},
        {"Sound On", &B::onsound, "\\Data\\backgammonsound.dat", "YES", {&B::onsound}, {&B::off}},
        {"Sound Off", &B::off, "\\Data\\backgammonsound.dat", "NO", {&B::off}, {&B::onsound}},
    };
    backgammon& b = openBoard();
    for (const auto& c : cases) {
        for (int twice = 0; twice < 2; ++twice) {
            chooseMenu(b.*c.item);
            EXPECT_EQ(platform::readFile(c.file), std::string(c.written) + "\r\n") << c.name;
            for (auto ticked : c.ticked) EXPECT_TRUE((b.*ticked).Checked) << c.name;
            for (auto unticked : c.unticked) EXPECT_FALSE((b.*unticked).Checked) << c.name;
        }
    }
}

TEST_F(BackgammonTest, PlayAsRedRecoloursAtOnceAndNewGamesKeepIt) {
    backgammon& b = openBoard();
    chooseMenu(b.red);
    const platform::Color red = platform::RGB(192, 0, 0), yellow = platform::RGB(192, 192, 0);
    for (int i = 1; i <= kCheckers; ++i) {
        EXPECT_EQ(b.Shape1[i].BackColor.get(), red);
        EXPECT_EQ(b.Shape4[i].FillColor.get(), red);
        EXPECT_EQ(b.Shape2[i].BackColor.get(), yellow);
        EXPECT_EQ(b.Shape5[i].FillColor.get(), yellow);
    }
    chooseMenu(b.newstuff);
    EXPECT_EQ(b.Shape1[1].BackColor.get(), red);
    chooseMenu(b.yellow);
    EXPECT_EQ(b.Shape1[1].BackColor.get(), yellow);
    EXPECT_EQ(b.Shape5[15].FillColor.get(), red);
}

TEST_F(BackgammonTest, TheCubeOffHidesItAndStopsTheComputersOffers) {
    backgammon& b = openBoard();
    chooseMenu(b.doublecubeoff);
    EXPECT_FALSE(b.Image4.Visible);
    EXPECT_FALSE(b.Image4.Enabled);
    setBoard(b, board({{2, 15}}, {{3, 15}}));
    b.Timer2.Enabled = true;
    advance(20);
    EXPECT_TRUE(boxes.shown().empty()) << "no offer while the cube is out of use";
    EXPECT_EQ(b.table.cubevalue, 1);
    chooseMenu(b.doublecubeon);
    EXPECT_TRUE(b.Image4.Visible);
    EXPECT_EQ(b.Image4.Picture.get(), b.cube1.Picture.get());
}

TEST_F(BackgammonTest, TheCubeOptionClosesOnceTheUserHasMoved) {
    backgammon& b = openBoard();
    EXPECT_TRUE(b.dcube.Enabled);
    b.rollKnown(6, 5);
    move(b, checkerOn(b.table, 1), 7);
    EXPECT_FALSE(b.dcube.Enabled);
    chooseMenu(b.newstuff);
    EXPECT_TRUE(b.dcube.Enabled);
}

TEST_F(BackgammonTest, FirstMoveGovernsTheNextMatch) {
    backgammon& b = openBoard();
    chooseMenu(b.compfirst);
    EXPECT_TRUE(b.die1.Enabled) << "the running game keeps its first roller";
    chooseMenu(b.newstuff);
    EXPECT_FALSE(b.die1.Enabled);
    EXPECT_TRUE(b.Timer3.Enabled);
    chooseMenu(b.playerfirst);
    chooseMenu(b.newstuff);
    EXPECT_TRUE(b.die1.Enabled);
}

TEST_F(BackgammonTest, SoundOffSilencesTheGame) {
    backgammon& b = openBoard();
    chooseMenu(b.off);
    click(b.die1);
    EXPECT_TRUE(sounds.played().empty());
    chooseMenu(b.onsound);
    chooseMenu(b.newstuff);
    click(b.die1);
    EXPECT_EQ(sounds.played(), std::vector<std::string>{"dice.wav"});
}

TEST_F(BackgammonTest, RulesOpenTheBackgammonPage) {
    backgammon& b = openBoard();
    chooseMenu(b.rules);
    EXPECT_EQ(standins.rulesShown(), std::vector<std::string>{"\\Data\\backgammon.html"});
    EXPECT_TRUE(b.Enabled);
}

TEST_F(BackgammonTest, MenusStandInTheirDesignOrder) {
    backgammon& b = openBoard();
    using Captions = std::vector<std::string>;
    EXPECT_EQ(gp::menuCaptions(b), (Captions{"File", "Options", "Score", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(b.file), (Captions{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(b.options), (Captions{"First Move", "Play As", "Double Cube", "-", "Best Score After 3 Games",
                                                     "Best Score After 5 Games", "Best Score After 7 Games",
                                                     "Best Score After 9 Games"}));
    EXPECT_EQ(gp::menuCaptions(b.firstm), (Captions{"Player", "Computer", "Random"}));
    EXPECT_EQ(gp::menuCaptions(b.playas), (Captions{"Yellow", "Red"}));
    EXPECT_EQ(gp::menuCaptions(b.dcube), (Captions{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(b.Scorestuff), Captions{"View Score"});
    EXPECT_EQ(gp::menuCaptions(b.sound), (Captions{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(b.help), Captions{"Rules"});
}

}  // namespace
