#include "AudioOutput.h"

#include <ctime>
#include <unistd.h>

namespace midi {

namespace {

int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

} // namespace

// The thread's CPU time is read only while a measurement asks for it.
CycleTimer::CycleTimer(AudioCycleFigures* figures) : figures_(figures) {
    if (figures_ == nullptr)
        return;
    startNs_ = nanoseconds(CLOCK_MONOTONIC);
    if (figures_->measureCpu.load(std::memory_order_relaxed))
        startCpuNs_ = nanoseconds(CLOCK_THREAD_CPUTIME_ID);
}

CycleTimer::~CycleTimer() {
    if (figures_ == nullptr)
        return;
    const int64_t cpu = figures_->measureCpu.load(std::memory_order_relaxed)
                            ? nanoseconds(CLOCK_THREAD_CPUTIME_ID) - startCpuNs_
                            : 0;
    figures_->record(nanoseconds(CLOCK_MONOTONIC) - startNs_, cpu, static_cast<int>(gettid()));
}

} // namespace midi
