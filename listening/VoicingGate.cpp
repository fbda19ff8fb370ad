#include "VoicingGate.h"

#include <algorithm>

namespace listening {

bool VoicingGate::judge(const PitchFrame& frame, double hopMs) {
    // Judged against the floor before this frame, so that a note's first moment is not its own
    // noise.
    const double floor = floor_.levelDb();
    floor_.add(frame.levelDb, hopMs / 1000.0);
    return frame.pitch >= rules_.lowestPitch && frame.pitch <= rules_.highestPitch &&
           frame.confidence >= rules_.minConfidence && frame.levelDb >= rules_.quietestDb &&
           frame.levelDb >= floor + rules_.marginDb;
}

} // namespace listening
