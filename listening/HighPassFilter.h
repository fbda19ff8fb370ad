#pragma once

#include <array>

namespace listening {

// A fourth-order Butterworth high-pass filter (two biquads): it takes away a room's rumble and
// mains hum below the lowest sung notes, which would otherwise mislead the pitch tracker and
// lift the noise floor.
class HighPassFilter {
public:
    HighPassFilter(double cornerHz, int sampleRate);
    void reset();
    float process(float x);

private:
    struct Biquad {
        double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    };
    std::array<Biquad, 2> stages_;
};

} // namespace listening
