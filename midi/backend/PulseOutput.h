#pragma once

#include "AudioOutput.h"

#include <memory>

namespace midi {

// The sound server through its native protocol (PulseAudio, or PipeWire's service of it).
// Null when it cannot be reached.
std::unique_ptr<AudioOutputStream> openPulseOutput(int sampleRate, RenderFunction render,
                                                   void* context, AudioCycleFigures* figures);

} // namespace midi
