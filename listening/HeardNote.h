#pragma once

#include <QMetaType>

namespace listening {

// A note sung steadily enough to count as an answer.
struct HeardNote {
    double timeMs = 0;  // when it was recognised, in ms since listening began
    double startMs = 0; // when the steady stretch that made it a note began
    int note = 0;       // the nearest MIDI note (60: middle C)
    double cents = 0;   // how far the sung pitch lies from that note, -50 to 50
};

} // namespace listening

Q_DECLARE_METATYPE(listening::HeardNote)
