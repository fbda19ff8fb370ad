#pragma once

#include "BlockRenderer.h"
#include "StreamPlayer.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace midi {

// Stands in for the audio output when there is none: plays the player on the steady clock in
// steps of a few blocks, rendering into a scratch buffer (so that the synthesizer's state stays
// right) or into nothing. It sleeps while nothing is playing.
class SoftClock {
public:
    SoftClock(BlockRenderer& renderer, StreamPlayer& player, int sampleRate, bool render);
    ~SoftClock();

    SoftClock(const SoftClock&) = delete;
    SoftClock& operator=(const SoftClock&) = delete;

    // Any thread: look at the player now.
    void wake();

private:
    static constexpr int StepFrames = 4 * SynthCore::BlockFrames;

    int64_t present() const;
    void run();
    void catchUp();

    BlockRenderer& renderer_;
    StreamPlayer& player_;
    const int rate_;
    const bool render_;
    const std::chrono::steady_clock::time_point start_;
    const int64_t startFrame_;
    std::vector<float> left_, right_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace midi
