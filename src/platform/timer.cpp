#include "platform/timer.h"

#include "platform/form.h"
#include "platform/registry.h"

namespace platform {

Timer::Timer(Container& parent, int interval, bool enabled)
    : Interval(this, interval), Enabled(this, enabled), form_(parent.form()),
      id_(scheduler::create([this] { tick(); })) {
    form_.registerTimer(this);
    apply(false);
}

Timer::~Timer() {
    kill();
    form_.unregisterTimer(this);
}

void Timer::kill() {
    if (dead_) return;
    dead_ = true;
    scheduler::destroy(id_);
}

bool Timer::running() const { return !dead_ && scheduler::running(id_); }

void Timer::propertyChanged(const void* p) { apply(p == &Interval); }

void Timer::apply(bool restart) {
    if (dead_) return;
    if (!Enabled || Interval <= 0) {
        scheduler::stop(id_);
        return;
    }
    if (restart || !scheduler::running(id_)) scheduler::start(id_, Interval);
}

void Timer::tick() {
    if (dead_ || !form_.isLoaded() || !Tick) return;
    auto handler = Tick;
    detail::HandlerGuard guard(&form_);
    handler();
}

}  // namespace platform
