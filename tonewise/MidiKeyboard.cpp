#include "MidiKeyboard.h"

#include "PianoKeyboard.h"

namespace tonewise {

std::optional<KeyboardTouch> keyboardTouch(const QByteArray& message) {
    if (message.size() != 3)
        return std::nullopt;
    const int status = static_cast<unsigned char>(message[0]) & 0xF0;
    const int note = static_cast<unsigned char>(message[1]);
    const int velocity = static_cast<unsigned char>(message[2]);
    if ((status != 0x90 && status != 0x80) || note > 127 || velocity > 127)
        return std::nullopt;
    const PianoKey* key = keyboardKeyForMidi(note);
    if (!key)
        return std::nullopt;
    return KeyboardTouch{status == 0x90 && velocity > 0, key->name};
}

} // namespace tonewise
