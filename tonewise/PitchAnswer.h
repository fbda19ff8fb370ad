#pragma once

#include <QtGlobal>

namespace tonewise {

// A pitch the student gives as an answer: a key clicked on the window or played on a MIDI
// keyboard, a line of a script, or a note sung into the microphone. It answers as a click on
// that pitch's key of the keyboard would.
struct PitchAnswer {
    int midi = 0;        // the pitch as a MIDI note, 60 = "C3", middle C
    double cents = 0.0;  // how far a sung pitch lies from `midi`, -50 .. 50; 0 for a key
    qint64 heardAt = -1; // when the source took the answer, in its milliseconds; -1: at once
};

} // namespace tonewise
