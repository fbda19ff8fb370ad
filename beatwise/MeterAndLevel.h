#pragma once

#include "Meter.h"
#include "RhythmParts.h"

class RhythmQuestion;

// The meter and the level: how many patterns are in play, which buttons show and with which
// captions, the level label a quiz line names, and the simple level that a visit to the
// compound meter brings down to seven and the simple meter gives back.
class MeterAndLevel {
public:
    MeterAndLevel(RhythmParts parts, RhythmQuestion& question)
        : parts_(parts), question_(question) {}

    // The items of 8 patterns and more exist in the simple meter only; their handlers always
    // write the simple label.
    void selectLevel(int level, bool alwaysSimpleLabel);
    void SimpleClick();
    void CompoundClick();
    // The captions of the window as it is designed, before FormCreate.
    void showDesignedCaptions();

private:
    void restoreLevelBeforeCompound();
    void showPatternButtons(int level);
    void showMeter(Meter meter);

    RhythmParts parts_;
    RhythmQuestion& question_;
};
