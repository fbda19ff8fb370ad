#pragma once

#include "HeardNote.h"
#include "SingingAnalyser.h"
#include "TunerReading.h"

#include <QObject>

#include <memory>
#include <span>
#include <vector>

namespace recordings {

// What a singing analyser heard: its notes and tuner readings, in order. They are taken on the
// thread that made the log: at once when the sound is fed on that thread, queued when it comes
// from the microphone's worker.
struct HearingLog {
    std::vector<listening::HeardNote> notes;
    std::vector<listening::TunerReading> readings;

    void attach(listening::SingingAnalyser& analyser) {
        QObject::connect(&analyser, &listening::SingingAnalyser::heard, receiver.get(),
                         [this](const listening::HeardNote& n) { notes.push_back(n); });
        QObject::connect(&analyser, &listening::SingingAnalyser::tunerReading, receiver.get(),
                         [this](const listening::TunerReading& r) { readings.push_back(r); });
    }

private:
    std::unique_ptr<QObject> receiver = std::make_unique<QObject>();
};

// What a fresh analyser with `rules` hears in mono sound fed to it from the start of listening.
HearingLog hear(std::span<const float> mono, int sampleRate,
                const listening::SingingRules& rules = {});

} // namespace recordings
