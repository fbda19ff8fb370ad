#pragma once

#include "AudioAnalyser.h"

#include <QString>

#include <cstdint>
#include <span>
#include <vector>

namespace listening {

// Feeds recorded sound to analysers block by block, mono, with the recording's time, just as
// the microphone feeds them while listening: what a recording holds is heard exactly as if it
// had been sung into the microphone at that moment.
class RecordingFeeder {
public:
    static constexpr std::size_t DefaultBlockFrames = 1024;

    explicit RecordingFeeder(std::vector<AudioAnalyser*> analysers,
                             std::size_t blockFrames = DefaultBlockFrames);

    // Feeds the WAV recording at `path`, its first sample placed `startMs` after listening
    // began. Returns the recording's length in ms, or -1 with a reason for the user in `error`
    // when the file cannot be read.
    double feedFile(const QString& path, double startMs, QString* error = nullptr);

    // Feeds mono samples whose first one is frame `firstFrame` of listening.
    void feed(std::span<const float> mono, int sampleRate, std::int64_t firstFrame);

private:
    std::vector<AudioAnalyser*> analysers_;
    std::size_t blockFrames_;
};

} // namespace listening
