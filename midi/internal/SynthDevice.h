#pragma once

#include "MidiChannels.h"
#include "PresetState.h"
#include "StreamPlayer.h"
#include "SynthCore.h"

#include <array>
#include <atomic>

namespace midi {

// The synthesizer as the playing side's device, on the audio thread (holding the synthesizer's
// guard): messages go to the synthesizer, and program changes (and a channel's first note) select
// the preset they name, but only once it is pinned; a preset whose samples are not loaded is never
// selected, so that nothing is read from disk here. It tells the loader what is in use.
class SynthDevice final : public MessageDevice {
public:
    SynthDevice(SynthCore& core, const PresetCatalogue& catalogue, const PinnedPresets& pinned,
                PresetsInUse& inUse)
        : core_(core), catalogue_(catalogue), pinned_(pinned), inUse_(inUse) {
        applied_.fill(-1);
    }

    // The clock's frame of the block about to be played.
    void setFrame(int64_t frame) { frame_ = frame; }

    void message(uint32_t message) override;
    void longMessage(const uint8_t* data, std::size_t size) override;
    void resetOutput() override { core_.releaseAll(); }

    // Selections left out because their preset was not pinned (none, when the sending side does
    // its part).
    uint64_t missedSelections() const { return missed_.load(std::memory_order_relaxed); }

private:
    void apply(const MidiChannels::Outcome& outcome);
    void reset();

    SynthCore& core_;
    const PresetCatalogue& catalogue_;
    const PinnedPresets& pinned_;
    PresetsInUse& inUse_;
    MidiChannels channels_;
    std::array<int32_t, 16> applied_{}; // what each channel of the synthesizer has selected
    int64_t frame_ = 0;
    std::atomic<uint64_t> missed_{0};
};

// The device of a clock without a synthesizer: messages are timed and go nowhere.
class SilentDevice final : public MessageDevice {
public:
    void message(uint32_t) override {}
    void longMessage(const uint8_t*, std::size_t) override {}
    void resetOutput() override {}
};

} // namespace midi
