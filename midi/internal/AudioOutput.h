#pragma once

#include <QString>
#include <QStringList>
#include <atomic>
#include <cstdint>
#include <memory>

namespace midi {

// Fills two zeroed channel buffers with `frames` frames. Called on the audio thread; it
// never waits.
using RenderFunction = void (*)(void* context, int frames, float* left, float* right);

// What the audio thread reports about itself, for measurements: the longest single cycle (one
// wakeup that fills the output) and the thread's system id. Written on the audio thread with
// atomics only.
struct AudioCycleFigures {
    std::atomic<int64_t> longestNs{0};
    std::atomic<int> threadId{0};

    void record(int64_t nanoseconds, int thread) {
        threadId.store(thread, std::memory_order_relaxed);
        int64_t longest = longestNs.load(std::memory_order_relaxed);
        while (nanoseconds > longest &&
               !longestNs.compare_exchange_weak(longest, nanoseconds, std::memory_order_relaxed)) {
        }
    }
};

// An open audio output stream that calls a RenderFunction on its own audio thread.
// Closing it (destroying it) joins that thread.
class AudioOutputStream {
public:
    virtual ~AudioOutputStream() = default;
    // The sound server went away or the device failed; the stream plays no more.
    virtual bool failed() const = 0;
};

// The stream's buffering. The audio thread wakes every tick and tops up the level (what is
// written and not yet heard): enough to ride out a late wakeup of the sound server on a
// loaded machine, little enough for a note to sound within 10 ms of its request. The server
// is asked for the same total and keeps part of it in its device's buffer, so its own
// requests for data only come when the level has fallen short.
constexpr int OutputLevelFrames48k = 408;  // 8.5 ms
constexpr int OutputBufferFrames48k = 384; // 8 ms
constexpr int OutputRequestFrames48k = 64; // 1.3 ms: the tick

} // namespace midi
