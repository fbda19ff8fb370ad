#pragma once

#include "HighPassFilter.h"
#include "PeriodRefiner.h"
#include "PitchFrame.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <vector>

namespace listening {

class AubioLibrary;

// Follows the pitch of a mono sound with aubio's YIN detector, its difference function computed
// through the Fourier transform ("yinfast", the same estimate as plain YIN at a fraction of the
// cost): a window of about 43 ms, moved on by an eighth of it (a hop), gives one PitchFrame per
// hop, with YIN's own measure of periodicity as its confidence. Samples arrive in blocks of any
// size. What lies below the lowest sung notes is filtered out first. (aubio's spectrally weighted
// variant "yinfft" reports no confidence in the library as shipped, and reads a 220 Hz tone as
// 221.5 Hz, eleven cents sharp.)
class PitchTracker {
public:
    using FrameHandler = std::function<void(const PitchFrame&)>;

    explicit PitchTracker(int sampleRate);
    ~PitchTracker();
    PitchTracker(const PitchTracker&) = delete;
    PitchTracker& operator=(const PitchTracker&) = delete;

    int sampleRate() const { return sampleRate_; }
    int windowFrames() const { return window_; }
    int hopFrames() const { return hop_; }
    double windowMs() const { return 1000.0 * window_ / sampleRate_; }
    double hopMs() const { return 1000.0 * hop_ / sampleRate_; }

    // Whether pitches can be followed: false when the analysis library cannot be opened, and then
    // no sample makes a frame.
    bool isValid() const { return library_ != nullptr; }

    // Starts afresh, forgetting what came before: the next sample is frame `firstFrame` of
    // listening.
    void restart(std::int64_t firstFrame);
    // Analyses the samples that follow the last ones; `handler` gets each completed hop's frame.
    void add(std::span<const float> samples, const FrameHandler& handler);

private:
    struct Aubio;
    PitchFrame analyseHop();

    int sampleRate_;
    int window_;
    int hop_;
    HighPassFilter rumbleFilter_;
    PeriodRefiner periodRefiner_;
    std::vector<float> windowSamples_; // the latest window of filtered samples, oldest first
    const AubioLibrary* library_ = nullptr;
    std::unique_ptr<Aubio> aubio_;
    int filled_ = 0;                // samples of the current hop so far
    std::int64_t nextFrame_ = 0;    // the frame number of the next sample
    std::vector<double> hopEnergy_; // the mean square of each hop in the window, oldest first
    std::size_t hopIndex_ = 0;
    std::size_t hopsSeen_ = 0; // since the restart, up to a window's worth
};

} // namespace listening
