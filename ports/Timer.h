#pragma once

#include <functional>
#include <memory>

// A one-shot timer: armed with an interval, it fires once and is disarmed when it fires.
class Timer {
public:
    virtual ~Timer() = default;

    // Arms the timer to fire `milliseconds` from now; an armed timer starts again.
    virtual void start(int milliseconds) = 0;
    // Disarms it; nothing fires.
    virtual void stop() = 0;
    virtual bool isArmed() const = 0;
};

// Makes the timers of a trainer; `onTimeout` runs on the thread that owns the trainer, after
// the timer has disarmed itself.
class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) = 0;
};
