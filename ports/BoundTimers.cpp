#include "BoundTimers.h"

#include "EventBoundary.h"

std::unique_ptr<Timer> BoundTimers::createTimer(std::function<void()> onTimeout) {
    return timers_.createTimer(
        [this, onTimeout = std::move(onTimeout)] { boundary_.run(onTimeout); });
}
