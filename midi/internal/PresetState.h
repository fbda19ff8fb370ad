#pragma once

#include "PresetCatalogue.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <optional>

namespace midi {

// Which presets have their samples loaded and pinned. Written by the loader thread; read by the
// sending side, which lets a message through only once the sounds it selects are pinned, and by
// the audio thread, which selects nothing else.
class PinnedPresets {
public:
    enum State : uint8_t {
        NotPinned,
        Pinned,
        Failed, // it could not be loaded: messages for it go through and select nothing
    };

    State state(PresetId preset) const {
        return static_cast<State>(states_[preset].load(std::memory_order_acquire));
    }
    bool isPinned(PresetId preset) const { return state(preset) == Pinned; }
    bool isSettled(PresetId preset) const { return state(preset) != NotPinned; }
    void set(PresetId preset, State state) {
        states_[preset].store(state, std::memory_order_release);
    }

private:
    std::array<std::atomic<uint8_t>, PresetIdCount> states_{};
};

// What the audio thread tells the loader about the presets in use: the preset each channel has
// selected, the clock's frame at the last change of selection, and the latest frame at which
// nothing sounded. Written only by the audio thread, and only while it holds the synthesizer's
// guard; the loader reads it holding the guard, so that it does not change meanwhile.
class PresetsInUse {
public:
    PresetsInUse() {
        for (auto& channel : selected_)
            channel.store(-1, std::memory_order_relaxed);
    }

    void select(int channel, std::optional<PresetId> preset, int64_t frame) {
        const int32_t value = preset ? *preset : -1;
        if (selected_[static_cast<std::size_t>(channel)].exchange(value) != value)
            lastChange_.store(frame, std::memory_order_relaxed);
    }
    void quietAt(int64_t frame) { quiet_.store(frame, std::memory_order_relaxed); }
    void clear(int64_t frame) {
        for (int channel = 0; channel < 16; ++channel)
            select(channel, std::nullopt, frame);
    }

    bool selected(PresetId preset) const {
        for (const auto& channel : selected_)
            if (channel.load(std::memory_order_relaxed) == preset)
                return true;
        return false;
    }
    // Nothing has sounded at some moment since the last change of selection (made at the start
    // of a block, looked at after it): whatever a channel played before has died away.
    bool quietSinceLastChange() const {
        return quiet_.load(std::memory_order_relaxed) >=
               lastChange_.load(std::memory_order_relaxed);
    }

private:
    std::array<std::atomic<int32_t>, 16> selected_;
    std::atomic<int64_t> lastChange_{-2};
    std::atomic<int64_t> quiet_{-1};
};

} // namespace midi
