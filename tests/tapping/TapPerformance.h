#pragma once

#include "Meter.h"
#include "TapGrid.h"

#include <array>
#include <random>
#include <vector>

// Rows of patterns as the trainer draws them, and the taps a student would make for them.
class TapPerformance {
public:
    using Row = std::array<int, 7>;

    // A row drawn by the trainer's own rules for that meter and level.
    static Row drawRow(Meter meter, int patternCount, std::mt19937_64& random);

    // Where every note of `row` lies on the count-in's grid, in milliseconds from the count-in's
    // start, in time order.
    static std::vector<double> writtenTaps(const TapGrid& grid, const Row& row);

    // The same taps moved by `lagMs`, by a pulse `drift` faster (negative) or slower, and each by
    // a random amount up to ±`jitterMs`, kept in time order.
    static std::vector<double> performed(const TapGrid& grid, const Row& row, double jitterMs,
                                         std::mt19937_64& random, double lagMs = 0,
                                         double drift = 0);

    // Feeds taps to a transcriber as they would come in real time, deciding beats between them,
    // and returns the row it wrote.
    static Row transcribeLive(const TapGrid& grid, int patternCount,
                              const std::vector<double>& taps);

    // How many beats of `written` the row `tapped` has right.
    static int beatsRight(const Row& written, const Row& tapped);
};
