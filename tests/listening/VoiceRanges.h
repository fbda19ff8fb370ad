#pragma once

#include <array>

namespace recordings {

// The ranges of the four voices, two octaves each (MIDI notes, 60 is middle C).
struct VoiceRange {
    const char* name;
    int lowest;
    int highest;
    bool female;
};

constexpr std::array<VoiceRange, 4> VoiceRanges{{
    {"bass", 40, 63, false},
    {"tenor", 48, 71, false},
    {"alto", 53, 76, true},
    {"soprano", 60, 83, true},
}};

} // namespace recordings
