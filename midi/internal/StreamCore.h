#pragma once

#include "MidiStream.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace midi {

// What a playing stream produces: short messages for the device and notices for the thread
// that opened the stream. Both are called on the playing thread and must not wait.
class StreamOutput {
public:
    virtual void message(uint32_t message) = 0;
    // `serial` names the buffer of a Done notice.
    virtual void notice(StreamNotice notice, uint32_t serial) = 0;

protected:
    ~StreamOutput() = default;
};

// The playing state of one stream, owned by the thread that plays it (the audio thread of
// the built-in synthesizer, or a port's timing thread): it takes no lock and never
// allocates. Times are in units of that thread's clock (audio frames, or microseconds for a
// timing thread); `unitsPerSecond` converts ticks into them.
class StreamCore {
public:
    // Buffers one stream holds at a time; the stream refuses more.
    static constexpr std::size_t MaxBuffers = 16;

    StreamCore() = default;
    explicit StreamCore(int64_t unitsPerSecond) : unitsPerSecond_(unitsPerSecond) {}

    bool setTimeDivision(uint32_t ticksPerQuarter);
    bool setTempo(uint32_t microsecondsPerQuarter);
    bool queue(const StreamEvent* events, std::size_t count, uint32_t serial); // false: full
    void restart() { running_ = true; }
    // Playback stops; every held buffer comes back as Done, in order.
    void stop(StreamOutput& output);
    bool hasBuffers() const { return count_ > 0; }
    bool running() const { return running_; }
    uint64_t positionTicks() const { return positionTicks_; }

    // Plays every event whose time is below `limit`; `now` is the clock's present time,
    // where a starting buffer begins. Returns whether anything is left to play.
    bool playDue(int64_t now, int64_t limit, StreamOutput& output);

    // The time of the next event, or INT64_MAX when nothing waits.
    int64_t nextEventTime(int64_t now) const;

private:
    struct Buffer {
        const StreamEvent* events = nullptr;
        std::size_t count = 0;
        std::size_t next = 0;
        int64_t base = -1;       // clock time of the buffer's tick 0
        uint64_t ticksSoFar = 0; // ticks from the buffer's start to its next event
        uint32_t serial = 0;
    };

    int64_t ticksToUnits(uint64_t ticks) const;
    Buffer& front() { return buffers_[first_]; }
    const Buffer& front() const { return buffers_[first_]; }
    void popFront(StreamOutput& output);

    std::array<Buffer, MaxBuffers> buffers_{};
    std::size_t first_ = 0;
    std::size_t count_ = 0;
    bool running_ = false;
    int64_t lastEventTime_ = -1; // where the next buffer continues
    uint64_t positionTicks_ = 0;
    uint32_t ticksPerQuarter_ = 96;
    uint32_t microsecondsPerQuarter_ = 500000;
    int64_t unitsPerSecond_ = 1000000;
};

} // namespace midi
