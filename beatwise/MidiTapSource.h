#pragma once

#include "MidiInputPort.h"

#include <QByteArray>

#include <functional>

namespace midi {
class MidiInput;
}

// Taps from a MIDI pad or keyboard on an input port of the system: every note struck is a tap.
// It listens on the port a MIDI keyboard is found on, as the pitch trainer does; a pad that
// cannot be opened at the start is simply not heard.
class MidiTapSource : public MidiInputPort {
public:
    MidiTapSource(midi::MidiInput& input, std::function<void()> tapped);

    // Whether `message` strikes a note: a note-on of any channel with a velocity above 0.
    static bool strikesNote(const QByteArray& message);

private:
    std::function<void()> tapped_;
};
