#include "PitchAnswers.h"

#include "PianoKeyboard.h"
#include "PitchTrainer.h"

namespace tonewise {

bool PitchAnswers::canAnswer(int midi) const {
    const PianoKey* key = keyboardKeyForMidi(midi);
    if (!key)
        return false;
    const auto index = static_cast<std::size_t>(key - KeyboardKeys().data());
    const KeyControl& control = trainer_.state().keys[index];
    return control.visible && control.enabled;
}

void PitchAnswers::answer(const PitchAnswer& answer) {
    if (canAnswer(answer.midi))
        trainer_.KeyClick(keyboardKeyForMidi(answer.midi)->name);
}

} // namespace tonewise
