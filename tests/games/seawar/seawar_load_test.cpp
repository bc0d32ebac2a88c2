#include "seawar_fixture.h"

#include "games/seawar/seawar_fleets.h"
#include "games/seawar/seawar_layout.h"

#include "platform/services.h"

#include <string>
#include <vector>

using namespace seawarrules;

namespace {

struct Screen {
    int w, h;
    float scale;
    double label1, label2, buttons;  // font sizes
};

const Screen kScreens[] = {
    {640, 480, 0.78f, 7, 10, 7},
    {800, 600, 1.0f, 7, 10, 7},
    {1024, 768, 1.0f, 8.25, 12, 8.25},
};

// Inside the window's client area, so nothing of it is cut off.
void expectInside(const seawar& w, const platform::Control& c, const char* name, int screen) {
    EXPECT_GE(c.windowX(), 0) << name << " at " << screen;
    EXPECT_GE(c.windowY(), 0) << name << " at " << screen;
    EXPECT_LE(c.windowX() + c.Width, w.ScaleWidth()) << name << " at " << screen;
    EXPECT_LE(c.windowY() + c.Height, w.ScaleHeight()) << name << " at " << screen;
}

}  // namespace

TEST_F(SeaWarTest, LoadScalesAndDoublesTheGridsAtEachScreenSize) {
    for (const Screen& screen : kScreens) {
        setScreen(screen.w, screen.h);
        seawar& w = openSeaWar();
        const double s = double(screen.scale);
        EXPECT_EQ(w.scale, screen.scale) << screen.w;
        EXPECT_DOUBLE_EQ(w.Image1[1].Left, 0) << screen.w;
        EXPECT_DOUBLE_EQ(w.Image1[100].Left, 240 * 9 * s * 2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Image1[101].Left, 3240 * s * 2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Image1[200].Top, (240 + 240 * 9) * s * 2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Image1[137].Width, 255 * s * 2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Line1[43].X2, 5640 * s * 2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Line1[5].Y2, 2400 * s * 2) << screen.w;
        EXPECT_EQ(w.Line1[30].BorderColor.get(), platform::vbWhite);
        EXPECT_DOUBLE_EQ(w.Frame1.Left, 240 * s) << screen.w;
        EXPECT_DOUBLE_EQ(w.Command2.Top, 5160 * s) << screen.w;
        EXPECT_DOUBLE_EQ(w.accside.Width, 2370 * s) << screen.w;
        EXPECT_DOUBLE_EQ(w.accup.Height, 1890 * s) << screen.w;
        // Each water picture and the drop zone share their grid's first corner.
        EXPECT_EQ(w.Image2.Left, w.Image1[1].Left);
        EXPECT_EQ(w.Image2.Top, w.Image1[1].Top);
        EXPECT_DOUBLE_EQ(w.Image3.Width, 9.4 * w.Image1[101].Width);
        for (const platform::Image* c : {&w.Image3, &w.Image4}) {
            EXPECT_EQ(c->Left, w.Image1[101].Left);
            EXPECT_EQ(c->Top, w.Image1[101].Top);
        }
        EXPECT_DOUBLE_EQ(w.Image4.Width, w.Image1[110].Left + w.Image1[110].Width - w.Image1[101].Left);
        EXPECT_DOUBLE_EQ(w.Image4.Height, w.Image1[191].Top + w.Image1[191].Height - w.Image1[101].Top);
        EXPECT_TRUE(showsFile(w.Image2, "\\Images\\bluewater.bmp"));
        EXPECT_DOUBLE_EQ(w.Label1.Font.Size, screen.label1) << screen.w;
        EXPECT_DOUBLE_EQ(w.Label2.Font.Size, screen.label2) << screen.w;
        EXPECT_DOUBLE_EQ(w.Command1.Font.Size, screen.buttons) << screen.w;
        EXPECT_DOUBLE_EQ(w.Command2.Font.Size, screen.buttons) << screen.w;
        EXPECT_EQ(w.Label1.Font.Name.get(), "Verdana");
        // Nothing the user needs is cut off, and the window fits the screen.
        w.Frame1.Visible = true;
        expectInside(w, w.Frame1, "the enemy side", screen.w);
        expectInside(w, w.Image1[100], "the last enemy cell", screen.w);
        expectInside(w, w.Image4, "the user's grid", screen.w);
        expectInside(w, w.Shape1, "the dock", screen.w);
        expectInside(w, w.Command1, "Rotate", screen.w);
        expectInside(w, w.Command2, "Done", screen.w);
        EXPECT_LE(w.Width, platform::screenWidthTwips()) << screen.w;
        EXPECT_LE(w.Height, platform::screenHeightTwips()) << screen.w;
        close(w);
    }
}

