#pragma once

#include "TempoDurations.h"

// The metronome values and the durations they give. The "Metronome" control steps from 30 to 96
// beats per minute by 6; each value has a factor that scales the durations of tempo 60.
class Tempo {
public:
    static constexpr int kMinimum = 30;
    static constexpr int kMaximum = 96;
    static constexpr int kStep = 6;
    static constexpr int kInitial = 72;

    // The metronome value nearest to `speed` (the control offers only these twelve).
    static int snapped(int speed);
    static bool isMetronomeValue(int speed);

    // The factor of a metronome value: 60/tempo written with its decimals cut off (1.66 at 36,
    // 0.833 at 72), held as a double.
    static double factor(int speed);

    // Trunc(base × factor) of the exact product, as extended (64-bit mantissa) arithmetic forms
    // it: 1.66 × 50 gives 82, where rounding the product to a double first would give 83.
    static int scaled(int base, double factor);

    static TempoDurations durations(double factor);
};
