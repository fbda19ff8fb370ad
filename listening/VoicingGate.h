#pragma once

#include "NoiseFloor.h"
#include "PitchFrame.h"
#include "SingingRules.h"

namespace listening {

// Tells the frames in which somebody sings: periodic sound in a voice's range, clearly above
// the room's noise. It learns that noise from every frame it judges.
class VoicingGate {
public:
    explicit VoicingGate(const SingingRules& rules) : rules_(rules) {}

    void restart() { floor_.restart(); }
    // Whether `frame` is sung; `hopMs` is the time since the frame before.
    bool judge(const PitchFrame& frame, double hopMs);
    double noiseFloorDb() const { return floor_.levelDb(); }

private:
    SingingRules rules_;
    NoiseFloor floor_;
};

} // namespace listening
