#include "MidiTapSource.h"

#include "Failure.h"
#include "MidiInput.h"

MidiTapSource::MidiTapSource(midi::MidiInput& input, std::function<void()> tapped)
    : input_(input), tapped_(std::move(tapped)) {
    input_.onMessage([this](const QByteArray& message) {
        if (strikesNote(message) && tapped_)
            tapped_();
    });
    input_.onLost([this](const QString& port) {
        if (lost_)
            lost_(port);
    });
}

MidiTapSource::~MidiTapSource() {
    input_.onMessage({});
    input_.onLost({});
}

void MidiTapSource::openPreferred() {
    if (!input_.openPort().isEmpty())
        return;
    const QString port = midi::MidiInput::preferredPort(input_.ports());
    QString ignored;
    if (!port.isEmpty())
        input_.open(port, &ignored);
}

QStringList MidiTapSource::ports() const {
    return input_.ports();
}

QString MidiTapSource::openPort() const {
    return input_.openPort();
}

void MidiTapSource::open(const QString& port) {
    QString error;
    if (!input_.open(port, &error))
        throw Failure(error);
}

void MidiTapSource::close() {
    input_.close();
}

bool MidiTapSource::strikesNote(const QByteArray& message) {
    return message.size() >= 3 && (static_cast<quint8>(message[0]) & 0xF0) == 0x90 &&
           static_cast<quint8>(message[2]) > 0;
}
