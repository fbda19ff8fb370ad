#include "WakeupProbe.h"

#include <chrono>
#include <pthread.h>
#include <sched.h>

namespace {
constexpr int AudioPriority = 20; // as the audio thread asks for
}

WakeupProbe::~WakeupProbe() {
    stop();
}

void WakeupProbe::start() {
    stop_ = false;
    latestUs_ = 0;
    wakeups_ = over2Ms_ = over10Ms_ = 0;
    stalls_.clear();
    stalls_.reserve(100000);
    thread_ = std::thread([this] {
        sched_param parameter{};
        parameter.sched_priority = AudioPriority;
        realtime_ = pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameter) == 0;
        while (!stop_.load()) {
            const auto due = Clock::now() + std::chrono::milliseconds(1);
            std::this_thread::sleep_until(due);
            const long late = static_cast<long>(
                std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - due).count());
            if (late > latestUs_.load())
                latestUs_ = late;
            wakeups_ += 1;
            over2Ms_ += late > 2000 ? 1 : 0;
            if (late > 2000)
                stalls_.emplace_back(due, Clock::now());
            over10Ms_ += late > 10000 ? 1 : 0;
        }
    });
}

void WakeupProbe::stop() {
    stop_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool WakeupProbe::stalledAround(Clock::time_point from, Clock::time_point to) const {
    // The lead (8.5 ms), the server's period and the recording's own placement in time.
    constexpr auto Before = std::chrono::milliseconds(60);
    constexpr auto After = std::chrono::milliseconds(20);
    for (const auto& [due, woke] : stalls_) {
        if (due <= to + After && woke >= from - Before)
            return true;
    }
    return false;
}
