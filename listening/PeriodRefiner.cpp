#include "PeriodRefiner.h"

#include <algorithm>
#include <cmath>

namespace listening {

namespace {

// Read an octave high, the true period repeats some ten times better than the half taken for
// it; read right, a bright voice with some jitter repeats its double period only up to four
// times better.
constexpr double Better = 0.15;
// A half period that repeats this well is the true one whatever its double does.
constexpr double Exact = 0.01;

} // namespace

double PeriodRefiner::refine(std::span<const float> window, double hertz) const {
    if (hertz <= 0)
        return hertz;
    double period = rightOctave(window, sampleRate_ / hertz);
    // Half the window at least is compared at every lag looked at.
    if (2 * (period + 1) > double(window.size()))
        return sampleRate_ / period;
    // A parabola through the mismatch one sample either side finds the best lag between them.
    const double before = mismatch(window, period - 1), at = mismatch(window, period),
                 after = mismatch(window, period + 1);
    const double bend = before - 2 * at + after;
    if (bend > 0)
        period += std::clamp(0.5 * (before - after) / bend, -1.0, 1.0);
    return sampleRate_ / period;
}

double PeriodRefiner::rightOctave(std::span<const float> window, double period) const {
    if (4 * period > double(window.size()))
        return period;
    const double half = mismatch(window, period);
    if (half <= Exact)
        return period;
    return mismatch(window, 2 * period) < Better * half ? 2 * period : period;
}

double PeriodRefiner::mismatch(std::span<const float> window, double lag) {
    const auto whole = static_cast<std::size_t>(lag);
    const double fraction = lag - double(whole);
    const std::size_t count = window.size() - whole - 1;
    double difference = 0, energy = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double later =
            window[i + whole] + fraction * (window[i + whole + 1] - window[i + whole]);
        const double d = window[i] - later;
        difference += d * d;
        energy += double(window[i]) * window[i] + later * later;
    }
    return energy > 0 ? difference / energy : 1.0;
}

} // namespace listening
