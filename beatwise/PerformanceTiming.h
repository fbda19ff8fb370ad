#pragma once

#include "PatternOnsets.h"
#include "TapGrid.h"

#include <span>

// The steady lead or lag of a tapped performance, and how far its pulse ran faster or slower than
// the count-in's. Grid position p (in subdivisions from the first question beat) was meant to be
// tapped at firstBeatMs + lagMs + (p + drift * (p - centre)) * subdivisionMs: the lag is the
// performance's average, measured about its middle, and a drifting pulse moves the taps before
// and after the middle apart.
struct PerformanceTiming {
    double lagMs = 0;  // positive: the taps come late
    double drift = 0;  // -0.02: the pulse ran 2 % fast
    double centre = 0; // the grid position about which the drift turns

    double expectedMs(const TapGrid& grid, double position) const {
        return grid.firstBeatMs + lagMs +
               (position + drift * (position - centre)) * grid.subdivisionMs();
    }
    double positionOf(const TapGrid& grid, double ms) const {
        return ((ms - grid.firstBeatMs - lagMs) / grid.subdivisionMs() + drift * centre) /
               (1.0 + drift);
    }

    // The timing that brings the most taps (milliseconds from the count-in's start, in time
    // order) nearest to grid positions that `used` allows, in the seven beats and on the closing
    // beat. Taps far from every such position are left out, so that a stray tap does not pull the
    // rest. A lag beyond half a subdivision cannot be told from a rhythm shifted by a
    // subdivision; among equally good fits the one nearer the count-in's grid wins.
    static PerformanceTiming fit(std::span<const double> taps, const TapGrid& grid,
                                 PatternOnsets::Mask used);
};
