#pragma once

#include "StreamCore.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace midi {

// The streams that one clock plays: the audio clock of the built-in synthesizer, or the
// clock of a timing thread.
class Timeline {
public:
    explicit Timeline(int64_t unitsPerSecond) : unitsPerSecond_(unitsPerSecond) {}

    int64_t unitsPerSecond() const { return unitsPerSecond_; }

    void add(const std::shared_ptr<StreamCore>& stream);
    void remove(const StreamCore* stream);

    // Plays every due event of every stream (time below `limit`).
    void playDue(int64_t now, int64_t limit, const StreamCore::Sink& sink);
    int64_t nextEventTime(int64_t now);

    // Called after a stream was queued, restarted or stopped, so a waiting clock looks again.
    void wake();
    void setWaker(std::function<void()> waker);

private:
    const int64_t unitsPerSecond_;
    std::mutex mutex_;
    std::vector<std::shared_ptr<StreamCore>> streams_;
    std::function<void()> waker_;
};

// A thread that plays a timeline on the steady clock, sleeping until the next event.
// Used for system MIDI ports and for the built-in synthesizer when it has no sound.
class TimingThread {
public:
    TimingThread(Timeline& timeline, StreamCore::Sink sink);
    ~TimingThread();

    TimingThread(const TimingThread&) = delete;
    TimingThread& operator=(const TimingThread&) = delete;

private:
    void run();
    int64_t now() const;

    Timeline& timeline_;
    StreamCore::Sink sink_;
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace midi
