#pragma once

#include "BuiltinSynth.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <gtest/gtest.h>

// What the sound tests share: they record the built-in synthesizer into a WAV file of their own
// while real time passes.
namespace soundtest {

// The WAV file of this test program: "<name>-<pid>.wav" in the temporary folder.
inline QString audioPath(const QString& name) {
    return QDir::temp().filePath(
        QStringLiteral("%1-%2.wav").arg(name).arg(QCoreApplication::applicationPid()));
}

// Lets `ms` milliseconds pass with the event loop running.
inline void pause(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

// Runs the tests with the built-in synthesizer writing into audioPath(name), loading the sounds
// of `keys` only, as the program does.
inline int runRecording(int argc, char** argv, const QString& name,
                        const midi::KeyLimits& keys = {}) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = audioPath(name);
    options.keys = keys;
    midi::configureBuiltinSynth(options);
    midi::warmUpBuiltinSynth();
    return RUN_ALL_TESTS();
}

} // namespace soundtest
