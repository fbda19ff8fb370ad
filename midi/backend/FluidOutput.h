#pragma once

#include "AudioOutput.h"

#include <QString>
#include <memory>

namespace midi {

// One of the synthesizer library's own audio drivers ("alsa" and the others), calling the
// render function from its thread. Null when it cannot be opened.
std::unique_ptr<AudioOutputStream> openFluidOutput(const QString& driver, int sampleRate,
                                                   RenderFunction render, void* context,
                                                   AudioCycleFigures* figures);

} // namespace midi
