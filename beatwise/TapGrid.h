#pragma once

#include "Meter.h"

// The beat grid a tapped answer is measured against: the question's tempo as its count-in sounds
// it. Times are milliseconds from the start of the count-in; the first question beat follows the
// two count-in beats, and the seven beats follow one another at the count-in's beat.
struct TapGrid {
    Meter meter = Meter::Simple;
    double beatMs = 830;       // one beat: the count-in's quarter (simple) or dotted quarter
    double firstBeatMs = 1650; // where the first question beat starts: the count-in's length
    int subdivisions = 4;      // grid positions in a beat: sixteenths (4) or eighths (3)

    // The grid of a question at metronome value `tempo`, with the count-in the trainer plays:
    // two eighths and a quarter in simple meter, three eighths and a dotted quarter in compound
    // meter, each as long as the player sounds it at that tempo.
    static TapGrid forQuestion(Meter meter, int tempo);

    double subdivisionMs() const { return beatMs / subdivisions; }
    // Where grid position `position` (counted in subdivisions from the first question beat) lies.
    double positionMs(double position) const { return firstBeatMs + position * subdivisionMs(); }
    // The grid position of a time, as a fraction.
    double positionAt(double ms) const { return (ms - firstBeatMs) / subdivisionMs(); }
};
