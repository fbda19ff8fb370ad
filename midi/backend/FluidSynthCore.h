#pragma once

#include "SoundFontFile.h"
#include "SynthCore.h"

#include <array>
#include <atomic>
#include <string>
#include <vector>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

namespace midi {

// The synthesizer on FluidSynth, its own locking off (one thread at a time calls it, as the
// synthesizer's guard arranges). It never loads the whole SoundFont: each preset, when first
// pinned, is loaded as a view of its own (see sf2::SoundFontView) holding that preset alone and
// only its zones for the keys in use; the view stays loaded, and its samples are loaded only
// while it is pinned.
class FluidSynthCore final : public SynthCore {
public:
    FluidSynthCore(int sampleRate, bool effects);
    ~FluidSynthCore() override;

    FluidSynthCore(const FluidSynthCore&) = delete;
    FluidSynthCore& operator=(const FluidSynthCore&) = delete;

    bool valid() const override { return synth_ != nullptr; }
    int sampleRate() const override { return sampleRate_; }

    bool loadSoundFont(const QString& path, QString* error) override;
    bool hasSoundFont() const override { return soundFont_.isRead(); }
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
    // Loader thread: the synthesizer's number for the preset's view, loading it the first time.
    int viewOf(PresetId preset);

    int sampleRate_;
    _fluid_hashtable_t* settings_ = nullptr;
    _fluid_synth_t* synth_ = nullptr;
    sf2::SoundFontFile soundFont_;
    std::string soundFontPath_;
    // The loaded view of each preset; written by the loader before the preset counts as pinned,
    // read by the audio thread when it selects the preset.
    std::array<std::atomic<int>, PresetIdCount> views_;
    std::vector<std::string> viewNames_;
};

} // namespace midi
