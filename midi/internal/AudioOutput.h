#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <atomic>
#include <cstdint>
#include <memory>

namespace midi {

// Fills two zeroed channel buffers with `frames` frames. Called on the audio thread; it
// never waits.
using RenderFunction = void (*)(void* context, int frames, float* left, float* right);

// What the audio thread reports about itself, for measurements: the longest single cycle (one
// wakeup that fills the output), in time passed and, once asked for, in CPU time used (which
// leaves out the time the thread was kept from running); and the thread's system id. Written on
// the audio thread with atomics only.
struct AudioCycleFigures {
    std::atomic<int64_t> longestNs{0};
    std::atomic<int64_t> longestCpuNs{0};
    std::atomic<bool> measureCpu{false};
    std::atomic<int> threadId{0};
    // How many cycles there were, and how many took longer than 1, 2 and 10 ms.
    std::atomic<int64_t> cycles{0}, over1Ms{0}, over2Ms{0}, over10Ms{0};
    // While a cycle runs, the audio thread's system id (0 between cycles): a measurement can
    // tell what the thread does inside its cycles from what it does around them.
    std::atomic<int> cycleThread{0};
    // While measuring: how often the thread was put to sleep inside a cycle (a contended lock,
    // a read from storage, any wait at all).
    std::atomic<int64_t> waits{0};
    // How late the thread's own timer woke it at worst, and how often over 2 ms (outputs that
    // keep the stream filled on a clock of their own).
    std::atomic<int64_t> latestWakeupNs{0}, wakeupsLateOver2Ms{0};
    // Underflows of the output stream as the sound server reports them (it had nothing of ours
    // to play): how many, and when the first ones were reported, in steady-clock nanoseconds,
    // so that a measurement can place them beside what it heard.
    static constexpr int TimesKept = 128;
    std::atomic<int64_t> underflows{0};
    std::array<std::atomic<int64_t>, TimesKept> underflowNs{};
    // The first wakeups of the thread's own timer that came over 10 ms late: when each was due
    // (steady-clock nanoseconds) and how late it came.
    std::atomic<int64_t> wakeupsLateOver10Ms{0};
    std::array<std::atomic<int64_t>, TimesKept> lateWakeupDueNs{}, lateWakeupNs{};

    static void raise(std::atomic<int64_t>& longest, int64_t nanoseconds) {
        int64_t now = longest.load(std::memory_order_relaxed);
        while (nanoseconds > now &&
               !longest.compare_exchange_weak(now, nanoseconds, std::memory_order_relaxed)) {
        }
    }
    void record(int64_t nanoseconds, int64_t cpuNanoseconds, int thread) {
        threadId.store(thread, std::memory_order_relaxed);
        raise(longestNs, nanoseconds);
        raise(longestCpuNs, cpuNanoseconds);
        cycles.fetch_add(1, std::memory_order_relaxed);
        if (nanoseconds > 1000000)
            over1Ms.fetch_add(1, std::memory_order_relaxed);
        if (nanoseconds > 2000000)
            over2Ms.fetch_add(1, std::memory_order_relaxed);
        if (nanoseconds > 10000000)
            over10Ms.fetch_add(1, std::memory_order_relaxed);
    }
    void recordWakeup(int64_t dueSteadyNanoseconds, int64_t lateNanoseconds) {
        raise(latestWakeupNs, lateNanoseconds);
        if (lateNanoseconds > 2000000)
            wakeupsLateOver2Ms.fetch_add(1, std::memory_order_relaxed);
        if (lateNanoseconds <= 10000000)
            return;
        const int64_t count = wakeupsLateOver10Ms.fetch_add(1, std::memory_order_relaxed);
        if (count < TimesKept) {
            lateWakeupDueNs[static_cast<size_t>(count)].store(dueSteadyNanoseconds,
                                                              std::memory_order_relaxed);
            lateWakeupNs[static_cast<size_t>(count)].store(lateNanoseconds,
                                                           std::memory_order_relaxed);
        }
    }
    void recordUnderflow(int64_t steadyNanoseconds) {
        const int64_t count = underflows.fetch_add(1, std::memory_order_relaxed);
        if (count < TimesKept)
            underflowNs[static_cast<size_t>(count)].store(steadyNanoseconds,
                                                          std::memory_order_relaxed);
    }
    void reset() {
        for (auto* figure :
             {&longestNs, &longestCpuNs, &cycles, &over1Ms, &over2Ms, &over10Ms, &waits,
              &latestWakeupNs, &wakeupsLateOver2Ms, &underflows, &wakeupsLateOver10Ms})
            figure->store(0, std::memory_order_relaxed);
    }
};

// Times one cycle of the audio thread into the figures (when there are any).
class CycleTimer {
public:
    explicit CycleTimer(AudioCycleFigures* figures);
    ~CycleTimer();
    CycleTimer(const CycleTimer&) = delete;
    CycleTimer& operator=(const CycleTimer&) = delete;

private:
    AudioCycleFigures* const figures_;
    int64_t startNs_ = 0;
    int64_t startCpuNs_ = 0;
    int64_t startWaits_ = 0;
};

// An open audio output stream that calls a RenderFunction on its own audio thread.
// Closing it (destroying it) joins that thread.
class AudioOutputStream {
public:
    virtual ~AudioOutputStream() = default;
    // The sound server went away or the device failed; the stream plays no more.
    virtual bool failed() const = 0;
};

// The stream's buffering. The audio thread wakes every tick and tops up the level (what is
// written and not yet heard): enough to ride out a late wakeup of the sound server on a
// loaded machine, little enough for a note to sound within 10 ms of its request. The server
// is asked for the same total and keeps part of it in its device's buffer, so its own
// requests for data only come when the level has fallen short.
constexpr int OutputLevelFrames48k = 408;  // 8.5 ms
constexpr int OutputBufferFrames48k = 384; // 8 ms
constexpr int OutputRequestFrames48k = 64; // 1.3 ms: the tick

} // namespace midi
