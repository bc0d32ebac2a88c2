#include "platform/timer_queue.h"

#include <algorithm>
#include <utility>

namespace platform::scheduler {

TimerId TimerQueue::create(std::function<void()> onTick) {
    const TimerId id = ++lastId_;
    timers_[id].onTick = std::make_shared<std::function<void()>>(std::move(onTick));
    return id;
}

void TimerQueue::start(TimerId id, int intervalMs, std::int64_t now) {
    auto it = timers_.find(id);
    if (it == timers_.end()) return;
    Timer& t = it->second;
    t.running = true;
    t.period = std::max(intervalMs, kMinimumPeriodMs);
    t.anchor = now;
    t.due = now + t.period;
    t.startOrder = ++lastStart_;
}

void TimerQueue::stop(TimerId id) {
    auto it = timers_.find(id);
    if (it != timers_.end()) it->second.running = false;
}

bool TimerQueue::running(TimerId id) const {
    auto it = timers_.find(id);
    return it != timers_.end() && it->second.running;
}

void TimerQueue::destroy(TimerId id) { timers_.erase(id); }

void TimerQueue::hold() { ++holds_; }

void TimerQueue::release(std::int64_t now) {
    if (holds_ == 0 || --holds_ > 0) return;
    // Every timer that fell due while held is due now, once; equal times then tick in start order.
    for (auto& [id, t] : timers_)
        if (t.running && t.due < now) t.due = now;
}

std::optional<TimerId> TimerQueue::next(std::int64_t upTo) const {
    if (held()) return std::nullopt;
    std::optional<TimerId> best;
    const Timer* bestTimer = nullptr;
    for (const auto& [id, t] : timers_) {
        if (!mayTick(t) || t.due > upTo) continue;
        if (bestTimer && std::pair(bestTimer->due, bestTimer->startOrder) <= std::pair(t.due, t.startOrder))
            continue;
        best = id;
        bestTimer = &t;
    }
    return best;
}

bool TimerQueue::anyRunning() const {
    return std::any_of(timers_.begin(), timers_.end(), [](const auto& entry) { return entry.second.running; });
}

std::optional<std::int64_t> TimerQueue::nextDue() const {
    if (held()) return std::nullopt;
    std::optional<std::int64_t> earliest;
    for (const auto& [id, t] : timers_)
        if (mayTick(t) && (!earliest || t.due < *earliest)) earliest = t.due;
    return earliest;
}

std::int64_t TimerQueue::dueAt(TimerId id) const {
    auto it = timers_.find(id);
    return it == timers_.end() ? 0 : it->second.due;
}

void TimerQueue::tick(TimerId id, std::int64_t now) {
    auto it = timers_.find(id);
    if (it == timers_.end() || !mayTick(it->second)) return;
    Timer& t = it->second;
    // The next tick keeps the rhythm of the start; ticks missed meanwhile are not repeated.
    t.due = t.anchor + t.period * ((now - t.anchor) / t.period + 1);
    t.ticking = true;
    // The handler may destroy its own timer: keep the function alive until it returns.
    const auto onTick = t.onTick;
    if (*onTick) (*onTick)();
    it = timers_.find(id);
    if (it != timers_.end()) it->second.ticking = false;
}

void TimerQueue::shift(std::int64_t delta) {
    for (auto& [id, t] : timers_) {
        t.anchor += delta;
        t.due += delta;
    }
}

}  // namespace platform::scheduler
