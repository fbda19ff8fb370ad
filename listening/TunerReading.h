#pragma once

#include <QMetaType>

namespace listening {

// What a tuner shows: the pitch sung now, by its nearest note and the cents from it; or, once
// the singing stops, that nobody sings.
struct TunerReading {
    double timeMs = 0; // in ms since listening began
    bool sung = false; // false: nobody sings (the other fields are then 0)
    double pitch = 0;  // MIDI pitch with its fraction
    int note = 0;      // the nearest MIDI note
    double cents = 0;  // -50 to 50
};

} // namespace listening

Q_DECLARE_METATYPE(listening::TunerReading)
