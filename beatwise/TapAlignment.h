#pragma once

#include "PatternOnsets.h"

#include <span>
#include <vector>

// How the taps of one beat line up with the notes of one pattern: each tap plays one note or is
// an extra tap, each note is played by one tap or missed, and the order is kept. Positions are
// counted in grid subdivisions from the beat's start (a tap may lie slightly outside 0..n).
// The cheapest line-up wins: a tap off its note costs the square of the distance, a missed note
// or an extra tap a fixed price, about what a tap half-way to the next position costs twice.
struct TapAlignment {
    double cost = 0;
    std::vector<int> noteOfTap; // per tap: the note position it plays, or -1 for an extra tap
    PatternOnsets::Mask missed = 0;

    // `taps` in time order.
    static TapAlignment align(std::span<const double> taps, PatternOnsets::Mask notes);

    // How far a tap may stray from its note, in subdivisions, before it costs as much as a miss.
    static constexpr double kSpread = 0.35;
    static constexpr double kMissCost = 2.0;
    static constexpr double kExtraCost = 2.0;
};
