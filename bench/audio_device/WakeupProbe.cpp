#include "WakeupProbe.h"

#include <pthread.h>
#include <sched.h>

namespace {
constexpr int AudioPriority = 20; // as the audio thread asks for
}

WakeupProbe::~WakeupProbe() {
    stop();
}

void WakeupProbe::start() {
    stop();
    stop_ = false;
    latestUs_ = 0;
    wakeups_ = over2Ms_ = over10Ms_ = 0;
    realtime_ = true;
    probes_.clear();
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    sched_getaffinity(0, sizeof allowed, &allowed);
    for (int cpu = 0; cpu < CPU_SETSIZE; ++cpu) {
        if (!CPU_ISSET(cpu, &allowed))
            continue;
        auto probe = std::make_unique<Probe>();
        probe->cpu = cpu;
        probe->stalls.reserve(100000);
        probes_.push_back(std::move(probe));
    }
    for (auto& probe : probes_)
        probe->thread = std::thread([this, p = probe.get()] { watch(*p); });
}

void WakeupProbe::watch(Probe& probe) {
    cpu_set_t only;
    CPU_ZERO(&only);
    CPU_SET(probe.cpu, &only);
    pthread_setaffinity_np(pthread_self(), sizeof only, &only);
    sched_param parameter{};
    parameter.sched_priority = AudioPriority;
    if (pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameter) != 0)
        realtime_ = false;
    while (!stop_.load()) {
        const auto due = Clock::now() + std::chrono::milliseconds(1);
        std::this_thread::sleep_until(due);
        const auto woke = Clock::now();
        const long late = static_cast<long>(
            std::chrono::duration_cast<std::chrono::microseconds>(woke - due).count());
        long latest = latestUs_.load();
        while (late > latest && !latestUs_.compare_exchange_weak(latest, late)) {
        }
        wakeups_ += 1;
        over2Ms_ += late > 2000 ? 1 : 0;
        if (late > 2000)
            probe.stalls.push_back({due, woke, probe.cpu});
        over10Ms_ += late > 10000 ? 1 : 0;
    }
}

void WakeupProbe::stop() {
    stop_ = true;
    for (auto& probe : probes_) {
        if (probe->thread.joinable())
            probe->thread.join();
    }
}

bool WakeupProbe::stalledAround(Clock::time_point from, Clock::time_point to) const {
    // The lead (8.5 ms), the server's period and the recording's own placement in time.
    constexpr auto Before = std::chrono::milliseconds(60);
    constexpr auto After = std::chrono::milliseconds(20);
    for (const auto& probe : probes_) {
        for (const Stall& stall : probe->stalls) {
            if (stall.due <= to + After && stall.woke >= from - Before)
                return true;
        }
    }
    return false;
}

WakeupProbe::Stall WakeupProbe::longestStallNear(Clock::time_point at,
                                                 Clock::duration window) const {
    Stall longest{at, at, -1};
    for (const auto& probe : probes_) {
        for (const Stall& stall : probe->stalls) {
            if (stall.due >= at - window && stall.due <= at + window &&
                stall.woke - stall.due > longest.woke - longest.due)
                longest = stall;
        }
    }
    return longest;
}

std::vector<WakeupProbe::Stall> WakeupProbe::stallsOver(Clock::duration minimum) const {
    std::vector<Stall> found;
    for (const auto& probe : probes_) {
        for (const Stall& stall : probe->stalls) {
            if (stall.woke - stall.due > minimum)
                found.push_back(stall);
        }
    }
    return found;
}
