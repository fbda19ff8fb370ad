#pragma once

#include "MidiStream.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

namespace midi {

// The playing state of one stream, shared between the UI thread (queue, restart, stop)
// and the thread that plays it (the audio thread of the built-in synthesizer, or a
// timing thread). Times are in units of the playing thread's clock (audio frames, or
// microseconds for a timing thread); `unitsPerSecond` converts ticks into them.
class StreamCore : public std::enable_shared_from_this<StreamCore> {
public:
    using Sink = std::function<void(uint32_t message)>;
    using Listener = MidiStream::Listener;

    StreamCore(Listener listener, int64_t unitsPerSecond);

    // UI thread.
    int setTimeDivision(uint32_t ticksPerQuarter);
    int setTempo(uint32_t microsecondsPerQuarter);
    int queue(const StreamEvent* events, size_t count);
    int restart();
    int stop(); // every queued buffer comes back as Done
    bool hasQueuedBuffers() const;
    uint32_t positionTicks() const;
    void post(StreamNotice notice); // delivers a notice on the UI thread
    void dropListener();            // no notice is delivered after this

    // Playing thread: plays every event whose time is below `limit`; `now` is the clock's
    // present time, where a starting buffer begins. Returns whether anything is left.
    bool playDue(int64_t now, int64_t limit, const Sink& sink);

    // Playing thread: the time of the next event, or INT64_MAX when nothing waits.
    int64_t nextEventTime(int64_t now) const;

private:
    struct Buffer {
        const StreamEvent* events;
        size_t count;
        size_t next = 0;
        int64_t base = -1;       // clock time of the buffer's tick 0
        uint64_t ticksSoFar = 0; // ticks from the buffer's start to its next event
    };

    int64_t ticksToUnits(uint64_t ticks) const;
    void deliver(StreamNotice notice);

    mutable std::mutex mutex_;
    std::deque<Buffer> buffers_;
    bool running_ = false;
    int64_t lastEventTime_ = -1; // where the next buffer continues
    uint64_t positionTicks_ = 0;
    uint32_t ticksPerQuarter_ = 96;
    uint32_t microsecondsPerQuarter_ = 500000;
    const int64_t unitsPerSecond_;

    std::mutex listenerMutex_;
    Listener listener_;
};

} // namespace midi
