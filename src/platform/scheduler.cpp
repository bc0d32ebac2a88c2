#include "platform/scheduler.h"

#include "platform/timer_queue.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <climits>

namespace platform::scheduler {
namespace {

struct State {
    TimerQueue queue;
    bool virtualClock = false;
    std::int64_t virtualNow = 0;
    QElapsedTimer realClock;
    QPointer<QTimer> driver;
};

State& state() {
    static State s;
    return s;
}

std::int64_t realNow() {
    State& s = state();
    if (!s.realClock.isValid()) s.realClock.start();
    return s.realClock.elapsed();
}

void arm();

// One tick per wake-up, so that events posted by a handler run before the next tick.
void dispatch() {
    State& s = state();
    if (s.virtualClock) return;
    const std::int64_t t = realNow();
    if (auto id = s.queue.next(t)) s.queue.tick(*id, t);
    arm();
}

// The real clock is served by one single-shot Qt timer set for the earliest pending tick.
QTimer* driver() {
    State& s = state();
    if (!s.driver && QCoreApplication::instance()) {
        s.driver = new QTimer(QCoreApplication::instance());
        s.driver->setSingleShot(true);
        s.driver->setTimerType(Qt::PreciseTimer);
        QObject::connect(s.driver, &QTimer::timeout, dispatch);
    }
    return s.driver;
}

void arm() {
    State& s = state();
    QTimer* d = driver();
    if (!d) return;
    const auto due = s.virtualClock ? std::nullopt : s.queue.nextDue();
    if (!due) {
        d->stop();
        return;
    }
    d->start(int(std::clamp<std::int64_t>(*due - realNow(), 0, INT_MAX)));
}

}  // namespace

TimerId create(std::function<void()> onTick) { return state().queue.create(std::move(onTick)); }

void start(TimerId id, int intervalMs) {
    state().queue.start(id, intervalMs, now());
    arm();
}

void stop(TimerId id) {
    state().queue.stop(id);
    arm();
}

bool running(TimerId id) { return state().queue.running(id); }

bool anyRunning() { return state().queue.anyRunning(); }

void destroy(TimerId id) {
    state().queue.destroy(id);
    arm();
}

void hold() {
    state().queue.hold();
    arm();
}

void release() {
    state().queue.release(now());
    arm();
}

bool held() { return state().queue.held(); }

void useVirtualClock(bool on) {
    State& s = state();
    const std::int64_t before = now();
    s.virtualClock = on;
    if (on) s.virtualNow = 0;
    // Pending ticks stay the same distance away on the new clock.
    s.queue.shift(now() - before);
    arm();
}

void advance(int ms) {
    State& s = state();
    if (!s.virtualClock) return;
    const std::int64_t target = s.virtualNow + std::max(ms, 0);
    for (;;) {
        // As in the real event loop, events posted by one handler are delivered before the next tick.
        if (QCoreApplication::instance()) QCoreApplication::sendPostedEvents();
        const auto id = s.queue.next(target);
        if (!id) break;
        s.virtualNow = std::max(s.virtualNow, s.queue.dueAt(*id));
        s.queue.tick(*id, s.virtualNow);
    }
    s.virtualNow = std::max(s.virtualNow, target);
}

std::int64_t now() {
    const State& s = state();
    return s.virtualClock ? s.virtualNow : realNow();
}

}  // namespace platform::scheduler
