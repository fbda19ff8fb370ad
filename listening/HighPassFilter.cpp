#include "HighPassFilter.h"

#include <algorithm>
#include <cmath>

namespace listening {

HighPassFilter::HighPassFilter(double cornerHz, int sampleRate) {
    // The two quality factors of a fourth-order Butterworth response.
    constexpr std::array<double, 2> qualities{0.54119610, 1.30656296};
    const double w = 2 * M_PI * std::min(cornerHz, 0.45 * sampleRate) / sampleRate;
    for (std::size_t i = 0; i < stages_.size(); ++i) {
        const double alpha = std::sin(w) / (2 * qualities[i]);
        const double a0 = 1 + alpha;
        Biquad& s = stages_[i];
        s.b0 = (1 + std::cos(w)) / 2 / a0;
        s.b1 = -(1 + std::cos(w)) / a0;
        s.b2 = s.b0;
        s.a1 = -2 * std::cos(w) / a0;
        s.a2 = (1 - alpha) / a0;
    }
}

void HighPassFilter::reset() {
    for (Biquad& s : stages_)
        s.x1 = s.x2 = s.y1 = s.y2 = 0;
}

float HighPassFilter::process(float x) {
    double v = x;
    for (Biquad& s : stages_) {
        const double y = s.b0 * v + s.b1 * s.x1 + s.b2 * s.x2 - s.a1 * s.y1 - s.a2 * s.y2;
        s.x2 = s.x1;
        s.x1 = v;
        s.y2 = s.y1;
        s.y1 = y;
        v = y;
    }
    return static_cast<float>(v);
}

} // namespace listening
