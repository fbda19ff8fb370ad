#pragma once

#include "TunerReading.h"

#include <QString>

namespace tonewise {

// What the tuner display shows of a reading: the sung note's name, the needle's cents from the
// nearest semitone and the pitch's height on the staff; nothing while nobody sings.
struct TunerFace {
    bool sung = false;
    QString name;      // "A2", "F#3"
    int cents = 0;     // -50 .. 50
    double staffY = 0; // in the staff's units, as a whole note's y
};

TunerFace tunerFace(const listening::TunerReading& reading);

} // namespace tonewise
