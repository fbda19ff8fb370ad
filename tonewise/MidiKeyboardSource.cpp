#include "MidiKeyboardSource.h"

#include "PianoKeyboard.h"

namespace tonewise {

MidiKeyboardSource::MidiKeyboardSource(midi::MidiInput& input, AnswerSink<PitchAnswer>& answers)
    : MidiInputPort(input, [this](const QByteArray& message) { received(message); }),
      answers_(answers) {}

void MidiKeyboardSource::received(const QByteArray& message) {
    const std::optional<KeyboardTouch> touch = keyboardTouch(message);
    if (!touch)
        return;
    if (touched_)
        touched_(*touch);
    if (touch->pressed)
        answers_.answer({findKeyboardKey(touch->key)->midi});
}

} // namespace tonewise