TEST_F(SeaWarTest, FullSizeWindowKeepsItsDesignSize) {
    seawar& w = openSeaWar();
    EXPECT_EQ(w.Width, 11670);
    EXPECT_EQ(w.Height, 6495);
}

TEST_F(SeaWarTest, ReopeningLoadsTheGridsAfreshNotDoubledTwice) {
    seawar& first = openSeaWar();
    const double left = first.Image1[155].Left;
    close(first);
    EXPECT_DOUBLE_EQ(openSeaWar().Image1[155].Left, left);
}

TEST_F(SeaWarTest, LoadLeavesANewGameInPlacement) {
    seawar& w = openSeaWar();
    EXPECT_FALSE(w.Frame1.Visible.get());
    EXPECT_EQ(w.table.droppedship, 0);
    EXPECT_TRUE(w.gametype.Enabled.get());
    EXPECT_TRUE(w.classic.Checked.get());
    EXPECT_TRUE(w.mefirst.Checked.get());
    EXPECT_TRUE(w.onsound.Checked.get());
    EXPECT_FALSE(w.Timer1.running());
    for (int ship = 1; ship <= kShips; ++ship) {
        const platform::Image& picture = w.shippicture(ship);
        EXPECT_EQ(picture.Picture, w.dockpicture) << ship;
        EXPECT_EQ(picture.DragMode, platform::vbAutomatic) << ship;
        EXPECT_EQ(picture.Left, 600);
        EXPECT_EQ(picture.Top, docktop(ship));
        EXPECT_EQ(picture.Width, shipdesignwidth(ship));
    }
    bool known = false;
    for (int layout = 1; layout <= 10; ++layout) known = known || w.table.enemycells == fleet(layout);
    EXPECT_TRUE(known) << "the computer's fleet is one of the ten";
}

TEST_F(SeaWarTest, MenusStandInTheirDesignOrder) {
    seawar& w = openSeaWar();
    EXPECT_EQ(gp::menuCaptions(w), (std::vector<std::string>{"File", "Settings", "Sound", "Help"}));
    EXPECT_EQ(gp::menuCaptions(w.file), (std::vector<std::string>{"New Game", "-", "Exit"}));
    EXPECT_EQ(gp::menuCaptions(w.settings), (std::vector<std::string>{"First Move", "Game Type"}));
    EXPECT_EQ(gp::menuCaptions(w.firstmove), (std::vector<std::string>{"Me", "Computer", "Random"}));
    EXPECT_EQ(gp::menuCaptions(w.gametype), (std::vector<std::string>{"Classic", "Salvo ", "Volley"}));
    EXPECT_EQ(gp::menuCaptions(w.sound), (std::vector<std::string>{"On", "Off"}));
    EXPECT_EQ(gp::menuCaptions(w.help), std::vector<std::string>{"Rules"});
}

TEST_F(SeaWarTest, TheMainWindowIsLockedWhileTheGameIsOpen) {
    seawar& w = openSeaWar();
    auto* main = platform::loaded<gp::mainstandin>();
    ASSERT_NE(main, nullptr);
    EXPECT_FALSE(main->Enabled.get());
    chooseMenu(w.exit);
    EXPECT_TRUE(main->Enabled.get());
    EXPECT_EQ(platform::loaded<seawar>(), nullptr);
}
