#include "Tuner.h"

#include <algorithm>
#include <cmath>

namespace listening {

void Tuner::restart() {
    pitchCount_ = 0;
    lastReadingMs_ = -1e12;
    showingSinging_ = false;
    unsungMs_ = 0;
}

std::optional<TunerReading> Tuner::add(const PitchFrame& frame, bool sung, double hopMs) {
    TunerReading reading;
    reading.timeMs = frame.timeMs;
    if (!sung) {
        unsungMs_ += hopMs;
        if (unsungMs_ >= SilenceMs)
            pitchCount_ = 0;
        if (!showingSinging_ || unsungMs_ < SilenceMs)
            return std::nullopt;
        showingSinging_ = false;
        lastReadingMs_ = frame.timeMs;
        return reading;
    }
    unsungMs_ = 0;
    // The median of the last three sung frames rides over a single stray one.
    std::rotate(pitches_.begin(), pitches_.begin() + 1, pitches_.end());
    pitches_.back() = frame.pitch;
    pitchCount_ = std::min(pitchCount_ + 1, pitches_.size());
    if (frame.timeMs - lastReadingMs_ < minGapMs_ - 1e-9)
        return std::nullopt;
    std::array<double, 3> sorted = pitches_;
    const auto first = sorted.end() - static_cast<std::ptrdiff_t>(pitchCount_);
    std::sort(first, sorted.end());
    reading.sung = true;
    reading.pitch = *(first + static_cast<std::ptrdiff_t>(pitchCount_ / 2));
    reading.note = static_cast<int>(std::lround(reading.pitch));
    reading.cents = (reading.pitch - reading.note) * 100.0;
    showingSinging_ = true;
    lastReadingMs_ = frame.timeMs;
    return reading;
}

} // namespace listening
