#pragma once

#include "Meter.h"

#include <cstdint>

// Where the notes of each pattern fall within its beat, on the beat's grid: sixteenths in simple
// meter (0..3), eighths in compound meter (0..2). A set of positions is a bit mask, bit j standing
// for position j. These are the rhythms the pattern buttons stand for, the same the note-string
// parts sound.
class PatternOnsets {
public:
    using Mask = std::uint8_t;

    // Grid positions in one beat: 4 in simple meter, 3 in compound meter.
    static int subdivisions(Meter meter);
    // The note positions of `pattern`; 0 for an index the meter does not have.
    static Mask of(Meter meter, int pattern);
    // Every position that some pattern of the first `patternCount` patterns sounds.
    static Mask usedByLevel(Meter meter, int patternCount);
    // The pattern of the first `patternCount` whose notes are exactly `onsets`, or -1.
    static int patternWith(Meter meter, int patternCount, Mask onsets);

    static bool has(Mask mask, int position) { return position >= 0 && ((mask >> position) & 1u); }
    static int count(Mask mask);
    // The highest position of the mask, or -1 for an empty one.
    static int last(Mask mask);
};
