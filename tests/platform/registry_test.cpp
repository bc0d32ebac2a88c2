#include "support/window_test.h"
#include "test_windows.h"

#include "platform/when_shown.h"

#include <QApplication>

#include <algorithm>
#include <QMouseEvent>
#include <QWidget>

namespace gp {
namespace {

using namespace testwin;
using platform::loaded;
using platform::window;

class Registry : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        events().clear();
        W1::refuse = W2::refuse = W3::refuse = false;
    }
};

TEST_F(Registry, TouchingLoadsOnceAndLoadedNeverCreates) {
    EXPECT_EQ(loaded<W1>(), nullptr);
    EXPECT_TRUE(events().empty());
    W1& first = window<W1>();
    W1& again = window<W1>();
    EXPECT_EQ(&first, &again);
    EXPECT_EQ(loaded<W1>(), &first);
    EXPECT_EQ(events(), std::vector<std::string>{"W1.load"});
    EXPECT_FALSE(first.Visible);
}

TEST_F(Registry, UnloadedWindowComesBackFreshAndUnloadingItAgainDoesNothing) {
    window<W1>().counter = 7;
    platform::unload<W1>();
    EXPECT_EQ(loaded<W1>(), nullptr);
    platform::unload<W1>();
    EXPECT_EQ(window<W1>().counter, 0);
    EXPECT_EQ(events(), (std::vector<std::string>{"W1.load", "W1.unload", "W1.load"}));
}

TEST_F(Registry, FormUnloadCanRefuse) {
    W1& w = open<W1>();
    W1::refuse = true;
    EXPECT_FALSE(w.Unload());
    close(w);
    EXPECT_EQ(loaded<W1>(), &w);
    EXPECT_TRUE(w.Visible);
    W1::refuse = false;
    close(w);
    EXPECT_EQ(loaded<W1>(), nullptr);
}

TEST_F(Registry, DisabledWindowRefusesItsCloseBoxWithoutAsking) {
    W1& w = open<W1>();
    w.Enabled = false;
    close(w);
    EXPECT_EQ(loaded<W1>(), &w);
    EXPECT_EQ(std::count(events().begin(), events().end(), "W1.unload"), 0);
    w.Enabled = true;
    close(w);
    EXPECT_EQ(loaded<W1>(), nullptr);
}

TEST_F(Registry, WindowUnloadedInsideItsOwnHandlerStaysValidUntilTheHandlerReturns) {
    SelfCloser& w = open<SelfCloser>();
    click(w.Command1);
    EXPECT_EQ(loaded<SelfCloser>(), nullptr);
    EXPECT_EQ(events(), std::vector<std::string>{"closed, label reads still here"});
    EXPECT_NE(&window<SelfCloser>(), nullptr);
}

TEST_F(Registry, StartUpWindowUnloadsItselfInsideItsLoad) {
    window<Starter>();
    EXPECT_EQ(loaded<Starter>(), nullptr);
    settle();
    EXPECT_EQ(events(), (std::vector<std::string>{"W1.load", "starter.shown", "starter.after-unload", "W1.activate"}));
    EXPECT_EQ(platform::activeForm(), loaded<W1>());
    EXPECT_FALSE(programEnded());
}

TEST_F(Registry, ActivationRunsAfterTheHandlerThatShowedTheWindow) {
    W1& w = window<W1>();
    w.Show();
    EXPECT_EQ(events(), std::vector<std::string>{"W1.load"});
    EXPECT_EQ(platform::activeForm(), nullptr);
    settle();
    EXPECT_EQ(events(), (std::vector<std::string>{"W1.load", "W1.activate"}));
    w.Show();
    settle();
    EXPECT_EQ(std::count(events().begin(), events().end(), "W1.activate"), 1) << "already active";
}

