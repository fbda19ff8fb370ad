#pragma once

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace midi {

// One FluidSynth instance with a General MIDI SoundFont: applies MIDI messages and
// renders audio in blocks. The built-in synthesizer and the offline renderer both use it.
// FluidSynth's own locking is off: once the SoundFont is loaded, one thread at a time (the
// audio thread) makes every call.
class SynthCore {
public:
    // FluidSynth starts new voices only at the boundaries of its 64-frame blocks.
    static constexpr int BlockFrames = 64;

    explicit SynthCore(int sampleRate);
    ~SynthCore();

    SynthCore(const SynthCore&) = delete;
    SynthCore& operator=(const SynthCore&) = delete;

    bool valid() const { return synth_ != nullptr; }
    int sampleRate() const { return sampleRate_; }

    // Loads a SoundFont (slow: call it off the UI thread). Returns false with a reason.
    bool loadSoundFont(const QString& path, QString* error);
    bool hasSoundFont() const { return soundFontLoaded_; }

    // A packed short message: status | data1 << 8 | data2 << 16.
    void applyShortMessage(uint32_t message);
    // A system-exclusive message, with or without its framing F0 ... F7 bytes.
    void applyLongMessage(const uint8_t* data, std::size_t size);
    // Sustain off and every note released, on every channel.
    void resetOutput();

    // Adds `frames` frames of sound to the two (zeroed) channel buffers.
    void render(int frames, float* left, float* right);
    // Voices still sounding.
    int activeVoices() const;

    _fluid_synth_t* handle() const { return synth_; }
    _fluid_hashtable_t* settings() const { return settings_; }

private:
    int sampleRate_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    bool soundFontLoaded_ = false;
};

// Keeps FluidSynth's own messages off the terminal; the last error is kept for reports.
void quietFluidLogging();
QString lastFluidError();

} // namespace midi
