#pragma once

#include "BlockRenderer.h"
#include "BuiltinSynth.h"
#include "SynthCore.h"
#include "Timeline.h"
#include "WavFile.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>
#include <variant>
#include <vector>

struct _fluid_audio_driver_t;

namespace midi {

// The process's built-in General MIDI synthesizer: one FluidSynth instance, its audio
// output (sound card, real-time WAV file, or none) and the timeline on which streams of
// the built-in device are played. It starts in the background: the SoundFont loads
// without blocking the caller, and messages sent before it is ready wait for it.
class SynthEngine {
public:
    static SynthEngine& instance();
    static bool configure(const SynthOptions& options); // false once started

    ~SynthEngine();

    void start(); // idempotent

    Timeline& timeline() { return timeline_; }
    int sampleRate() const { return options_.sampleRate; }

    void sendShort(uint32_t message);
    void sendLong(const QByteArray& data);
    void resetOutput();

    // Steady-clock time of the audio clock's frame 0 and whether the clock is an audio
    // clock (sound card or file) rather than the silent timing thread; for measurements.
    std::chrono::steady_clock::time_point clockStart() const;
    bool waitUntilReady(std::chrono::milliseconds timeout);

private:
    SynthEngine();
    void initialise();
    bool openDeviceOutput(QString* reason);
    bool openFileOutput(QString* reason);
    void runFileOutput();
    void fallBackToSilence();
    void becomeReady();
    static int deviceCallback(void* data, int len, int nfx, float* fx[], int nout, float* out[]);

    struct Reset {};
    using Pending = std::variant<uint32_t, QByteArray, Reset>;
    void apply(const Pending& message);

    SynthOptions options_;
    Timeline timeline_;
    std::unique_ptr<SynthCore> core_;
    std::unique_ptr<BlockRenderer> renderer_;
    _fluid_audio_driver_t* driver_ = nullptr;
    std::unique_ptr<TimingThread> silentClock_;
    std::unique_ptr<WavStreamWriter> file_;
    std::thread loader_;
    std::thread fileThread_;
    std::atomic<bool> quit_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> ready_{false};  // messages go straight to the synthesizer
    std::atomic<bool> silent_{false}; // nothing can be heard; messages are dropped
    std::chrono::steady_clock::time_point clockStart_;

    std::mutex pendingMutex_;
    std::vector<Pending> pending_;
    std::condition_variable readyChanged_;
};

} // namespace midi
