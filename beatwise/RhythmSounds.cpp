#include "RhythmSounds.h"

#include "RhythmCatalogue.h"
#include "SynthTapClick.h"

midi::KeyLimits RhythmSounds::keyLimits() {
    midi::KeyLimits limits;
    limits.percussion.reset();
    for (int key : RhythmCatalogue::drumKeys())
        limits.percussion.set(static_cast<std::size_t>(key));
    limits.percussion.set(SynthTapClick::kSideStick);
    return limits;
}
