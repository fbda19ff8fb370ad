#pragma once

#include "KeyLimits.h"

namespace tonewise {

// What Tonewise plays on the built-in synthesizer, with whichever instrument is chosen: the keys
// of the on-screen keyboard, the notes of its pitch table (every question, reference and
// replayed note is one of them) and the error tone's key. Only their sounds need loading.
class PitchSounds {
public:
    static midi::KeyLimits keyLimits();
};

} // namespace tonewise
