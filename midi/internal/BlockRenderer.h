#pragma once

#include "PresetState.h"
#include "StreamPlayer.h"
#include "SynthCore.h"
#include "SynthDevice.h"

#include <atomic>

namespace midi {

// Plays a player's streams and messages on the audio clock: before each of the
// synthesizer's 64-frame blocks it carries out the waiting commands and applies every event
// whose time is nearer that block's start than the next one, so an event sounds within half
// a block of its time, whatever length the audio driver asks for. It runs on one thread at a
// time and never waits: the audio callback, the offline renderer and the silent clock all
// come through here. While the loader holds the synthesizer's guard (pinning a sound), it
// renders on and leaves the commands and events for the next block: they come late, the sound
// never does.
class BlockRenderer final {
public:
    // Without a synthesizer the clock runs and streams play, but nothing sounds.
    BlockRenderer(StreamPlayer& player) : player_(player) {}
    BlockRenderer(SynthCore& synth, StreamPlayer& player, SynthDevice& device, PresetsInUse& inUse)
        : synth_(&synth), player_(player), device_(&device), inUse_(&inUse) {}

    // Renders `frames` frames into zeroed buffers; with null buffers nothing is rendered
    // but every command and event is carried out all the same.
    void render(int frames, float* left, float* right);

    // Moves the clock forward to the block that holds `frame` without playing anything
    // (nothing may be running).
    void skipTo(int64_t frame);

    int64_t frame() const { return frame_; }

    // Any thread: the clock's frame after the last rendering, and the last frame at which
    // anything was playing or sounding.
    int64_t publishedFrame() const { return publishedFrame_.load(std::memory_order_acquire); }
    int64_t lastActiveFrame() const { return lastActive_.load(std::memory_order_acquire); }

private:
    bool playBlock(int64_t limit);

    SynthCore* const synth_ = nullptr;
    StreamPlayer& player_;
    SynthDevice* const device_ = nullptr;
    PresetsInUse* const inUse_ = nullptr;
    SilentDevice silent_;
    int64_t frame_ = 0;
    std::atomic<int64_t> publishedFrame_{0};
    std::atomic<int64_t> lastActive_{0};
};

} // namespace midi
