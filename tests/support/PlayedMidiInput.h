#pragma once

#include "MidiInput.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// A MIDI input the test plays into, with the ports it says there are. Bytes arrive only from the
// open port; unplugging the open port closes it and reports it lost, as a system port does.
class PlayedMidiInput final : public midi::MidiInput {
public:
    explicit PlayedMidiInput(QStringList ports) : available(std::move(ports)) {}

    QStringList available;

    QStringList ports() const override { return available; }
    bool open(const QString& port, QString* error) override {
        if (!available.contains(port)) {
            *error = QStringLiteral("The MIDI input \"%1\" is not connected.").arg(port);
            return false;
        }
        current_ = port;
        return true;
    }
    void close() override { current_.clear(); }
    QString openPort() const override { return current_; }

    void play(int status, int note, int velocity) {
        const char bytes[] = {char(status), char(note), char(velocity)};
        if (!current_.isEmpty())
            deliver(QByteArray(bytes, 3));
    }
    void unplug() {
        const QString port = current_;
        available.removeAll(port);
        close();
        portLost(port);
    }

private:
    QString current_;
};
