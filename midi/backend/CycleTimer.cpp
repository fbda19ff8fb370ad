#include "AudioOutput.h"

#include <ctime>
#include <sys/resource.h>
#include <unistd.h>

namespace midi {

namespace {

// The thread's system id, asked once per thread.
int threadId() {
    thread_local const int id = static_cast<int>(gettid());
    return id;
}

// Times the calling thread has given up the processor to wait.
int64_t voluntarySwitches() {
    rusage usage{};
    getrusage(RUSAGE_THREAD, &usage);
    return usage.ru_nvcsw;
}

int64_t nanoseconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return int64_t{now.tv_sec} * 1000000000 + now.tv_nsec;
}

} // namespace

// The thread's CPU time and waits are read only while a measurement asks for them.
CycleTimer::CycleTimer(AudioCycleFigures* figures) : figures_(figures) {
    if (figures_ == nullptr)
        return;
    figures_->cycleThread.store(threadId(), std::memory_order_relaxed);
    startNs_ = nanoseconds(CLOCK_MONOTONIC);
    if (figures_->measureCpu.load(std::memory_order_relaxed)) {
        startCpuNs_ = nanoseconds(CLOCK_THREAD_CPUTIME_ID);
        startWaits_ = voluntarySwitches();
    }
}

CycleTimer::~CycleTimer() {
    if (figures_ == nullptr)
        return;
    int64_t cpu = 0;
    if (figures_->measureCpu.load(std::memory_order_relaxed)) {
        cpu = nanoseconds(CLOCK_THREAD_CPUTIME_ID) - startCpuNs_;
        figures_->waits.fetch_add(voluntarySwitches() - startWaits_, std::memory_order_relaxed);
    }
    figures_->record(nanoseconds(CLOCK_MONOTONIC) - startNs_, cpu, threadId());
    figures_->cycleThread.store(0, std::memory_order_relaxed);
}

} // namespace midi