TEST_F(Registry, LeavingTheActiveWindowActivatesTheMostRecentVisibleOne) {
    struct Case {
        const char* what;
        void (*leave)(W3&);
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"unload", [](W3& w) { w.Unload(); }, {"W3.unload", "W2.activate"}},
        {"hide", [](W3& w) { w.Hide(); }, {"W2.activate"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        open<W1>();
        open<W2>();
        W3& w3 = open<W3>();
        events().clear();
        c.leave(w3);
        settle();
        EXPECT_EQ(events(), c.expected);
        EXPECT_EQ(platform::activeForm(), loaded<W2>());
        platform::unloadAll();
        settle();
        events().clear();
    }
}

// Records, at each unload, whether the run was ending.
class EndWatcher : public platform::Form {
public:
    static inline std::vector<bool> ending;
    void Form_Unload(int&) override { ending.push_back(platform::runEnding()); }
};

TEST_F(Registry, AWindowUnloadedAtTheEndOfTheRunKnowsTheRunIsEnding) {
    EndWatcher::ending.clear();
    window<EndWatcher>().Unload();
    window<EndWatcher>();
    EXPECT_FALSE(platform::runEnding());
    platform::unloadAll();
    EXPECT_FALSE(platform::runEnding());
    EXPECT_EQ(EndWatcher::ending, (std::vector<bool>{false, true}));
}

TEST_F(Registry, ShowingAnotherWindowInTheSameHandlerWinsOverTheFallback) {
    open<W1>();
    W2& chooser = open<W2>();
    events().clear();
    // A chooser's picture click: show the game, then unload the chooser itself.
    window<W3>().Show();
    chooser.Unload();
    settle();
    EXPECT_EQ(events(), (std::vector<std::string>{"W3.load", "W2.unload", "W3.activate"}));
    EXPECT_EQ(platform::activeForm(), loaded<W3>());
}

TEST_F(Registry, AStepHandedOverRunsAfterTheUnloadAndBeforeTheNextActivation) {
    for (const bool showNext : {false, true}) {
        SCOPED_TRACE(showNext ? "the step shows another window" : "the owner comes back");
        HandsOver::showNext = showNext;
        open<W1>();
        HandsOver& dialog = open<HandsOver>();
        events().clear();
        close(dialog);
        const std::vector<std::string> expected =
            showNext ? std::vector<std::string>{"handsover.unload", "step, dialog gone", "W3.load", "second step",
                                                "W3.activate"}
                     : std::vector<std::string>{"handsover.unload", "step, dialog gone", "second step", "W1.activate"};
        EXPECT_EQ(events(), expected);
        EXPECT_EQ(platform::activeForm(), showNext ? static_cast<platform::Form*>(loaded<W3>()) : loaded<W1>());
        platform::unloadAll();
        settle();
    }
}

TEST_F(Registry, AStepHandedOverOutsideAnyHandlerRunsAtOnce) {
    int runs = 0;
    platform::afterHandler([&] { ++runs; });
    EXPECT_EQ(runs, 1);
}

TEST_F(Registry, WorkForAShownWindowRunsOnceItsEventsAreHandledAndNeverAfterItWent) {
    for (const bool unloadFirst : {false, true}) {
        SCOPED_TRACE(unloadFirst ? "unloaded first" : "left open");
        W1& w1 = open<W1>();
        events().clear();
        platform::whenShown(w1, [] { events().push_back("later"); });
        EXPECT_TRUE(events().empty());
        EXPECT_TRUE(platform::shownWorkWaits());
        if (unloadFirst) w1.Unload();
        settle();
        EXPECT_FALSE(platform::shownWorkWaits());
        EXPECT_EQ(events(), unloadFirst ? std::vector<std::string>{"W1.unload"} : std::vector<std::string>{"later"});
        platform::unloadAll();
        settle();
    }
}

TEST_F(Registry, WorkForAPaintedWindowWaitsUntilTheWindowHasPainted) {
    W1& w1 = window<W1>();
    events().clear();
    platform::whenPainted(w1, [] { events().push_back("after paint"); });
    settle();
    EXPECT_TRUE(events().empty()) << "a window never shown never paints";
    EXPECT_TRUE(platform::shownWorkWaits());
    w1.Show();
    for (int turn = 0; turn < 3; ++turn) settle();
    EXPECT_EQ(std::ranges::count(events(), "after paint"), 1);
    EXPECT_FALSE(platform::shownWorkWaits());
}

TEST_F(Registry, ReactivatingAWindowRunsFormActivateAgain) {
    W1& w1 = open<W1>();
    open<W2>();
    w1.Show();
    settle();
    EXPECT_EQ(events(), (std::vector<std::string>{"W1.load", "W1.activate", "W2.load", "W2.activate", "W1.activate"}));
}

TEST_F(Registry, MessageBoxesActivateNothing) {
    open<W1>();
    events().clear();
    boxes.expect("Hello", platform::vbOK);
    platform::MsgBox("Hello");
    settle();
    EXPECT_TRUE(events().empty());
}

TEST_F(Registry, ProgramEndsWhenNoWindowIsVisible) {
    W1& w1 = open<W1>();
    W2& w2 = open<W2>();
    w1.Hide();
    settle();
    EXPECT_FALSE(programEnded());
    w2.Unload();
    settle();
    EXPECT_TRUE(programEnded()) << "a hidden window does not keep the program alive";
    EXPECT_EQ(loaded<W1>(), &w1);
}

TEST_F(Registry, HidingAndShowingInOneHandlerDoesNotEndTheProgram) {
    W1& w1 = open<W1>();
    w1.Hide();
    window<W2>().Show();
    settle();
    EXPECT_FALSE(programEnded());
}

TEST_F(Registry, WindowsAreParentlessSoDisablingOneLeavesTheOthers) {
    W1& w1 = open<W1>();
    W2& w2 = open<W2>();
    w1.Enabled = false;
    EXPECT_FALSE(w1.topLevel()->isEnabled());
    EXPECT_TRUE(w2.topLevel()->isEnabled());
    EXPECT_EQ(w2.topLevel()->parentWidget(), nullptr);
}

// A game and its dialog: each disables the window below it while it is loaded, as the games do.
template <class Owner>
class Holding : public platform::Form {
public:
    void Form_Load() override { window<Owner>().Enabled = false; }
    void Form_Unload(int&) override {
        if (Owner* owner = loaded<Owner>()) owner->Enabled = true;
    }
};
using Game = Holding<W1>;
using Dialog = Holding<Game>;

TEST_F(Registry, AClickOnAWindowThatAnotherHoldsDisabledBringsThatOneToTheFront) {
    open<W1>();
    Game& game = open<Game>();
    open<W2>();  // a window beside them, such as the rules viewer, is the active one
    platform::userActivate(*loaded<W1>());
    settle();
    EXPECT_EQ(platform::activeForm(), &game);

    Dialog& dialog = open<Dialog>();
    platform::userActivate(*loaded<W2>());
    settle();
    platform::userActivate(*loaded<W1>());
    settle();
    EXPECT_EQ(platform::activeForm(), &dialog) << "the dialog holds the game that holds the window";

    dialog.Unload();
    game.Unload();
    settle();
    platform::userActivate(*loaded<W1>());
    settle();
    EXPECT_EQ(platform::activeForm(), loaded<W1>()) << "released, the window itself becomes active";
}

// Windows that lock the first window through the platform, as the shared lock helpers do.
template <int N>
class Locking : public platform::Form {
public:
    void Form_Load() override { platform::lockWindow(window<W1>()); }
    void Form_Unload(int&) override {
        if (W1* owner = loaded<W1>()) platform::releaseWindow(*owner);
    }
};

class Releasing : public platform::Form {
public:
    void Form_Unload(int&) override { platform::releaseWindow(window<W1>()); }
};

TEST_F(Registry, AWindowStaysDisabledWhileAnyWindowThatLockedItIsOpen) {
    W1& main = open<W1>();
    auto& login = open<Locking<1>>();
    auto& game = open<Locking<2>>();
    login.Unload();
    settle();
    EXPECT_FALSE(main.Enabled) << "the game still holds it";
    open<Releasing>().Unload();  // a window that locked nothing releases it, as the chooser does
    settle();
    EXPECT_FALSE(main.Enabled);
    game.Unload();
    settle();
    EXPECT_TRUE(main.Enabled) << "released by the last window holding it";
}

TEST_F(Registry, UnderTheWindowSystemTheHolderComesToTheFront) {
    W1& main = open<W1>();
    Game& game = open<Game>();
    open<W2>();
    platform::setFollowUserActivation(true);
    QWidget* canvas = main.canvas();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(10, 10), canvas->mapToGlobal(QPointF(10, 10)), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(canvas, &press);
    settle();
    EXPECT_EQ(platform::activeForm(), &game);
    EXPECT_TRUE(game.topLevel()->isActiveWindow());
}

TEST_F(Registry, CentredWindowIsPlacedOnTheTestScreenAtItsFirstShow) {
    setScreen(800, 600);
    W1& w = window<W1>();
    w.StartUpPosition = platform::vbStartUpScreen;
    w.Move(0, 0, 6000, 3000);
    w.Show();
    EXPECT_DOUBLE_EQ(w.Left, (800 * 15 - 6000) / 2.0);
    EXPECT_DOUBLE_EQ(w.Top, (600 * 15 - 3000) / 2.0);
}

TEST_F(Registry, MaximizedWindowTakesTheTestScreen) {
    W1& w = window<W1>();
    w.WindowState = platform::vbMaximized;
    w.Show();
    EXPECT_DOUBLE_EQ(w.Width, 1024 * 15);
    EXPECT_DOUBLE_EQ(w.Height, 768 * 15);
}

TEST_F(Registry, MaximizedSizableWindowCoversTheTestScreenWhateverTheWindowSystemOffers) {
    setScreen(800, 600);
    W1& w = window<W1>();
    w.Sizable = true;
    w.WindowState = platform::vbMaximized;
    w.Show();
    settle();
    EXPECT_EQ(w.topLevel()->width(), 800);
    EXPECT_EQ(w.topLevel()->height(), 600);
}

TEST_F(Registry, ClientAreaIsTheOuterSizeLessAFixedAllowance) {
    W1& w = window<W1>();
    w.Move(0, 0, 4800, 3600);
    const double plain = w.ScaleHeight();
    EXPECT_DOUBLE_EQ(w.ScaleWidth(), 4800 - 120);
    EXPECT_DOUBLE_EQ(plain, 3600 - 405);
    platform::Menu file{w, "File"};
    EXPECT_LT(w.ScaleHeight(), plain) << "a menu bar takes its share";
}

}  // namespace
}  // namespace gp
