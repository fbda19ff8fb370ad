#pragma once

#include "MidiInput.h"

#include <QObject>
#include <QTimer>

#include <memory>

class RtMidiIn;

namespace midi {

// The system's MIDI input ports (ALSA sequencer through RtMidi). Messages arrive on RtMidi's
// thread and are queued to this object's thread. Timing, system exclusive and active sensing
// messages are dropped at the source. While a port is open it is looked for once a second, so
// that an unplugged keyboard is noticed. A machine without a sequencer has no ports.
class SystemMidiInput final : public QObject, public MidiInput {
    Q_OBJECT
public:
    explicit SystemMidiInput(QObject* parent = nullptr);
    ~SystemMidiInput() override;

    QStringList ports() const override;
    bool open(const QString& port, QString* error) override;
    void close() override;
    QString openPort() const override { return port_; }

private:
    void checkPort();
    static void received(double stamp, std::vector<unsigned char>* message, void* self);

    std::unique_ptr<RtMidiIn> in_;
    QString port_;
    QTimer watch_;
};

} // namespace midi
