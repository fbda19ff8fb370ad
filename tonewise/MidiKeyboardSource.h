#pragma once

#include "AnswerSink.h"
#include "MidiInputPort.h"
#include "MidiKeyboard.h"
#include "PitchAnswer.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace midi {
class MidiInput;
}

namespace tonewise {

// Answers from a MIDI keyboard on an input port of the system: a key pressed answers as a click
// on that key of the trainer's keyboard would. Every key pressed or released is also told, so
// that the window can show it held down.
class MidiKeyboardSource : public MidiInputPort {
public:
    MidiKeyboardSource(midi::MidiInput& input, AnswerSink<PitchAnswer>& answers);

    void onTouch(std::function<void(const KeyboardTouch&)> touched) {
        touched_ = std::move(touched);
    }

private:
    void received(const QByteArray& message);

    AnswerSink<PitchAnswer>& answers_;
    std::function<void(const KeyboardTouch&)> touched_;
};

} // namespace tonewise
