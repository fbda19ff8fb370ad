#pragma once

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// What the machine itself does to a real-time thread: a thread at the audio thread's priority
// that only sleeps a millisecond at a time, and how late its wakeups come. On a machine whose
// processors are taken away now and then (a loaded virtual machine), every thread stalls alike;
// this is the floor under the audio thread's longest cycle and under the gaps.
class WakeupProbe {
public:
    ~WakeupProbe();
    void start();
    void stop();
    double latestMs() const { return latestUs_.load() / 1000.0; }
    long wakeups() const { return wakeups_.load(); }
    long lateOver2Ms() const { return over2Ms_.load(); }
    long lateOver10Ms() const { return over10Ms_.load(); }
    bool realtime() const { return realtime_.load(); }

    // Whether the machine stalled (a wakeup over 2 ms late) from `from` to `to`, or shortly
    // before: a stall empties the output's lead, and its gap is heard up to a lead and a server
    // period later. Only after stop().
    using Clock = std::chrono::steady_clock;
    bool stalledAround(Clock::time_point from, Clock::time_point to) const;

private:
    std::atomic<bool> stop_{false};
    std::atomic<long> latestUs_{0};
    std::atomic<long> wakeups_{0}, over2Ms_{0}, over10Ms_{0};
    std::atomic<bool> realtime_{false};
    // When each late wakeup was due and when it came; written by the probe's thread only.
    std::vector<std::pair<Clock::time_point, Clock::time_point>> stalls_;
    std::thread thread_;
};
