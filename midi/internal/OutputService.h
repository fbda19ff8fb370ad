#pragma once

#include "AudioOutput.h"
#include "BlockRenderer.h"
#include "SoftClock.h"
#include "SoundBackend.h"
#include "StreamPlayer.h"

#include <QStringList>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace midi {

// The built-in synthesizer's audio output on a sound server or card, kept by a thread of its
// own so that the UI thread never waits for the server: it opens the output, closes it when
// nothing has sounded for a few seconds, opens it again when something is sent, and when the
// server goes away plays on a silent clock until the server can be reached again. A message
// sent meanwhile waits in the player's queue, or is timed by the silent clock.
class OutputService {
public:
    struct Setup {
        SoundBackend* backend = nullptr;
        QStringList drivers;
        int sampleRate = 48000;
        RenderFunction render = nullptr; // calls the renderer once the synthesizer is ready
        void* context = nullptr;
        AudioCycleFigures* figures = nullptr;
        std::function<bool()> ready;                     // the renderer may be used
        std::function<void(const QString&)> unavailable; // tells the student once
    };

    OutputService(Setup setup, BlockRenderer& renderer, StreamPlayer& player);
    ~OutputService();

    OutputService(const OutputService&) = delete;
    OutputService& operator=(const OutputService&) = delete;

    // Starts the thread, which opens the output at once.
    void start();
    // Waits for that first attempt (or `quit`): whether the output opened.
    bool waitForFirstOpen(const std::atomic<bool>& quit);
    // Any thread, never waiting for the server: something was sent.
    void wake();
    // The output stream is open now.
    bool isOpen() const { return state_.load(std::memory_order_acquire) == State::Open; }
    // Ends the thread and closes the output. False when the thread was busy with the server for
    // longer than `grace`: it is then left to end by itself, and this object must not be
    // destroyed.
    bool stop(std::chrono::milliseconds grace);

private:
    enum class State {
        Closed, // paused while idle (or not opened yet)
        Open,
        Lost,   // the server went away: the silent clock plays, and the output is tried again
        Silent, // no output could be opened at the start: the silent clock, for good
    };

    void run();
    void tryOpen(bool first);
    void watch();
    void closeOutput(State next);
    void startSoftClock(bool render);

    const Setup setup_;
    BlockRenderer& renderer_;
    StreamPlayer& player_;
    std::atomic<State> state_{State::Closed};
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool wanted_ = true; // the output is to open
    bool quit_ = false;
    bool finished_ = false;
    bool tried_ = false;                        // the first attempt to open has been made
    std::unique_ptr<AudioOutputStream> output_; // the thread's own
    std::unique_ptr<SoftClock> softClock_;      // changed by the thread under mutex_
    std::chrono::steady_clock::time_point lastTry_;
    int64_t lastSeenFrame_ = -1;
    int stalledChecks_ = 0;
    std::thread thread_;
};

} // namespace midi
