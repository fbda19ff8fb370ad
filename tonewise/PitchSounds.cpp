#include "PitchSounds.h"

#include "OutputChoice.h"
#include "PianoKeyboard.h"
#include "SpelledPitchTable.h"

namespace tonewise {

midi::KeyLimits PitchSounds::keyLimits() {
    midi::KeyLimits limits;
    limits.melodic = midi::keyRange(LowestKeyMidi, HighestKeyMidi);
    for (const SpelledPitch& pitch : SpelledPitchTable())
        if (pitch.midi >= 0 && pitch.midi < 128)
            limits.melodic.set(static_cast<std::size_t>(pitch.midi));
    limits.melodic.set(OutputChoice::ErrorToneNote);
    return limits;
}

} // namespace tonewise
