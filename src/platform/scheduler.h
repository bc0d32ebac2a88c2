#pragma once

#include <cstdint>
#include <functional>

// Every timer tick of the program goes through this one scheduler, so that message boxes can hold
// all timers at once and tests can drive time from a virtual clock.
namespace platform::scheduler {

using TimerId = std::uint64_t;

// The shortest effective period: "1 ms" steps still run after the current event.
inline constexpr int kMinimumPeriodMs = 15;

TimerId create(std::function<void()> onTick);  // a stopped timer
void start(TimerId id, int intervalMs);        // (re)starts: next tick one full period from now
void stop(TimerId id);
bool running(TimerId id);
bool anyRunning();                             // whether any timer of the program runs
void destroy(TimerId id);                      // no tick after this, not even one that fell due

// While held (message or input box open) no timer ticks; each timer that fell due meanwhile ticks
// once after the last release, in start order. Holds nest.
void hold();
void release();
bool held();

// Test seam. With the virtual clock, ticks come only from advance(), which delivers every tick due
// within the next ms in time order (ties in the order the timers were started), moving the clock
// to each tick's time before running it. A timer started by a tick ticks in the same advance when
// due within it. Before each tick, events posted to Qt are delivered, as the real event loop would.
// On the real clock advance() does nothing.
void useVirtualClock(bool on);
void advance(int ms);
std::int64_t now();  // virtual milliseconds since useVirtualClock(true); else a monotonic clock

}  // namespace platform::scheduler
