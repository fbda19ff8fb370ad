#include "MidiKeyboardSource.h"

#include "Failure.h"
#include "MidiInput.h"
#include "PianoKeyboard.h"

namespace tonewise {

MidiKeyboardSource::MidiKeyboardSource(midi::MidiInput& input, AnswerSink<PitchAnswer>& answers)
    : input_(input), answers_(answers) {
    input_.onMessage([this](const QByteArray& message) { received(message); });
    input_.onLost([this](const QString& port) {
        if (lost_)
            lost_(port);
    });
}

MidiKeyboardSource::~MidiKeyboardSource() {
    input_.onMessage({});
    input_.onLost({});
}

QStringList MidiKeyboardSource::ports() const {
    return input_.ports();
}

QString MidiKeyboardSource::openPort() const {
    return input_.openPort();
}

void MidiKeyboardSource::openPreferred() {
    if (!input_.openPort().isEmpty())
        return;
    const QString port = midi::MidiInput::preferredPort(input_.ports());
    QString ignored;
    if (!port.isEmpty())
        input_.open(port, &ignored);
}

void MidiKeyboardSource::open(const QString& port) {
    QString error;
    if (!input_.open(port, &error))
        throw Failure(error);
}

void MidiKeyboardSource::close() {
    input_.close();
}

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
