#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace midi {
class MidiInput;
}

// Taps from a MIDI pad or keyboard on an input port of the system: every note struck is a tap.
// It listens on the port a MIDI keyboard is found on, as the pitch trainer does.
class MidiTapSource {
public:
    MidiTapSource(midi::MidiInput& input, std::function<void()> tapped);
    ~MidiTapSource();
    MidiTapSource(const MidiTapSource&) = delete;
    MidiTapSource& operator=(const MidiTapSource&) = delete;

    // The port went away (a pad unplugged); the input is closed.
    void onLost(std::function<void(const QString& port)> lost) { lost_ = std::move(lost); }
    // Listens to the preferred port when none is open yet; a pad that cannot be opened now is
    // simply not heard.
    void openPreferred();
    QStringList ports() const;
    QString openPort() const;
    // Listens to `port` instead; a port that cannot be opened throws a Failure saying why.
    void open(const QString& port);
    void close();

    // Whether `message` strikes a note: a note-on of any channel with a velocity above 0.
    static bool strikesNote(const QByteArray& message);

private:
    midi::MidiInput& input_;
    std::function<void()> tapped_;
    std::function<void(const QString&)> lost_;
};
