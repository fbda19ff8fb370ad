#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tonewise {

// A key of the trainer's keyboard touched on a MIDI keyboard.
struct KeyboardTouch {
    bool pressed = false; // pressed, or released
    QString key;          // the key's name on the trainer's keyboard ("C3", "F1sharp", "Bb4")
};

// What a message from a MIDI keyboard does on the trainer's keyboard: the note-on of a key it has
// (F1 to B4, MIDI notes 41 to 83), on any channel, presses that key; the note-off or a note-on
// with velocity 0 releases it. Every other message does nothing.
std::optional<KeyboardTouch> keyboardTouch(const QByteArray& message);

} // namespace tonewise
