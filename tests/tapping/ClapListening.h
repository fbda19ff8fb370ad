#pragma once

#include "ClapRecordings.h"
#include "TapGrid.h"
#include "TapPerformance.h"

#include <random>
#include <vector>

// Recordings of rows clapped by a student, heard by the onset detector as the microphone would
// feed it, and written as patterns.
class ClapListening {
public:
    enum class Sound { Synthesizer, Synthetic };

    // A clap heard, and when the detector handed it over (both from the recording's start).
    struct Heard {
        double ms;
        double reportedAtMs;
    };

    // The row clapped with a human spread and a small steady lag, `leadMs` into the recording;
    // the synthesizer's claps at random strengths, or noise claps between -24 and -6 dB.
    static Recording clappedRow(Sound sound, const TapGrid& grid, const TapPerformance::Row& row,
                                double leadMs, std::mt19937_64& random);

    // The onsets the detector finds, fed in blocks of `blockFrames` as a capture delivers them.
    static std::vector<Heard> listen(const Recording& recording, int blockFrames = 480);

    // The row a transcriber writes from what was heard, deciding beats as the sound goes on;
    // the count-in started `countInMs` into the recording.
    static TapPerformance::Row transcribe(const std::vector<Heard>& heard, double countInMs,
                                          const TapGrid& grid, int patternCount);

    // How many of the recording's claps were heard within `toleranceMs`, and how many onsets
    // match no clap.
    struct Match {
        int found = 0;
        int extra = 0;
        double worstErrorMs = 0;
    };
    static Match match(const Recording& recording, const std::vector<Heard>& heard,
                       double toleranceMs);
};
