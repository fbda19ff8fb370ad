#include "MidiTapSource.h"

MidiTapSource::MidiTapSource(midi::MidiInput& input, std::function<void()> tapped)
    : MidiInputPort(input,
                    [this](const QByteArray& message) {
                        if (strikesNote(message) && tapped_)
                            tapped_();
                    }),
      tapped_(std::move(tapped)) {}

bool MidiTapSource::strikesNote(const QByteArray& message) {
    return message.size() >= 3 && (static_cast<quint8>(message[0]) & 0xF0) == 0x90 &&
           static_cast<quint8>(message[2]) > 0;
}
