#pragma once

#include "MidiStream.h"
#include "SoundServerRig.h"

#include <utility>
#include <vector>

// Rhythm questions as the trainer plays them, with a held organ chord hard left (it shows every
// gap) and the rhythm's wood block hard right (it shows every onset).
namespace rhythm {

// Four count-in beats, then two bars of quarters and eighths, at 50 ticks a quarter (10 ms a
// tick). Returns the events and the tick of every wood-block stroke.
std::vector<midi::StreamEvent> question(int variant, std::vector<uint32_t>& strokeTicks);

struct QuestionResult {
    int gaps = 0;
    std::vector<std::pair<double, double>> gapTimes; // seconds into the chord, milliseconds long
    // When each gap began and ended, and when each stroke found sounded with its error (ms).
    std::vector<std::pair<bench::SteadyClock::time_point, bench::SteadyClock::time_point>> gapSpans;
    std::vector<std::pair<bench::SteadyClock::time_point, double>> strokeErrors;
    // Each stroke against the schedule: where it sounds, less where the schedule puts it, less
    // what all strokes of the question have in common (the output's latency, and how late the
    // stream started). The first stroke counts like every other.
    double worstOnsetErrorMs = 0;
    double firstStrokeErrorMs = -1; // -1 when the first stroke was not found
    int onsetsFound = 0;
    int strokes = 0;
};

// Looks for the question started at `started` in the recording.
QuestionResult analyse(const bench::MonitorRecorder& recording,
                       bench::SteadyClock::time_point started,
                       const std::vector<uint32_t>& strokeTicks, double lengthSeconds);

} // namespace rhythm
