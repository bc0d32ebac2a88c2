#include "shell_test.h"

#include "art/chooser.h"
#include "shell/catalog.h"
#include "shell/form1.h"
#include "shell/form2.h"
#include "shell/form5.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTreeWidget>


namespace {

class Chooser : public ShellTest {
protected:
    Form2& openChooser() {
        Form1& main = open<Form1>();
        chooseMenu(main.selectgame);
        settle();
        return *platform::loaded<Form2>();
    }
    std::vector<std::string> visiblePictures(Form2& chooser) {
        std::vector<std::string> shown;
        for (const shell::GameEntry& game : shell::games())
            if (chooser.picture(game).Visible) shown.emplace_back(game.picture);
        return shown;
    }
    std::string shownPage() {
        Form5* viewer = platform::loaded<Form5>();
        return viewer ? viewer->WebBrowser1.LocationURL() : std::string();
    }
    static QTreeWidget& treeWidget(platform::TreeView& tree) { return *static_cast<QTreeWidget*>(tree.widget()); }
    static void moveSelection(platform::TreeView& tree, std::string_view text) {
        for (int i = 1; i <= tree.Count(); ++i)
            if (tree.Nodes(i).Text.get() == text) treeWidget(tree).setCurrentItem(tree.Nodes(i).item());
    }
    static std::string pageFile(std::string_view page) {
        return platform::resolve("\\Data\\" + std::string(page) + ".html").string();
    }
};

TEST_F(Chooser, OpensWithEveryGameListedUnderItsExpandedGroupAndNothingShown) {
    Form2& chooser = openChooser();
    std::vector<std::string> texts;
    for (int i = 1; i <= chooser.TreeView1.Count(); ++i) {
        platform::Node& node = chooser.TreeView1.Nodes(i);
        texts.push_back(node.Text);
        if (shell::groupByText(node.Text.get())) {
            EXPECT_TRUE(node.Expanded) << node.Text;
        }
    }
    const std::vector<std::string> expected{
        "Multi Player Card Games", "Spades", "Hearts", "Crazy 8s", "War", "Euchre", "Gin Rummy",
        "Card Memorization (Small)", "Card Memorization (Big)", "Solitaire Card Games", "Card Memorization",
        "Interlock Puzzle", "Nestor", "Calculation", "Golf", "Forty Thieves", "Accordion", "Other Games",
        "Backgammon", "Color Memorization", "Fore and Aft", "Tic-Tac-Toe", "Towers of Hanoi (Small)",
        "Towers of Hanoi (Medium)", "Towers of Hanoi (Large)", "Sea War", "Hangman"};
    EXPECT_EQ(texts, expected);
    EXPECT_TRUE(visiblePictures(chooser).empty());
    EXPECT_FALSE(chooser.Label1.Visible);
    EXPECT_EQ(chooser.Label1.Caption, "Game Rules");
    EXPECT_TRUE(chooser.Enabled);
}

TEST_F(Chooser, SelectingAGameShowsOnlyItsPictureAndCaption) {
    Form2& chooser = openChooser();
    for (const shell::GameEntry& game : shell::games()) {
        clickNode(chooser.TreeView1, game.text);
        EXPECT_EQ(visiblePictures(chooser), std::vector<std::string>{std::string(game.picture)}) << game.text;
        EXPECT_EQ(chooser.picture(game).Picture->image().size(), art::gamePicture(game.picture).size()) << game.text;
        EXPECT_EQ(chooser.Label1.Caption, std::string(game.caption));
        EXPECT_TRUE(chooser.Label1.Visible);
    }
}

TEST_F(Chooser, GroupEntryKeepsTheLastGameOnScreen) {
    Form2& chooser = openChooser();
    clickNode(chooser.TreeView1, "Hearts");
    for (std::string_view group : {"Multi Player Card Games", "Solitaire Card Games", "Other Games"}) {
        clickNode(chooser.TreeView1, group);
        EXPECT_EQ(visiblePictures(chooser), std::vector<std::string>{"heartspic"}) << group;
        EXPECT_EQ(chooser.Label1.Caption, "How to play Hearts");
    }
}

TEST_F(Chooser, GroupEntryFirstShowsTheDesignCaptionWhichOpensNothing) {
    Form2& chooser = openChooser();
    clickNode(chooser.TreeView1, "Other Games");
    EXPECT_TRUE(chooser.Label1.Visible);
    EXPECT_EQ(chooser.Label1.Caption, "Game Rules");
    click(chooser.Label1);
    settle();
    EXPECT_EQ(platform::loaded<Form5>(), nullptr);
}

TEST_F(Chooser, LabelOpensThePageOfItsCaptionAndTheChooserStays) {
    struct Case {
        std::string_view text, page;
    };
    const Case cases[] = {
        {"Hearts", "hearts"},
        {"Card Memorization", "scorememory"},
        {"Card Memorization (Big)", "compmemory"},
        {"Card Memorization (Small)", "compmemory"},
        {"Towers of Hanoi (Medium)", "hanoi"},
        {"Accordion", "accordian"},
        {"Gin Rummy", "gin"},
        {"Color Memorization", "colormem"},
    };
    Form2& chooser = openChooser();
    for (const Case& c : cases) {
        clickNode(chooser.TreeView1, c.text);
        click(chooser.Label1);
        settle();
        EXPECT_EQ(shownPage(), pageFile(c.page)) << c.text;
        EXPECT_EQ(platform::loaded<Form2>(), &chooser);
    }
}

TEST_F(Chooser, ComingBackFromTheViewerClearsTheLoadingLabelAgain) {
    Form2& chooser = openChooser();
    Form1& main = *platform::loaded<Form1>();
    clickNode(chooser.TreeView1, "Golf");
    click(chooser.Label1);
    settle();
    ASSERT_EQ(platform::activeForm(), platform::loaded<Form5>());
    main.Label3.Caption = "Loading Game List...";

    close(*platform::loaded<Form5>());
    settle();
    EXPECT_EQ(platform::activeForm(), &chooser);
    EXPECT_EQ(main.Label3.Caption, "");
}

TEST_F(Chooser, KeyReleasedInTheTreeSelectsAsAClickDoes) {
    Form2& chooser = openChooser();
    clickNode(chooser.TreeView1, "Nestor");
    moveSelection(chooser.TreeView1, "Forty Thieves");  // as the arrow keys do
    EXPECT_EQ(visiblePictures(chooser), std::vector<std::string>{"nestorpic"});
    keyUp(chooser.TreeView1, Qt::Key_Down);
    EXPECT_EQ(visiblePictures(chooser), std::vector<std::string>{"fortythievespic"});
    EXPECT_EQ(chooser.Label1.Caption, "How to play Forty Thieves");
}

TEST_F(Chooser, ClickOrKeyWithNothingSelectedDoesNothing) {
    Form2& chooser = openChooser();
    treeWidget(chooser.TreeView1).setCurrentItem(nullptr);
    keyUp(chooser.TreeView1, Qt::Key_Down);
    chooser.TreeView1.userClickNode(nullptr);  // a click on empty space
    EXPECT_FALSE(chooser.Label1.Visible);
    EXPECT_TRUE(visiblePictures(chooser).empty());
}

TEST_F(Chooser, CloseBoxLeavesTheMainWindowEnabled) {
    Form2& chooser = openChooser();
    Form1& main = *platform::loaded<Form1>();
    main.Enabled = false;  // as a game window leaves it
    close(chooser);
    settle();
    EXPECT_EQ(platform::loaded<Form2>(), nullptr);
    EXPECT_TRUE(main.Enabled);
}

TEST_F(Chooser, ReopenedChooserIsBuiltAfresh) {
    Form2& chooser = openChooser();
    clickNode(chooser.TreeView1, "Golf");
    close(chooser);
    settle();

    Form2& again = openChooser();
    EXPECT_EQ(again.TreeView1.Count(), 27);
    EXPECT_TRUE(visiblePictures(again).empty());
    EXPECT_FALSE(again.Label1.Visible);
}

TEST_F(Chooser, ScalesItselfAndItsControlsOnSmallScreens) {
    struct Case {
        int width, height;
        float factor;
        double labelFont, treeFont;
    };
    const Case cases[] = {
        {640, 480, 0.78f, 10, 7}, {800, 600, 0.9f, 10, 7}, {1024, 768, 1.0f, 12, 8.25}, {1152, 864, 1.0f, 12, 8.25}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        setScreen(c.width, c.height);
        Form2& chooser = open<Form2>();
        const double f = c.factor;
        EXPECT_DOUBLE_EQ(chooser.Width, 9945 * f);
        EXPECT_LE(chooser.Frame1.Top + chooser.Frame1.Height, chooser.ScaleHeight());
        EXPECT_LE(chooser.Frame2.Left + chooser.Frame2.Width, chooser.ScaleWidth());
        EXPECT_DOUBLE_EQ(chooser.Frame2.Left, 4800 * f);
        EXPECT_DOUBLE_EQ(chooser.TreeView1.Height, 4935 * f);
        EXPECT_DOUBLE_EQ(chooser.Label1.Top, 4200 * f);
        EXPECT_DOUBLE_EQ(chooser.euchrepic.Left, 360 * f);
        EXPECT_DOUBLE_EQ(chooser.calculationpic.Height, 2655 * f);
        EXPECT_DOUBLE_EQ(chooser.Label1.Font.Size, c.labelFont);
        EXPECT_DOUBLE_EQ(chooser.TreeView1.Font.Size, c.treeFont);
        chooser.Unload();
        settle();
    }
}

TEST_F(Chooser, PictureOpensItsGameAndTheChooserGoes) {
    int launched = 0;
    for (const shell::GameEntry& game : shell::games()) {
        if (!game.open) continue;
        SCOPED_TRACE(std::string(game.text));
        Form2& chooser = openChooser();
        clickNode(chooser.TreeView1, game.text);
        const auto before = platform::loadedForms().size();
        // A game that starts at its first activation opens with its first question.
        if (game.text == "Spades") boxes.expect("Bidding", platform::vbOK);
        click(chooser.picture(game));
        EXPECT_EQ(platform::loaded<Form2>(), nullptr);
        settle();
        EXPECT_EQ(platform::loadedForms().size(), before);  // the game came, the chooser went
        platform::Form* active = platform::activeForm();
        ASSERT_NE(active, nullptr);
        EXPECT_NE(active, platform::loaded<Form1>());
        EXPECT_TRUE(active->Visible);
        // The game locked it once it became active; Backgammon never does.
        EXPECT_EQ(platform::loaded<Form1>()->Enabled.get(), game.text == "Backgammon");
        active->Unload();
        settle();
        ++launched;
    }
    if (launched == 0) GTEST_SKIP() << "no game window is built yet";
}

}  // namespace

namespace {

void sendMouse(QWidget* widget, QEvent::Type type, QPoint px, Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(px), QPointF(widget->mapToGlobal(px)), Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

TEST_F(Chooser, RealClickOnAPictureReachesIt) {
    Form2& chooser = openChooser();
    clickNode(chooser.TreeView1, "Backgammon");
    bool clicked = false;
    chooser.backgammonpic.Click = [&] { clicked = true; };
    QWidget* frame = chooser.Frame2.widget();
    const QPoint centre(int((chooser.backgammonpic.Left + chooser.backgammonpic.Width / 2) / 15),
                        int((chooser.backgammonpic.Top + chooser.backgammonpic.Height / 2) / 15));
    sendMouse(frame, QEvent::MouseButtonPress, centre, Qt::LeftButton);
    sendMouse(frame, QEvent::MouseButtonRelease, centre, Qt::NoButton);
    EXPECT_TRUE(clicked);
}

}  // namespace
