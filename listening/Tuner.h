#pragma once

#include "PitchFrame.h"
#include "TunerReading.h"

#include <array>
#include <cstddef>
#include <optional>

namespace listening {

// A light, continuous reading of the pitch sung now, for a tuner display: no more often than
// a screen can show it, and, once the singing stops, a single reading that nobody sings and
// then nothing, so that a silent room costs the display nothing.
class Tuner {
public:
    void restart();
    // At most `perSecond` readings a second of sound.
    void setMaxRate(double perSecond) { minGapMs_ = perSecond > 0 ? 1000.0 / perSecond : 0.0; }
    // The next frame, whether it is sung, and the time since the frame before.
    std::optional<TunerReading> add(const PitchFrame& frame, bool sung, double hopMs);

private:
    static constexpr double SilenceMs = 60; // a break this long is the end of singing
    double minGapMs_ = 1000.0 / 60;
    std::array<double, 3> pitches_{}; // the last sung pitches, for their median
    std::size_t pitchCount_ = 0;
    double lastReadingMs_ = -1e12;
    bool showingSinging_ = false;
    double unsungMs_ = 0;
};

} // namespace listening
