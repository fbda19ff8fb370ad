#include "SystemPorts.h"

#include "MidiResult.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <rtmidi/RtMidi.h>
#include <vector>

namespace midi {

namespace {

// RtMidi prints to the terminal when it cannot reach the sequencer; look first.
bool sequencerPresent() {
    return QFileInfo::exists(QStringLiteral("/dev/snd/seq"));
}

void ignoreError(RtMidiError::Type, const std::string&, void*) {}

std::unique_ptr<RtMidiOut> newClient() {
    if (!sequencerPresent())
        return nullptr;
    try {
        const QString name = QCoreApplication::applicationName().isEmpty()
                                 ? QStringLiteral("Beatwise")
                                 : QCoreApplication::applicationName();
        auto out = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, name.toStdString());
        out->setErrorCallback(&ignoreError, nullptr);
        return out;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

int messageLength(uint8_t status) {
    switch (status & 0xF0) {
    case 0xC0:
    case 0xD0:
        return 2;
    case 0xF0:
        return status == 0xF1 || status == 0xF3 ? 2 : status == 0xF2 ? 3 : 1;
    default:
        return 3;
    }
}

} // namespace

QStringList SystemPorts::list() {
    QStringList names;
    auto client = newClient();
    if (!client)
        return names;
    try {
        const unsigned count = client->getPortCount();
        for (unsigned i = 0; i < count; ++i)
            names << QString::fromStdString(client->getPortName(i));
    } catch (const RtMidiError&) {
    }
    return names;
}

SystemPortConnection::~SystemPortConnection() = default;

std::unique_ptr<SystemPortConnection> SystemPortConnection::open(int index, int& result) {
    auto client = newClient();
    if (!client) {
        result = NoDriver;
        return nullptr;
    }
    try {
        if (index < 0 || static_cast<unsigned>(index) >= client->getPortCount()) {
            result = BadDeviceId;
            return nullptr;
        }
        client->openPort(static_cast<unsigned>(index));
        if (!client->isPortOpen()) {
            result = Allocated;
            return nullptr;
        }
    } catch (const RtMidiError&) {
        result = NotEnabled;
        return nullptr;
    }
    std::unique_ptr<SystemPortConnection> connection(new SystemPortConnection());
    connection->out_ = std::move(client);
    result = Ok;
    return connection;
}

int SystemPortConnection::sendShort(uint32_t message) {
    const unsigned char bytes[3] = {static_cast<unsigned char>(message & 0xFF),
                                    static_cast<unsigned char>((message >> 8) & 0x7F),
                                    static_cast<unsigned char>((message >> 16) & 0x7F)};
    if ((bytes[0] & 0x80) == 0)
        return InvalidParam; // running status is not supported
    return sendBytes(bytes, static_cast<size_t>(messageLength(bytes[0])));
}

int SystemPortConnection::sendBytes(const unsigned char* data, size_t size) {
    std::lock_guard lock(mutex_);
    try {
        out_->sendMessage(data, size);
    } catch (const RtMidiError&) {
        return Error;
    }
    return Ok;
}

void SystemPortConnection::resetOutput() {
    for (uint32_t channel = 0; channel < 16; ++channel) {
        sendShort(0xB0 | channel | 64u << 8);  // sustain off
        sendShort(0xB0 | channel | 123u << 8); // all notes off
    }
}

} // namespace midi
