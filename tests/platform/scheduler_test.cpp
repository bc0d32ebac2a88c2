#include "platform/boxes.h"
#include "platform/scheduler.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace sch = platform::scheduler;
using Ticks = std::vector<std::string>;

class Scheduler : public ::testing::Test {
protected:
    void SetUp() override { sch::useVirtualClock(true); }
    void TearDown() override {
        for (sch::TimerId id : made) sch::destroy(id);
        platform::setBoxHook({});
        sch::useVirtualClock(false);
    }
    // A timer that logs "name@time" on each tick, then takes its step.
    sch::TimerId timer(const std::string& name, std::function<void()> step = {}) {
        const sch::TimerId id = sch::create([this, name, step] {
            ticks.push_back(name + "@" + std::to_string(sch::now()));
            if (step) step();
        });
        made.push_back(id);
        return id;
    }
    // A step that acts on its timer's first tick only.
    static std::function<void()> once(std::function<void()> action) {
        return [action, done = false]() mutable {
            if (done) return;
            done = true;
            action();
        };
    }
    Ticks ticks;
    std::vector<sch::TimerId> made;
};

TEST_F(Scheduler, FirstTickComesAFullIntervalAfterTheStart) {
    const auto a = timer("a");
    sch::advance(40);
    sch::start(a, 100);
    EXPECT_TRUE(sch::running(a));
    sch::advance(99);
    EXPECT_TRUE(ticks.empty());
    sch::advance(1);
    EXPECT_EQ(ticks, Ticks{"a@140"});
}

TEST_F(Scheduler, PeriodIsNeverShorterThan15Ms) {
    const std::pair<int, int> cases[] = {{1, 15}, {0, 15}, {-5, 15}, {14, 15}, {15, 15}, {16, 16}, {250, 250}};
    for (const auto& [interval, period] : cases) {
        SCOPED_TRACE(interval);
        const auto id = timer("t");
        ticks.clear();
        const std::string expected = "t@" + std::to_string(sch::now() + period);
        sch::start(id, interval);
        sch::advance(period - 1);
        EXPECT_TRUE(ticks.empty());
        sch::advance(1);
        EXPECT_EQ(ticks, Ticks{expected});
        sch::destroy(id);
    }
}

TEST_F(Scheduler, RepeatingTimersKeepTheirRhythmAndTiesRunInStartOrder) {
    const auto a = timer("a");
    const auto b = timer("b");
    sch::start(a, 100);
    sch::start(b, 40);
    sch::advance(250);
    EXPECT_EQ(ticks, (Ticks{"b@40", "b@80", "a@100", "b@120", "b@160", "a@200", "b@200", "b@240"}));
}

TEST_F(Scheduler, StartOrderNotCreationOrderBreaksTies) {
    const auto x = timer("x");
    const auto y = timer("y");
    sch::start(y, 50);
    sch::start(x, 50);
    sch::advance(50);
    EXPECT_EQ(ticks, (Ticks{"y@50", "x@50"}));
}

TEST_F(Scheduler, EnablingAStoppedTimerStartsAFullInterval) {
    const auto a = timer("a");
    sch::start(a, 100);
    sch::advance(60);
    sch::stop(a);
    EXPECT_FALSE(sch::running(a));
    sch::advance(100);
    EXPECT_TRUE(ticks.empty());
    sch::start(a, 100);
    sch::advance(100);
    EXPECT_EQ(ticks, Ticks{"a@260"});
}

TEST_F(Scheduler, AnyTimerRunningIsSeenUntilTheLastStops) {
    ASSERT_FALSE(sch::anyRunning());
    const auto a = timer("a");
    const auto b = timer("b");
    EXPECT_FALSE(sch::anyRunning()) << "made, not started";
    sch::start(a, 100);
    sch::start(b, 100);
    sch::stop(a);
    EXPECT_TRUE(sch::anyRunning());
    sch::destroy(b);
    EXPECT_FALSE(sch::anyRunning());
}

TEST_F(Scheduler, RestartingARunningTimerRestartsItsCountdown) {
    const auto a = timer("a");
    sch::start(a, 100);
    sch::advance(60);
    sch::start(a, 100);
    sch::advance(150);
    EXPECT_EQ(ticks, Ticks{"a@160"});
}

TEST_F(Scheduler, HeldTimersTickOnceAfterTheLastReleaseInStartOrder) {
    const auto a = timer("a");
    const auto b = timer("b");
    sch::start(a, 100);
    sch::start(b, 30);
    sch::hold();
    sch::hold();
    sch::advance(350);
    sch::release();
    EXPECT_TRUE(sch::held());
    sch::advance(50);
    EXPECT_TRUE(ticks.empty());
    sch::release();
    EXPECT_FALSE(sch::held());
    sch::advance(0);
    EXPECT_EQ(ticks, (Ticks{"a@400", "b@400"}));
    sch::advance(30);
    EXPECT_EQ(ticks, (Ticks{"a@400", "b@400", "b@420"}));
}

