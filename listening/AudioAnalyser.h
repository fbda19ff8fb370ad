#pragma once

#include <QString>

#include <cstdint>
#include <span>

namespace listening {

// Listens to the microphone's sound block by block, on the capture's worker thread (never on
// the UI or audio thread). Samples are mono, -1..1, at `sampleRate`; `firstFrame` counts the
// frames since listening began, so that whatever an analyser finds can be placed in time.
// Recordings fed offline arrive the same way.
class AudioAnalyser {
public:
    virtual ~AudioAnalyser() = default;
    virtual void analyse(std::span<const float> samples, int sampleRate,
                         std::int64_t firstFrame) = 0;
    // Empty when it can analyse; otherwise why not (a library it needs cannot be opened). Asked
    // on the UI thread before listening begins.
    virtual QString unavailable() const { return {}; }
};

} // namespace listening
