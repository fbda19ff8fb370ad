#pragma once

#include "HearingLog.h"
#include "VoiceRanges.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace singingbench {

// A note the recording holds, and how it was sung.
struct TrueNote {
    int note = 0;
    double startMs = 0;
    double endMs = 0;
    double detuneCents = 0;
    int voice = 0; // 0 the synthetic throat, 1 Choir Aahs, 2 Voice Oohs, 3 Synth Voice
};

// One voice range's notes sung one after another with a breath between.
struct Take {
    std::vector<float> samples;
    int sampleRate = 48000;
    std::vector<TrueNote> notes;
    double singingRms = 0; // over the notes only
};

// `count` notes spread over the range, each voice in turn, some with vibrato, all a little out
// of tune. Empty samples, with the reason in `error`, when the synthesizer cannot render.
Take singTake(const recordings::VoiceRange& range, int count, std::uint64_t seed, QString* error);

// How well a take was heard.
struct Score {
    int notes = 0;
    int right = 0;                   // heard once, as the note sung
    int extra = 0;                   // heard outside every note, or more than once in one
    std::vector<double> latenciesMs; // from the start of each right note to its answer
    std::vector<double> centsErrors; // of the right notes of the synthetic throat, whose
                                     // pitch is known exactly
};
// `misses`, when given, receives a line for each note not heard right.
Score judge(const Take& take, const recordings::HearingLog& log,
            std::vector<QString>* misses = nullptr);

} // namespace singingbench
