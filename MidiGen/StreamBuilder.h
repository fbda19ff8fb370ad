#pragma once

// Turns a sorted event list into one stream buffer: a prelude that sets up the controllers,
// the opening program, the notes as delta-timed short messages and, for a single note or
// chord, a pitch-bend glide before its release. Plain standard C++, so that it can be fuzzed.

#include "MidiGenTypes.h"

#include <vector>

namespace midigen {

// One event of a stream buffer, as the MIDI stream service takes it: three little-endian
// 32-bit words.
struct BufferEvent {
    uint32_t delta;    // ticks since the previous event
    uint32_t streamId; // always 0
    uint32_t event;    // status | data1 << 8 | data2 << 16, plus EventCallback
};
static_assert(sizeof(BufferEvent) == 12);

// Bit 30 of the event word: the service raises a position notice when it plays the event.
constexpr uint32_t EventCallback = 0x40000000u;
// Bits 24..29 hold the event type; 0 is a short message.
constexpr uint32_t EventTypeMask = 0x3F000000u;

// The sound settings in force for one stream; out-of-range values are clamped.
struct StreamSettings {
    int channel = 0;                       // 0..15
    int instrument = mgAcousticGrandPiano; // 0..174
    int volume = 100;                      // percent
    int pan = 0;                           // -100..100
    int reverb = 0;                        // percent
    int chorus = 0;                        // percent
    int modulation = 0;                    // percent
    bool sustain = false;
    int pitchBend = 0;    // tenths of a semitone, -120..120
    int pbDelay = 0;      // percent of the note's time before the glide starts
    int pbDuration = 100; // percent of the remaining time the glide takes
};

// The stream plays 50 ticks to the quarter note at 500,000 us a quarter: 10 ms a tick.
constexpr uint32_t TicksPerQuarter = 50;
// The service takes one block of at most 65,535 bytes: 5,461 events of 12 bytes.
constexpr size_t MaxStreamBytes = 65535;
constexpr size_t MaxStreamEvents = MaxStreamBytes / sizeof(BufferEvent);
constexpr size_t PreludeEventCount = 15;
// Pitch-bend range the prelude sets, in semitones.
constexpr int BendRangeSemitones = 12;

// Builds the buffer for a sorted list (see ParseNoteString). The glide is applied when
// `bendAllowed` and the settings ask for a bend. Events past the size limit are left out.
std::vector<BufferEvent> BuildStreamEvents(const std::vector<TMGEvent>& events,
                                           const StreamSettings& settings, bool bendAllowed);

// The same buffer in any record type with the members delta, streamId and event (the MIDI
// service's own), so that the pure code needs none of the service's headers.
template <typename Event> std::vector<Event> convertBuffer(const std::vector<BufferEvent>& buffer) {
    std::vector<Event> converted;
    converted.reserve(buffer.size());
    for (const BufferEvent& e : buffer)
        converted.push_back(Event{e.delta, e.streamId, e.event});
    return converted;
}

// Packs a short message into an event word.
constexpr uint32_t shortMessage(uint32_t status, uint32_t data1, uint32_t data2) {
    return status | (data1 << 8) | (data2 << 16);
}

} // namespace midigen
