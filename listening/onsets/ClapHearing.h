#pragma once

#include "AudioAnalyser.h"
#include "OnsetDetector.h"

#include <cstdint>
#include <functional>

namespace listening {

// A clap or tap heard: where its sound began and when it was heard (the end of the block of
// sound that let the detector place it), both in milliseconds since listening began. What lies
// between the two is how long ago the clap was when it is reported.
struct HeardClap {
    double onsetMs = 0;
    double heardAtMs = 0;
};

// Hears claps and taps in the microphone's sound (or a recording fed like it) with the onset
// detector, and reports each with the moment it was heard. Runs on the thread that feeds it.
class ClapHearing final : public AudioAnalyser {
public:
    using Listener = std::function<void(const HeardClap&)>;

    explicit ClapHearing(Listener listener, OnsetSettings settings = {});

    void analyse(std::span<const float> samples, int sampleRate, std::int64_t firstFrame) override;
    QString unavailable() const override;
    // The sound has ended: claps still waiting for the sound after them are reported.
    void flush();

private:
    Listener listener_;
    double blockEndMs_ = 0;
    OnsetDetector detector_;
};

} // namespace listening
