#include "MidiInputPort.h"

#include "Failure.h"
#include "MidiInput.h"

MidiInputPort::MidiInputPort(midi::MidiInput& input,
                             std::function<void(const QByteArray&)> received)
    : input_(input) {
    input_.onMessage(std::move(received));
    input_.onLost([this](const QString& port) {
        if (lost_)
            lost_(port);
    });
}

MidiInputPort::~MidiInputPort() {
    input_.onMessage({});
    input_.onLost({});
}

QStringList MidiInputPort::ports() const {
    return input_.ports();
}

QString MidiInputPort::openPort() const {
    return input_.openPort();
}

void MidiInputPort::openPreferred() {
    if (!input_.openPort().isEmpty())
        return;
    const QString port = midi::MidiInput::preferredPort(input_.ports());
    QString ignored;
    if (!port.isEmpty())
        input_.open(port, &ignored);
}

void MidiInputPort::open(const QString& port) {
    QString error;
    if (!input_.open(port, &error))
        throw Failure(error);
}

void MidiInputPort::close() {
    input_.close();
}
