#pragma once

// The note-string language: comma-separated tokens TIME ";" SOUND ";" DURATION, in ticks of
// 10 ms. TIME is the distance from the previous note's start and DURATION the note's length;
// both carry over to the following tokens when left out. SOUND is a note name with an
// optional octave ("C#4", "B-"), "N" and a MIDI key ("N64") or "I" and an instrument
// ordinal ("I24"). Plain standard C++ on 8-bit text, so that it can be fuzzed on its own.

#include "MidiGenTypes.h"

#include <string_view>
#include <vector>

namespace midigen {

// What a note string is read against; out-of-range values are clamped.
struct NoteStringContext {
    int channel = 0;                       // the stream's channel, 0..15
    int octave = 4;                        // starting octave, 0..10
    uint32_t duration = 50;                // length of notes before the string gives one
    int instrument = mgAcousticGrandPiano; // 0..174
};

struct ParsedNoteString {
    // Sorted by time; at equal times program changes first, otherwise in string order.
    std::vector<TMGEvent> events;
    // True when every token starts at time 0 with the same length: one note or a chord,
    // which is what a pitch bend may glide.
    bool bendEligible = true;
    // Notes of length zero given before any length was set ("00;N60;00"): they sound
    // nothing; a string made only of them asks for the output to be silenced.
    int silentNotes = 0;
};

// The longest time an event may have; a note that would start or end later is invalid.
constexpr int64_t LatestEventTime = INT32_MAX;

ParsedNoteString ParseNoteString(std::string_view text, const NoteStringContext& context);

// Reads a whole text as a signed decimal 32-bit integer (an optional sign, then digits).
// Anything else, including an empty text or a value out of range, gives nothing.
std::optional<int32_t> readDecimal(std::string_view text);

} // namespace midigen
