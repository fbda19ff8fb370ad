#pragma once

#include "KeyLimits.h"

namespace tonewise {

// What Tonewise plays on the built-in synthesizer: the notes of its pitch table (every question,
// reference and replayed note is one of them) and the error tone's key, with whichever
// instrument is chosen. Only their sounds need loading.
class PitchSounds {
public:
    static midi::KeyLimits keyLimits();
};

} // namespace tonewise
