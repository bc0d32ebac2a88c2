#include "support/window_test.h"

#include "platform/scheduler.h"

#include <functional>

namespace gp {
namespace {

std::vector<std::int64_t>& ticks() {
    static std::vector<std::int64_t> t;
    return t;
}

class Clock : public platform::Form {
public:
    Clock() {
        Timer1.Tick = [] { ticks().push_back(platform::scheduler::now()); };
        Timer2.Tick = [this] {
            ticks().push_back(-platform::scheduler::now());
            Timer2.Enabled = false;
        };
    }
    platform::Timer Timer1{*this, 100};
    platform::Timer Timer2{*this, 1, true};  // runs from the design
};

class Timers : public WindowTest {
protected:
    void SetUp() override {
        WindowTest::SetUp();
        ticks().clear();
        c = &open<Clock>();
        advance(20);  // the design-running one-shot has fired
        ticks().clear();
    }
    // Runs until the given virtual time.
    void until(std::int64_t t) { advance(int(t - platform::scheduler::now())); }
    Clock* c = nullptr;
};

TEST_F(Timers, EachRuleOfTheTimerControl) {
    struct Case {
        const char* rule;
        std::function<void(Clock&)> steps;
        std::vector<std::int64_t> expected;  // tick times, relative to the start of the case
    };
    const Case cases[] = {
        {"stopped from the design", [this](Clock&) { advance(500); }, {}},
        {"a started timer waits a full interval",
         [this](Clock& c) {
             c.Timer1.Enabled = true;
             advance(250);
         },
         {100, 200}},
        {"enabling a running timer leaves its rhythm",
         [this](Clock& c) {
             c.Timer1.Enabled = true;
             advance(50);
             c.Timer1.Enabled = true;
             advance(100);
         },
         {100}},
        {"enabling a stopped timer starts a full interval",
         [this](Clock& c) {
             c.Timer1.Enabled = true;
             advance(130);
             c.Timer1.Enabled = false;
             c.Timer1.Enabled = true;
             advance(100);
         },
         {100, 230}},
        {"a new interval restarts a running timer",
         [this](Clock& c) {
             c.Timer1.Enabled = true;
             advance(50);
             c.Timer1.Interval = 100;
             advance(120);
         },
         {150}},
        {"a new interval leaves a stopped timer stopped",
         [this](Clock& c) {
             c.Timer1.Interval = 40;
             advance(200);
         },
         {}},
        {"an interval of 0 never ticks",
         [this](Clock& c) {
             c.Timer1.Interval = 0;
             c.Timer1.Enabled = true;
             advance(200);
         },
         {}},
        {"it ticks while its window is disabled",
         [this](Clock& c) {
             c.Enabled = false;
             c.Timer1.Enabled = true;
             advance(100);
             c.Enabled = true;
         },
         {100}},
        {"a 1 ms step still waits the shortest period",
         [this](Clock& c) {
             c.Timer1.Interval = 1;
             c.Timer1.Enabled = true;
             advance(31);
         },
         {15, 30}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.rule);
        ticks().clear();
        c->Timer1.Enabled = false;
        c->Timer1.Interval = 100;
        const std::int64_t start = platform::scheduler::now();
        k.steps(*c);
        std::vector<std::int64_t> relative;
        for (std::int64_t t : ticks()) relative.push_back(t - start);
        EXPECT_EQ(relative, k.expected);
    }
}

TEST_F(Timers, DesignRunningTimerTicksAfterTheLoadAndStopsItself) {
    platform::unload<Clock>();
    ticks().clear();
    const std::int64_t start = platform::scheduler::now();
    open<Clock>();
    EXPECT_TRUE(ticks().empty()) << "nothing ticks inside the load";
    advance(100);
    EXPECT_EQ(ticks(), std::vector<std::int64_t>{-(start + 15)});
}

TEST_F(Timers, TimerDiesWithItsWindow) {
    c->Timer1.Enabled = true;
    advance(150);
    c->Unload();
    advance(1000);
    EXPECT_EQ(ticks().size(), 1u);
    EXPECT_FALSE(platform::window<Clock>().Timer1.Enabled) << "a fresh window has the design's timers";
}

TEST_F(Timers, TimerUnloadingItsWindowInItsOwnTickIsSafe) {
    c->Timer1.Tick = [this] {
        ticks().push_back(platform::scheduler::now());
        c->Unload();
        c->Timer1.Enabled = true;
    };
    c->Timer1.Enabled = true;
    advance(500);
    EXPECT_EQ(ticks().size(), 1u);
    EXPECT_EQ(platform::loaded<Clock>(), nullptr);
}

}  // namespace
}  // namespace gp
