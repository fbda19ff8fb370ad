#pragma once

#include "MidiDevices.h"

#include <cstdint>
#include <functional>
#include <memory>

namespace midi {

// One event of a stream buffer: three little-endian 32-bit words.
struct StreamEvent {
    uint32_t delta;    // ticks since the previous event
    uint32_t streamId; // always 0
    uint32_t event;    // status | data1 << 8 | data2 << 16, plus EventCallback
};
static_assert(sizeof(StreamEvent) == 12);

// Bit 30 of the event word: raise a position notice when this event is played.
constexpr uint32_t EventCallback = 0x40000000u;
// Bits 24..29 hold the event type; 0 is a short message (the only kind played).
constexpr uint32_t EventTypeMask = 0x3F000000u;

enum class StreamNotice { Open, Close, Done, Position };

// Stream playback on one device. Notices are delivered on the thread that opened the
// stream (the UI thread), through its event loop, never from inside a call.
//
// A buffer is a block of delta-timed short messages. Queued buffers play back to back;
// each one comes back as Done when its last event has been played, or at once when
// the stream is stopped. On the built-in synthesizer events are scheduled on the
// audio clock; on system ports a timing thread schedules them.
class MidiStream {
public:
    using Listener = std::function<void(StreamNotice)>;

    virtual ~MidiStream() = default;

    // Opens a stream on device id (-1 = the default device), stopped, at
    // 96 ticks per quarter and 500,000 us per quarter. The Open notice follows.
    static std::unique_ptr<MidiStream> open(int id, Listener listener, int& result);

    virtual int setTimeDivision(uint32_t ticksPerQuarter) = 0;
    virtual int setTempo(uint32_t microsecondsPerQuarter) = 0;

    // Queues a buffer; the events must stay valid until its Done notice.
    virtual int queue(const StreamEvent* events, size_t count) = 0;

    // Starts or continues playback of the queued buffers.
    virtual int restart() = 0;

    // Stops playback; every queued buffer comes back as Done.
    virtual int stop() = 0;

    // All sounding notes off.
    virtual int reset() = 0;

    // Closes the stream (fails with StillPlaying while buffers are queued). The
    // Close notice follows; no notice arrives after it.
    virtual int close() = 0;

    // Position of playback in ticks since the first restart.
    virtual uint32_t positionTicks() const = 0;
};

} // namespace midi