TEST_F(Scheduler, ABoxOpenedByATickHoldsEveryTimerUntilItCloses) {
    std::vector<bool> heldWhileOpen;
    platform::setBoxHook([&](const platform::BoxRequest&) {
        heldWhileOpen.push_back(sch::held());
        sch::advance(500);  // the user takes half a second to answer
        return platform::BoxReply{platform::vbYes, {}};
    });
    const auto a = timer("a", once([] { platform::MsgBox("You Win! Play again?", 68, "Keep Playing?"); }));
    const auto b = timer("b");
    sch::start(a, 100);
    sch::start(b, 40);
    sch::advance(100);
    EXPECT_EQ(ticks, (Ticks{"b@40", "b@80", "a@100"}));
    EXPECT_EQ(heldWhileOpen, std::vector<bool>{true});
    EXPECT_FALSE(sch::held());
    sch::advance(40);
    EXPECT_EQ(ticks, (Ticks{"b@40", "b@80", "a@100", "a@600", "b@600", "b@640"}));
}

TEST_F(Scheduler, NoHandlerIsReenteredByItsOwnTimer) {
    // The first tick of a runs a nested stretch of time, as a handler waiting in a loop would.
    const auto a = timer("a", once([] { sch::advance(200); }));
    const auto b = timer("b");
    sch::start(a, 50);
    sch::start(b, 60);
    sch::advance(50);
    EXPECT_EQ(ticks, (Ticks{"a@50", "b@60", "b@120", "b@180", "b@240"}));
    sch::advance(50);
    EXPECT_EQ(ticks, (Ticks{"a@50", "b@60", "b@120", "b@180", "b@240", "a@250", "a@300", "b@300"}));
}

TEST_F(Scheduler, StoppingStartingAndDestroyingInsideATickIsSafe) {
    // a and b fall due together at 50 (a started first); a's first tick changes one of them.
    struct Case {
        const char* what;
        std::function<void(sch::TimerId a, sch::TimerId b)> change;
        Ticks expected;
        bool aRuns, bRuns;
    };
    const Case cases[] = {
        {"a destroys itself", [](auto a, auto) { sch::destroy(a); }, {"a@50", "b@50", "b@100"}, false, true},
        {"a destroys b", [](auto, auto b) { sch::destroy(b); }, {"a@50", "a@100"}, true, false},
        {"a stops itself", [](auto a, auto) { sch::stop(a); }, {"a@50", "b@50", "b@100"}, false, true},
        {"a stops b", [](auto, auto b) { sch::stop(b); }, {"a@50", "a@100"}, true, false},
        {"a restarts b", [](auto, auto b) { sch::start(b, 50); }, {"a@50", "a@100", "b@100"}, true, true},
        {"a restarts itself slower", [](auto a, auto) { sch::start(a, 80); }, {"a@50", "b@50", "b@100"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        sch::useVirtualClock(true);
        ticks.clear();
        sch::TimerId a = 0, b = 0;
        a = timer("a", once([&] { c.change(a, b); }));
        b = timer("b");
        sch::start(a, 50);
        sch::start(b, 50);
        sch::advance(120);
        EXPECT_EQ(ticks, c.expected);
        EXPECT_EQ(sch::running(a), c.aRuns);
        EXPECT_EQ(sch::running(b), c.bRuns);
        sch::destroy(a);
        sch::destroy(b);
    }
}

TEST_F(Scheduler, ATimerStartedByATickTicksInTheSameAdvance) {
    sch::TimerId c = 0;
    c = timer("c");
    const auto a = timer("a", once([&] { sch::start(c, 1); }));
    sch::start(a, 50);
    sch::advance(100);
    EXPECT_EQ(ticks, (Ticks{"a@50", "c@65", "c@80", "c@95", "a@100"}));
}

TEST_F(Scheduler, ADestroyedTimerNeverTicksNotEvenOneThatFellDue) {
    const auto a = timer("a");
    sch::start(a, 50);
    sch::hold();
    sch::advance(100);
    sch::destroy(a);
    sch::release();
    sch::advance(100);
    EXPECT_TRUE(ticks.empty());
    EXPECT_FALSE(sch::running(a));
    sch::start(a, 50);
    EXPECT_FALSE(sch::running(a));
}

TEST_F(Scheduler, EventsPostedByATickAreDeliveredBeforeTheNextTick) {
    const auto a = timer("a", once([this] {
        QMetaObject::invokeMethod(QCoreApplication::instance(), [this] { ticks.push_back("posted"); },
                                  Qt::QueuedConnection);
    }));
    const auto b = timer("b");
    sch::start(a, 50);
    sch::start(b, 50);
    sch::advance(50);
    EXPECT_EQ(ticks, (Ticks{"a@50", "posted", "b@50"}));
}

TEST_F(Scheduler, ResettingTheVirtualClockKeepsPendingTicksTheSameDistanceAway) {
    const auto a = timer("a");
    sch::start(a, 100);
    sch::advance(30);
    sch::useVirtualClock(true);
    EXPECT_EQ(sch::now(), 0);
    sch::advance(69);
    EXPECT_TRUE(ticks.empty());
    sch::advance(1);
    EXPECT_EQ(ticks, Ticks{"a@70"});
}
