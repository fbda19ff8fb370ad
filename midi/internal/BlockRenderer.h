#pragma once

#include "StreamPlayer.h"
#include "SynthCore.h"

#include <atomic>

namespace midi {

// Plays a player's streams and messages on the audio clock: before each of the
// synthesizer's 64-frame blocks it carries out the waiting commands and applies every event
// whose time is nearer that block's start than the next one, so an event sounds within half
// a block of its time, whatever length the audio driver asks for. It runs on one thread at a
// time and never waits: the audio callback, the offline renderer and the silent clock all
// come through here.
class BlockRenderer final : private MessageDevice {
public:
    // `synth` may be null: the clock runs and streams play, but nothing sounds.
    BlockRenderer(SynthCore* synth, StreamPlayer& player) : synth_(synth), player_(player) {}

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
    void message(uint32_t message) override;
    void longMessage(const uint8_t* data, std::size_t size) override;
    void resetOutput() override;

    SynthCore* synth_;
    StreamPlayer& player_;
    int64_t frame_ = 0;
    std::atomic<int64_t> publishedFrame_{0};
    std::atomic<int64_t> lastActive_{0};
};

} // namespace midi
