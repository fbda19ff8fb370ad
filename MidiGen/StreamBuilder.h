#pragma once

// Turns a sorted event list into one stream buffer: a prelude that sets up the controllers,
// the opening program, the notes as delta-timed short messages and, for a single note or
// chord, a pitch-bend glide before its release. Plain standard C++, so that it can be fuzzed.

#include "MidiGenTypes.h"
#include "MidiStream.h"

#include <vector>

namespace midigen {

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
constexpr size_t MaxStreamEvents = MaxStreamBytes / sizeof(midi::StreamEvent);
constexpr size_t PreludeEventCount = 15;
// Pitch-bend range the prelude sets, in semitones.
constexpr int BendRangeSemitones = 12;

// Builds the buffer for a sorted list (see ParseNoteString). The glide is applied when
// `bendAllowed` and the settings ask for a bend. Events past the size limit are left out.
std::vector<midi::StreamEvent> BuildStreamEvents(const std::vector<TMGEvent>& events,
                                                 const StreamSettings& settings, bool bendAllowed);

// Packs a short message into an event word.
constexpr uint32_t shortMessage(uint32_t status, uint32_t data1, uint32_t data2) {
    return status | (data1 << 8) | (data2 << 16);
}

} // namespace midigen
