#pragma once

#include <atomic>
#include <chrono>
#include <thread>

namespace midi {

// Keeps the audio thread's calls into the synthesizer and the loader thread's apart: the loader
// pins and unpins sounds (reading them from disk) while the audio thread only renders. The audio
// thread never waits for it: when the loader holds it, the audio thread renders on and leaves
// its messages for the next block. The loader waits the few microseconds the audio thread holds
// it.
class SynthGuard {
public:
    // Audio thread: false when the loader holds it (nothing is to be applied now).
    bool tryEnterAudio() {
        int free = Free;
        return owner_.compare_exchange_strong(free, Audio, std::memory_order_acquire,
                                              std::memory_order_relaxed);
    }
    // Loader thread.
    void enterLoader() {
        int free = Free;
        while (!owner_.compare_exchange_weak(free, Loader, std::memory_order_acquire,
                                             std::memory_order_relaxed)) {
            free = Free;
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }
    void leave() { owner_.store(Free, std::memory_order_release); }

private:
    enum : int { Free, Audio, Loader };
    std::atomic<int> owner_{Free};
};

// Holds the guard for the loader for as long as it lives.
class LoaderHold {
public:
    explicit LoaderHold(SynthGuard& guard) : guard_(guard) { guard_.enterLoader(); }
    ~LoaderHold() { guard_.leave(); }
    LoaderHold(const LoaderHold&) = delete;
    LoaderHold& operator=(const LoaderHold&) = delete;

private:
    SynthGuard& guard_;
};

} // namespace midi
