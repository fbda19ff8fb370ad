#pragma once

#include "KeyLimits.h"
#include "PresetCatalogue.h"
#include "SynthGuard.h"

#include <QString>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace midi {

// One software synthesizer with a General MIDI SoundFont (FluidSynth, in the sound module):
// applies MIDI messages and renders audio in blocks. The built-in synthesizer and the offline
// renderer both use it. Its samples are loaded only for the presets that are pinned, and only
// pinned presets are ever selected; so nothing on the audio thread reads the disk.
//
// Threads: the loader thread loads the SoundFont before the audio thread uses the synthesizer,
// and pins and unpins presets holding guard(); the audio thread applies messages holding
// guard() and renders at any time.
class SynthCore {
public:
    // FluidSynth starts new voices only at the boundaries of its 64-frame blocks.
    static constexpr int BlockFrames = 64;
    // Voices at once: a rhythm or a few notes with their release need far fewer.
    static constexpr int Polyphony = 64;

    virtual ~SynthCore() = default;

    virtual bool valid() const = 0;
    virtual int sampleRate() const = 0;

    // Before the SoundFont is loaded: the keys the presets will play. A preset's sounds for
    // other keys are not loaded, and those keys stay silent.
    void limitKeys(const KeyLimits& limits) { keyLimits_ = limits; }
    const KeyLimits& keyLimits() const { return keyLimits_; }

    // Loader thread: reads the SoundFont's presets (none of their samples). Returns false with
    // a reason.
    virtual bool loadSoundFont(const QString& path, QString* error) = 0;
    virtual bool hasSoundFont() const = 0;
    virtual std::vector<PresetId> presets() const = 0;

    // Loader thread, holding guard(): loads a preset's samples and keeps them; lets them go.
    virtual bool pin(PresetId preset) = 0;
    virtual void unpin(PresetId preset) = 0;

    // Audio thread, holding guard().
    // A short message other than a program change or a system reset.
    virtual void message(uint32_t message) = 0;
    // Selects a pinned preset on a channel, or none.
    virtual void select(int channel, PresetId preset) = 0;
    virtual void unselect(int channel) = 0;
    // A system-exclusive message that is not a reset, with or without its framing bytes.
    virtual void longMessage(const uint8_t* data, std::size_t size) = 0;
    // Sustain off and every note released, on every channel.
    virtual void releaseAll() = 0;
    // Every sound cut and every controller back to its initial value, no preset selected.
    virtual void reset() = 0;
    virtual int activeVoices() = 0;

    // Audio thread, at any time: adds `frames` frames to the two (zeroed) channel buffers.
    virtual void render(int frames, float* left, float* right) = 0;

    SynthGuard& guard() { return guard_; }

private:
    SynthGuard guard_;
    KeyLimits keyLimits_;
};

} // namespace midi
