#pragma once

#include "KeyLimits.h"

// What Beatwise plays on the built-in synthesizer: the drum keys of the questions' parts and of
// the taps' click, on the percussion kit. Only their sounds need loading.
class RhythmSounds {
public:
    static midi::KeyLimits keyLimits();
};
