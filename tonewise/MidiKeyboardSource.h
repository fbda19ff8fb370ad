#pragma once

#include "AnswerSink.h"
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
class MidiKeyboardSource {
public:
    MidiKeyboardSource(midi::MidiInput& input, AnswerSink<PitchAnswer>& answers);
    ~MidiKeyboardSource();
    MidiKeyboardSource(const MidiKeyboardSource&) = delete;
    MidiKeyboardSource& operator=(const MidiKeyboardSource&) = delete;

    void onTouch(std::function<void(const KeyboardTouch&)> touched) {
        touched_ = std::move(touched);
    }
    // The port went away (a keyboard unplugged); the input is closed.
    void onLost(std::function<void(const QString& port)> lost) { lost_ = std::move(lost); }

    QStringList ports() const;
    QString openPort() const;
    // Listens to the preferred port when none is open yet; a keyboard that cannot be opened now
    // can still be chosen later.
    void openPreferred();
    // Listens to `port` instead; a port that cannot be opened throws a Failure saying why.
    void open(const QString& port);
    void close();

private:
    void received(const QByteArray& message);

    midi::MidiInput& input_;
    AnswerSink<PitchAnswer>& answers_;
    std::function<void(const KeyboardTouch&)> touched_;
    std::function<void(const QString&)> lost_;
};

} // namespace tonewise
