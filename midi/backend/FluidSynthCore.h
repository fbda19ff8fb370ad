#pragma once

#include "SynthCore.h"

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace midi {

// The synthesizer on FluidSynth, its own locking off (one thread at a time calls it, as the
// synthesizer's guard arranges), its samples loaded per preset only when pinned.
class FluidSynthCore final : public SynthCore {
public:
    FluidSynthCore(int sampleRate, bool effects);
    ~FluidSynthCore() override;

    FluidSynthCore(const FluidSynthCore&) = delete;
    FluidSynthCore& operator=(const FluidSynthCore&) = delete;

    bool valid() const override { return synth_ != nullptr; }
    int sampleRate() const override { return sampleRate_; }

    bool loadSoundFont(const QString& path, QString* error) override;
    bool hasSoundFont() const override { return soundFontId_ >= 0; }
    std::vector<PresetId> presets() const override;

    bool pin(PresetId preset) override;
    void unpin(PresetId preset) override;

    void message(uint32_t message) override;
    void select(int channel, PresetId preset) override;
    void unselect(int channel) override;
    void longMessage(const uint8_t* data, std::size_t size) override;
    void releaseAll() override;
    void reset() override;
    int activeVoices() override;

    void render(int frames, float* left, float* right) override;

private:
    int sampleRate_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    int soundFontId_ = -1;
};

} // namespace midi
