#pragma once

#include <atomic>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

// What the machine itself does to a real-time thread: on every processor, a thread at the audio
// thread's priority, held to that processor, that only sleeps a millisecond at a time, and how
// late its wakeups come. A virtual machine's processors are taken away now and then, each on
// its own: a thread on a processor that is away stalls, while the other processor runs on. This
// is the floor under the audio thread's longest cycle and under the gaps.
class WakeupProbe {
public:
    using Clock = std::chrono::steady_clock;
    struct Stall {
        Clock::time_point due, woke;
        int cpu = -1;
    };

    ~WakeupProbe();
    void start();
    void stop();
    double latestMs() const { return latestUs_.load() / 1000.0; }
    long wakeups() const { return wakeups_.load(); }
    long lateOver2Ms() const { return over2Ms_.load(); }
    long lateOver10Ms() const { return over10Ms_.load(); }
    bool realtime() const { return realtime_.load(); }
    int processors() const { return static_cast<int>(probes_.size()); }

    // Whether a processor stalled (a wakeup over 2 ms late) from `from` to `to`, or shortly
    // before: a stall empties the output's lead, and its gap is heard up to a lead and a server
    // period later. Only after stop().
    bool stalledAround(Clock::time_point from, Clock::time_point to) const;
    // The longest stall of any processor that began within `window` before or after `at`
    // (none: a stall with cpu -1). Only after stop().
    Stall longestStallNear(Clock::time_point at, Clock::duration window) const;
    // Every stall over `minimum`, of all processors. Only after stop().
    std::vector<Stall> stallsOver(Clock::duration minimum) const;

private:
    struct Probe {
        int cpu = -1;
        std::thread thread;
        std::vector<Stall> stalls; // written by the probe's thread only
    };
    void watch(Probe& probe);

    std::atomic<bool> stop_{false};
    std::atomic<long> latestUs_{0};
    std::atomic<long> wakeups_{0}, over2Ms_{0}, over10Ms_{0};
    std::atomic<bool> realtime_{false};
    std::vector<std::unique_ptr<Probe>> probes_;
};
