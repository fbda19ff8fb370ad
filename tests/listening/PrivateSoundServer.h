#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>

// A PulseAudio server of the test's own, in its own runtime folder, with a null sink named
// "singing": what is played into it can be heard from its monitor. The process's environment
// points at it, so set it up before anything talks to a sound server. Other servers on the
// machine are left alone; this one is stopped when the object goes.
class PrivateSoundServer {
public:
    PrivateSoundServer();
    ~PrivateSoundServer();

    // Starts the server; false when it cannot be started (no pulseaudio installed).
    bool start();
    // Runs pactl with `arguments`; its output, or nothing when it fails.
    std::optional<QString> pactl(const QStringList& arguments) const;
    // A source reading the sink's monitor, as a microphone would deliver it (sound inputs do not
    // list a monitor); its module number, or -1.
    int addMicrophone(const QString& name, const QString& description) const;
    bool removeModule(int module) const;
    // Starts playing a WAV file into the sink.
    bool startPlaying(const QString& path);

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess player_;
};
