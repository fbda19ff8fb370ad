#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace midi {
class MidiInput;
}

// A trainer's way into a MIDI input of the system: the ports there are, the one listened to, the
// preferred one taken without being asked, and a port the student chooses. What arrives goes to
// the handler given at construction; a port that goes away (a keyboard unplugged) is told.
class MidiInputPort {
public:
    MidiInputPort(midi::MidiInput& input, std::function<void(const QByteArray&)> received);
    ~MidiInputPort();
    MidiInputPort(const MidiInputPort&) = delete;
    MidiInputPort& operator=(const MidiInputPort&) = delete;

    // The port went away; the input is closed.
    void onLost(std::function<void(const QString& port)> lost) { lost_ = std::move(lost); }

    QStringList ports() const;
    QString openPort() const;
    // Listens to the preferred port when none is open yet; an instrument that cannot be opened
    // now can still be chosen later.
    void openPreferred();
    // Listens to `port` instead; a port that cannot be opened throws a Failure saying why.
    void open(const QString& port);
    void close();

private:
    midi::MidiInput& input_;
    std::function<void(const QString&)> lost_;
};
