#include "SystemMidiInput.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMetaObject>
#include <QPointer>

#include <rtmidi/RtMidi.h>

namespace midi {

namespace {

void ignoreError(RtMidiError::Type, const std::string&, void*) {}

// One sequencer client for listing and listening; none without a sequencer, where RtMidi would
// only complain on the terminal.
std::unique_ptr<RtMidiIn> newClient() {
    if (!QFileInfo::exists(QStringLiteral("/dev/snd/seq")))
        return nullptr;
    try {
        const QString name = QCoreApplication::applicationName() + QStringLiteral(" input");
        auto in = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, name.toStdString());
        in->setErrorCallback(&ignoreError, nullptr);
        in->ignoreTypes(true, true, true);
        return in;
    } catch (const RtMidiError&) {
        return nullptr;
    }
}

QStringList portNames(RtMidiIn& in) {
    QStringList names;
    try {
        const unsigned count = in.getPortCount();
        for (unsigned i = 0; i < count; ++i)
            names << QString::fromStdString(in.getPortName(i));
    } catch (const RtMidiError&) {
    }
    // The program's own output port would hand back what it plays.
    const QString own = QCoreApplication::applicationName() + QLatin1Char(':');
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&own](const QString& n) { return n.startsWith(own); }),
                names.end());
    return names;
}

} // namespace

QString MidiInput::preferredPort(const QStringList& ports) {
    for (const QString& port : ports)
        if (!port.startsWith(QLatin1String("Midi Through"), Qt::CaseInsensitive))
            return port;
    return {};
}

SystemMidiInput::SystemMidiInput(QObject* parent) : QObject(parent), in_(newClient()) {
    watch_.setInterval(1000);
    connect(&watch_, &QTimer::timeout, this, &SystemMidiInput::checkPort);
}

SystemMidiInput::~SystemMidiInput() {
    close();
}

QStringList SystemMidiInput::ports() const {
    return in_ ? portNames(*in_) : QStringList();
}

bool SystemMidiInput::open(const QString& port, QString* error) {
    close();
    const auto fail = [&](const QString& why) {
        if (error)
            *error = QStringLiteral("The MIDI input \"%1\" cannot be used: %2").arg(port, why);
        return false;
    };
    if (!in_)
        return fail(QStringLiteral("there is no MIDI system on this computer."));
    if (!ports().contains(port))
        return fail(QStringLiteral("it is not connected."));
    try {
        // RtMidi numbers the ports with the program's own among them: find the number by name.
        unsigned number = 0;
        const unsigned count = in_->getPortCount();
        while (number < count && QString::fromStdString(in_->getPortName(number)) != port)
            ++number;
        if (number == count)
            return fail(QStringLiteral("it is not connected."));
        in_->setCallback(&SystemMidiInput::received, this);
        in_->openPort(number, "Keyboard in");
        if (!in_->isPortOpen()) {
            in_->cancelCallback();
            return fail(QStringLiteral("the MIDI system refused to connect it."));
        }
    } catch (const RtMidiError& failure) {
        return fail(QString::fromStdString(failure.getMessage()));
    }
    port_ = port;
    watch_.start();
    return true;
}

void SystemMidiInput::close() {
    watch_.stop();
    if (in_ && in_->isPortOpen()) {
        try {
            in_->closePort();
            in_->cancelCallback();
        } catch (const RtMidiError&) {
        }
    }
    port_.clear();
}

void SystemMidiInput::checkPort() {
    if (port_.isEmpty() || ports().contains(port_))
        return;
    const QString gone = port_;
    close();
    portLost(gone);
}

void SystemMidiInput::received(double, std::vector<unsigned char>* message, void* self) {
    // RtMidi's thread: copy the message and hand it to the owner's thread.
    auto* input = static_cast<SystemMidiInput*>(self);
    const QByteArray bytes(reinterpret_cast<const char*>(message->data()),
                           static_cast<qsizetype>(message->size()));
    QMetaObject::invokeMethod(
        input, [input, bytes] { input->deliver(bytes); }, Qt::QueuedConnection);
}

} // namespace midi
