#include "PatternOnsets.h"

#include <algorithm>
#include <array>
#include <bit>

namespace {

// Bit j: a note on sixteenth j of the beat.
constexpr std::array<PatternOnsets::Mask, 15> kSimple = {
    0b0001, // q: quarter
    0b0101, // two eighths
    0b0111, // sixteenth, sixteenth, eighth
    0b1101, // eighth, sixteenth, sixteenth
    0b1001, // dotted eighth, sixteenth
    0b0100, // eighth rest, eighth
    0b1100, // eighth rest, two sixteenths
    0b1000, // dotted eighth rest, sixteenth
    0b0110, // sixteenth rest, sixteenth, eighth
    0b1110, // sixteenth rest, three sixteenths
    0b0011, // sixteenth, dotted eighth
    0b1011, // sixteenth, eighth, sixteenth
    0b0010, // sixteenth rest, dotted eighth
    0b1010, // sixteenth rest, eighth, sixteenth
    0b1111, // four sixteenths
};

// Bit j: a note on eighth j of the dotted-quarter beat.
constexpr std::array<PatternOnsets::Mask, 7> kCompound = {
    0b001, // dotted quarter
    0b111, // three eighths
    0b101, // quarter, eighth
    0b011, // eighth, quarter
    0b100, // two eighth rests, eighth
    0b110, // eighth rest, two eighths
    0b010, // eighth rest, quarter
};

int catalogueSize(Meter meter) {
    return meter == Meter::Simple ? static_cast<int>(kSimple.size())
                                  : static_cast<int>(kCompound.size());
}

} // namespace

int PatternOnsets::subdivisions(Meter meter) {
    return meter == Meter::Simple ? 4 : 3;
}

PatternOnsets::Mask PatternOnsets::of(Meter meter, int pattern) {
    if (pattern < 0 || pattern >= catalogueSize(meter))
        return 0;
    const auto index = static_cast<std::size_t>(pattern);
    return meter == Meter::Simple ? kSimple[index] : kCompound[index];
}

PatternOnsets::Mask PatternOnsets::usedByLevel(Meter meter, int patternCount) {
    Mask used = 0;
    for (int p = 0; p < std::min(patternCount, catalogueSize(meter)); ++p)
        used |= of(meter, p);
    return used;
}

int PatternOnsets::patternWith(Meter meter, int patternCount, Mask onsets) {
    for (int p = 0; p < std::min(patternCount, catalogueSize(meter)); ++p) {
        if (of(meter, p) == onsets)
            return p;
    }
    return -1;
}

int PatternOnsets::count(Mask mask) {
    return std::popcount(static_cast<unsigned>(mask));
}

int PatternOnsets::last(Mask mask) {
    return mask == 0 ? -1 : static_cast<int>(std::bit_width(static_cast<unsigned>(mask))) - 1;
}
