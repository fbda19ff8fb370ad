#pragma once

#include "MidiStream.h"

#include <QCoreApplication>
#include <QString>
#include <chrono>
#include <functional>
#include <vector>

namespace miditest {

// Runs the Qt event loop until `done` holds or `timeout` passes; returns `done()`.
bool waitFor(const std::function<bool()>& done,
             std::chrono::milliseconds timeout = std::chrono::seconds(10));

// Collects the notices of one stream in order.
struct NoticeLog {
    std::vector<midi::StreamNotice> notices;
    midi::MidiStream::Listener listener() {
        return [this](midi::StreamNotice n) { notices.push_back(n); };
    }
    size_t count(midi::StreamNotice n) const;
};

// A percussion note-on (velocity 127) on the tenth channel, `delta` ticks after the last.
midi::StreamEvent drum(uint32_t delta, uint32_t key, uint32_t velocity = 127);

// Has the built-in synthesizer write what it plays into the WAV file `path` in real time, with
// the system's SoundFont or `soundFont`. Call before any device is used.
void recordBuiltinSynthInto(const QString& path, const QString& soundFont = QString());

// Whether the built-in device takes a note and plays a short stream to its end.
bool builtinDeviceStillWorks();

} // namespace miditest

// Every test program needs an application object for the notices.
#define MIDI_TEST_MAIN(setup)                                                                      \
    int main(int argc, char** argv) {                                                              \
        QCoreApplication app(argc, argv);                                                          \
        ::testing::InitGoogleTest(&argc, argv);                                                    \
        setup;                                                                                     \
        return RUN_ALL_TESTS();                                                                    \
    }
