#pragma once

#include "Timer.h"

// One-shot timers of the event loop (QTimer).
class QtTimers final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) override;
};
