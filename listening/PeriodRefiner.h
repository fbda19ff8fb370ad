#pragma once

#include <span>

namespace listening {

// Makes the period YIN found exact. YIN takes the first period that repeats well enough; when a
// voice's second harmonic outweighs its first (a high "a" or "o"), half the true period repeats
// nearly as well and the pitch reads an octave high, though the true period repeats much better
// still: the two are compared and the lower pitch taken when that is so. Then the period is
// found to a fraction of a sample where the window repeats best, which YIN's own interpolation
// misses by a few cents in a soprano's range.
class PeriodRefiner {
public:
    explicit PeriodRefiner(int sampleRate) : sampleRate_(sampleRate) {}

    // The pitch in Hz that `window` (the latest samples, oldest first) holds, given the
    // detector's reading `hertz` (0: none).
    double refine(std::span<const float> window, double hertz) const;

private:
    double rightOctave(std::span<const float> window, double period) const;
    // How badly the window fails to repeat after `lag` samples: 0 when it repeats exactly, about
    // 1 for noise.
    static double mismatch(std::span<const float> window, double lag);

    int sampleRate_;
};

} // namespace listening
