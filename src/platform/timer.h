#pragma once

#include "platform/property.h"
#include "platform/scheduler.h"

#include <functional>

// A timer control. Ticks come through the program's scheduler, on the user-interface thread.
// Enabling a running timer leaves its rhythm alone; enabling a stopped one starts a full interval;
// a new Interval restarts a running timer's countdown; an Interval of 0 ticks never. A timer ticks
// while its window is disabled and dies with its window.
namespace platform {

class Container;
class Form;

class Timer : public PropertyOwner {
public:
    explicit Timer(Container& parent, int interval = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    Property<int> Interval;  // milliseconds
    Property<bool> Enabled;
    std::function<void()> Tick;  // the Timer event

    // The window unloads: no tick from here on.
    void kill();
    bool running() const;

protected:
    void propertyChanged(const void* property) override;

private:
    void apply(bool restart);
    void tick();
    Form& form_;
    scheduler::TimerId id_;
    bool dead_ = false;
};

}  // namespace platform
