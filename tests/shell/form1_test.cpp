#include "shell_test.h"

#include "platform/boxes.h"
#include "platform/files.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/form3.h"
#include "shell/form4.h"
#include "shell/form5.h"

#include <cmath>
#include <filesystem>

namespace {

using MainWindow = ShellTest;

// A game window that locks nothing, to show what the main window's exit leaves alone.
class somegame : public platform::Form {};

TEST_F(MainWindow, LoadingLabelFollowsTheScreen) {
    struct Case {
        int width, height;
        double fontSize, factor;
    };
    const Case cases[] = {
        {640, 480, 14.75, 0.63}, {800, 600, 14.75, 0.78}, {1024, 768, 15.75, 1.0},
        {1280, 1024, 15.75, 1.0}, {640, 400, 15.75, 1.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        Form1& main = open<Form1>();
        EXPECT_EQ(main.Label3.Caption, "");
        EXPECT_DOUBLE_EQ(main.Label3.Font.Size, c.fontSize);
        const double factor = float(c.factor);
        EXPECT_DOUBLE_EQ(main.Label3.Left, 4560 * factor);
        EXPECT_DOUBLE_EQ(main.Label3.Top, 4080 * factor);
        EXPECT_DOUBLE_EQ(main.Label3.Width, 6255 * factor);
        EXPECT_DOUBLE_EQ(main.Label3.Height, 1215 * factor);
        main.Unload();
        settle();
    }
}

TEST_F(MainWindow, EveryRuleBookItemShowsItsPageInOneViewer) {
    Form1& main = open<Form1>();
    const std::pair<platform::Menu Form1::*, std::string> items[] = {
        {&Form1::spades, "spades"},
        {&Form1::hearts, "hearts"},
        {&Form1::crazy8s, "crazy8s"},
        {&Form1::war, "war"},
        {&Form1::euchre, "euchre"},
        {&Form1::gin, "gin"},
        {&Form1::compmemory, "compmemory"},
        {&Form1::backgammon, "backgammon"},
        {&Form1::colormem, "colormem"},
        {&Form1::foreaft, "foreaft"},
        {&Form1::tictactoe, "tictactoe"},
        {&Form1::towers, "hanoi"},
        {&Form1::seawar, "seawar"},
        {&Form1::hangman, "hangman"},
        {&Form1::cardmemscore, "scorememory"},
        {&Form1::interlockpuzzle, "interlockpuzzle"},
        {&Form1::nestor, "nestor"},
        {&Form1::calculation, "calculation"},
        {&Form1::golf, "golf"},
        {&Form1::fortythieves, "fortythieves"},
        {&Form1::Accordian, "accordian"},
    };
    Form5* first = nullptr;
    for (const auto& [item, page] : items) {
        chooseMenu(main.*item);
        settle();
        Form5* viewer = platform::loaded<Form5>();
        ASSERT_NE(viewer, nullptr) << page;
        if (!first) first = viewer;
        EXPECT_EQ(viewer, first) << page;
        EXPECT_TRUE(viewer->Visible) << page;
        EXPECT_EQ(viewer->WebBrowser1.LocationURL(), platform::resolve("\\Data\\" + page + ".html").string());
    }
    EXPECT_TRUE(main.Enabled);
}

TEST_F(MainWindow, ClosedViewerComesBackFreshOnTheNextPage) {
    Form1& main = open<Form1>();
    chooseMenu(main.golf);
    settle();
    close(*platform::loaded<Form5>());
    settle();
    EXPECT_EQ(platform::loaded<Form5>(), nullptr);

    chooseMenu(main.hearts);
    settle();
    ASSERT_NE(platform::loaded<Form5>(), nullptr);
    EXPECT_EQ(platform::loaded<Form5>()->WebBrowser1.LocationURL(), platform::resolve("\\Data\\hearts.html").string());
}

TEST_F(MainWindow, HelpOpensTheProgramsOwnPagesInTheBrowser) {
    Form1& main = open<Form1>();
    chooseMenu(main.website);
    chooseMenu(main.con);
    EXPECT_EQ(browser.opened(), (std::vector<std::string>{"\\Data\\about.html", "\\Data\\contact.html"}));
}

// Without a browser each item says so once, naming the page's file, which is still there to open.
TEST_F(MainWindow, HelpSaysWhereThePageIsWhenNoBrowserStarts) {
    Form1& main = open<Form1>();
    browser.fail();
    const std::pair<platform::Menu*, const char*> items[] = {{&main.website, "\\Data\\about.html"},
                                                             {&main.con, "\\Data\\contact.html"}};
    for (const auto& [item, page] : items) {
        const std::string said = shell::nobrowsertext(platform::resolve(page));
        boxes.expect(said, platform::vbOK);
        chooseMenu(*item);
        boxes.verifyAllUsed();
        EXPECT_EQ(boxes.shown().back().prompt, said);
        EXPECT_EQ(boxes.shown().back().title, "No Browser");
        EXPECT_TRUE(std::filesystem::exists(platform::resolve(page))) << page;
    }
}

TEST_F(MainWindow, SelectGameShowsTheLoadingLabelUntilTheChooserIsActive) {
    Form1& main = open<Form1>();
    main.selectgame.userChoose();  // the chooser becomes active only after the menu's handler
    EXPECT_EQ(main.Label3.Caption, "Loading Game List...");
    settle();
    ASSERT_NE(platform::loaded<Form2>(), nullptr);
    EXPECT_EQ(platform::activeForm(), platform::loaded<Form2>());
    EXPECT_EQ(main.Label3.Caption, "");
    EXPECT_TRUE(main.Enabled);
}

TEST_F(MainWindow, SelectGameAgainReusesTheOpenChooser) {
    Form1& main = open<Form1>();
    chooseMenu(main.selectgame);
    settle();
    Form2* chooser = platform::loaded<Form2>();
    clickNode(chooser->TreeView1, "Golf");
    main.Show();  // the user goes back to the main window
    settle();
    ASSERT_EQ(platform::activeForm(), &main);

    main.selectgame.userChoose();
    EXPECT_EQ(main.Label3.Caption, "Loading Game List...");
    settle();
    EXPECT_EQ(main.Label3.Caption, "");
    EXPECT_EQ(platform::loaded<Form2>(), chooser);
    EXPECT_TRUE(chooser->golfpic.Visible);
}

TEST_F(MainWindow, LogInAndDeckChooserLockTheMainWindowWhileOpen) {
    struct Case {
        platform::Menu Form1::*item;
        std::function<platform::Form*()> window;
    };
    const Case cases[] = {
        {&Form1::change, [] { return static_cast<platform::Form*>(platform::loaded<Form3>()); }},
        {&Form1::changedeck, [] { return static_cast<platform::Form*>(platform::loaded<Form4>()); }},
    };
    Form1& main = open<Form1>();
    for (const Case& c : cases) {
        chooseMenu(main.*c.item);
        settle();
        platform::Form* opened = c.window();
        ASSERT_NE(opened, nullptr);
        EXPECT_FALSE(main.Enabled);
        EXPECT_FALSE((main.*c.item).reachable());
        close(*opened);
        settle();
        EXPECT_TRUE(main.Enabled);
        EXPECT_TRUE((main.*c.item).reachable());
    }
}

TEST_F(MainWindow, ExitUnloadsTheShellWindowsButNoGame) {
    Form1& main = open<Form1>();
    chooseMenu(main.selectgame);
    chooseMenu(main.hearts);
    settle();
    platform::window<Form3>().Show();
    platform::window<Form4>().Show();
    main.Enabled = true;  // as if another window had released it, so that Exit can be chosen
    somegame& game = open<somegame>();

    chooseMenu(main.exit);
    settle();
    EXPECT_EQ(platform::loaded<Form1>(), nullptr);
    EXPECT_EQ(platform::loaded<Form2>(), nullptr);
    EXPECT_EQ(platform::loaded<Form3>(), nullptr);
    EXPECT_EQ(platform::loaded<Form4>(), nullptr);
    EXPECT_EQ(platform::loaded<Form5>(), nullptr);
    EXPECT_EQ(platform::loaded<somegame>(), &game);
    EXPECT_FALSE(programEnded());
}

TEST_F(MainWindow, ExitWithOnlyTheMainWindowEndsTheProgram) {
    Form1& main = open<Form1>();
    chooseMenu(main.exit);
    settle();
    EXPECT_EQ(platform::loaded<Form1>(), nullptr);
    EXPECT_TRUE(programEnded());
}

}  // namespace
