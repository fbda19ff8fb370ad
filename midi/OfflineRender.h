#pragma once

#include "MidiStream.h"
#include <QString>
#include <vector>

namespace midi {

struct RenderOptions {
    int sampleRate = 48000;
    uint32_t ticksPerQuarter = 50;
    uint32_t microsecondsPerQuarter = 500000;
    double tailSeconds = 1.0;   // rendered after the last event so notes can ring out
    double maxSeconds = 3600.0; // a longer rendering is refused (InvalidParam)
    QString soundFont;          // empty: the system's General MIDI SoundFont
};

// Renders one stream buffer through the built-in synthesizer into a 16-bit stereo WAV
// file, as fast as the machine allows, with no audio device. Tick 0 is sample 0.
// Returns a Result code; `error` receives a readable reason on failure.
int renderStreamToWav(const std::vector<StreamEvent>& events, const QString& path,
                      const RenderOptions& options, QString* error = nullptr);

// The same, into memory: interleaved stereo float samples.
int renderStream(const std::vector<StreamEvent>& events, const RenderOptions& options,
                 std::vector<float>& interleaved, QString* error = nullptr);

} // namespace midi
