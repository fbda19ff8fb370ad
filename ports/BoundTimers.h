#pragma once

#include "Timer.h"

class EventBoundary;

// Timers whose handlers run through an event boundary, like every other handler: a failure in
// a timer's handler is met as one from a click or a menu.
class BoundTimers final : public TimerFactory {
public:
    BoundTimers(TimerFactory& timers, EventBoundary& boundary)
        : timers_(timers), boundary_(boundary) {}

    std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) override;

private:
    TimerFactory& timers_;
    EventBoundary& boundary_;
};
