#include "SoftClock.h"

#include <algorithm>

namespace midi {

SoftClock::SoftClock(BlockRenderer& renderer, StreamPlayer& player, int sampleRate, bool render)
    : renderer_(renderer), player_(player), rate_(sampleRate), render_(render),
      start_(std::chrono::steady_clock::now()), startFrame_(renderer.frame()) {
    if (render_) {
        left_.resize(StepFrames);
        right_.resize(StepFrames);
    }
    thread_ = std::thread([this] { run(); });
}

SoftClock::~SoftClock() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wakeUp_.notify_one();
    thread_.join();
}

void SoftClock::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeUp_.notify_one();
}

int64_t SoftClock::present() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return startFrame_ +
           std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count() * rate_ / 1000000;
}

// Plays everything up to the present.
void SoftClock::catchUp() {
    const int64_t target = present();
    if (!player_.busy())
        renderer_.skipTo(target);
    while (renderer_.frame() < target) {
        const int frames =
            static_cast<int>(std::min<int64_t>(StepFrames, target - renderer_.frame()));
        if (render_) {
            std::fill(left_.begin(), left_.end(), 0.0f);
            std::fill(right_.begin(), right_.end(), 0.0f);
            renderer_.render(frames, left_.data(), right_.data());
        } else {
            renderer_.render(frames, nullptr, nullptr);
        }
    }
}

void SoftClock::run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        woken_ = false;
        lock.unlock();
        catchUp();
        const bool idle = !player_.busy() && !player_.commandsWaiting();
        lock.lock();
        if (quit_ || woken_)
            continue;
        if (idle) {
            wakeUp_.wait(lock, [this] { return quit_ || woken_; });
        } else {
            const auto due = std::chrono::steady_clock::now() +
                             std::chrono::microseconds(StepFrames * 1000000LL / rate_);
            wakeUp_.wait_until(lock, due, [this] { return quit_ || woken_; });
        }
    }
}

} // namespace midi
