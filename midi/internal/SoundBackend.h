#pragma once

#include "AudioOutput.h"
#include "SynthCore.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace midi {

// What the built-in synthesizer needs from the libraries of sound: the synthesizer itself and
// the audio output (the sound server, or a sound card). They live in a module of their own,
// loaded when the synthesizer first starts, so that nothing of them (their libraries included)
// stands between a program's start and its first painted window.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;

    // With `effects`, the synthesizer adds the SoundFont's reverb and chorus. The library works
    // them out in a parallel section that allocates memory on every block, so a synthesizer
    // played by the audio thread has none.
    virtual std::unique_ptr<SynthCore> createSynth(int sampleRate, bool effects) = 0;

    // Opens the first of `drivers` that works ("pulseaudio": the sound server, through its
    // native protocol, also as served by PipeWire; "alsa" and the other names: the synthesizer
    // library's driver of that name). Null with a reason when none opens. Slow (it waits for the
    // server): never on the UI thread.
    virtual std::unique_ptr<AudioOutputStream> openOutput(const QStringList& drivers,
                                                          int sampleRate, RenderFunction render,
                                                          void* context, AudioCycleFigures* figures,
                                                          QString* reason) = 0;

    // The synthesizer library's last error message.
    virtual QString lastError() const = 0;
};

// The sound module, loaded on the first call (slow: call it off the UI thread; thread-safe).
// Null with a reason when it cannot be loaded.
SoundBackend* soundBackend(QString* error = nullptr);

} // namespace midi

// The one function the sound module exports.
extern "C" midi::SoundBackend* beatwiseSoundBackend();
