#pragma once

#include "platform/scheduler.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>

namespace platform::scheduler {

// The program's timers as plain data: when each falls due and in which order they tick. It knows no
// clock; the scheduler passes the time in and decides when to ask for the next tick.
class TimerQueue {
public:
    TimerId create(std::function<void()> onTick);
    void start(TimerId id, int intervalMs, std::int64_t now);
    void stop(TimerId id);
    bool running(TimerId id) const;
    bool anyRunning() const;
    void destroy(TimerId id);

    void hold();
    void release(std::int64_t now);
    bool held() const { return holds_ > 0; }

    // The timer to tick next among those due by upTo: earliest due first, ties in start order.
    // None while held, and never a timer whose handler is still running.
    std::optional<TimerId> next(std::int64_t upTo) const;
    // When the earliest timer that may tick falls due; none while held or when nothing runs.
    std::optional<std::int64_t> nextDue() const;
    std::int64_t dueAt(TimerId id) const;
    // Runs the timer's handler at time now, after setting its next tick on its own rhythm.
    void tick(TimerId id, std::int64_t now);

    // Moves every pending tick by delta, as when the clock it is measured on changes.
    void shift(std::int64_t delta);

private:
    struct Timer {
        std::shared_ptr<std::function<void()>> onTick;
        bool running = false;
        bool ticking = false;       // its handler is on the stack
        std::int64_t period = 0;
        std::int64_t anchor = 0;    // its rhythm: ticks fall on anchor + k * period
        std::int64_t due = 0;
        std::uint64_t startOrder = 0;
    };

    bool mayTick(const Timer& t) const { return t.running && !t.ticking; }

    std::map<TimerId, Timer> timers_;
    TimerId lastId_ = 0;
    std::uint64_t lastStart_ = 0;
    int holds_ = 0;
};

}  // namespace platform::scheduler
