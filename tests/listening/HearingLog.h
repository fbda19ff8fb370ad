#pragma once

#include "HeardNote.h"
#include "SingingAnalyser.h"
#include "TunerReading.h"

#include <span>
#include <vector>

namespace recordings {

// What a singing analyser heard: its notes and tuner readings, in order.
struct HearingLog {
    std::vector<listening::HeardNote> notes;
    std::vector<listening::TunerReading> readings;

    void attach(listening::SingingAnalyser& analyser) {
        QObject::connect(&analyser, &listening::SingingAnalyser::heard,
                         [this](const listening::HeardNote& n) { notes.push_back(n); });
        QObject::connect(&analyser, &listening::SingingAnalyser::tunerReading,
                         [this](const listening::TunerReading& r) { readings.push_back(r); });
    }
};

// What a fresh analyser with `rules` hears in mono sound fed to it from the start of listening.
HearingLog hear(std::span<const float> mono, int sampleRate,
                const listening::SingingRules& rules = {});

} // namespace recordings
