#pragma once

#include "AudioOutput.h"
#include "BlockRenderer.h"
#include "BuiltinSynth.h"
#include "StreamPlayer.h"
#include "SynthCore.h"
#include "WavFile.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QObject;
class QTimer;

namespace midi {

class SoftClock;

// The process's built-in General MIDI synthesizer: one FluidSynth instance, its audio
// output (sound server or card, real-time WAV file, or none) and the player whose streams
// and messages it plays. It starts in the background: the SoundFont loads without blocking
// the caller, and messages sent before it is ready wait in the player's queue.
//
// The UI thread sends; the audio thread carries out (see StreamPlayer and BlockRenderer).
// The output stream closes when nothing has sounded for a few seconds and opens again with
// the next message; a sound server that goes away leaves a silent clock running in its
// place until it can be reached again.
class SynthEngine {
public:
    static SynthEngine& instance();
    static bool configure(const SynthOptions& options); // false once started

    ~SynthEngine();

    void start(); // idempotent

    StreamPlayer& player() { return player_; }
    int sampleRate() const { return options_.sampleRate; }

    // UI thread. False when the player's queue is full (the message is not sent).
    bool sendShort(uint32_t message);
    bool sendLong(const QByteArray& data);
    bool resetOutput();
    // UI thread, after sending anything to player(): the playing side looks at it now,
    // opening the output again if it was paused.
    void wake();

    // Steady-clock time of the audio clock's frame 0 (the WAV file output); for measurements.
    std::chrono::steady_clock::time_point clockStart() const;
    bool waitUntilReady(std::chrono::milliseconds timeout);
    // Whether the audio output stream is open (it pauses while idle).
    bool outputOpen() const;
    AudioCycleFigures& cycleFigures() { return cycleFigures_; }

private:
    enum class Clock { None, Device, File, Soft };

    SynthEngine();
    void initialise();
    bool openDevice(QString* reason);
    void closeDevice();
    void startSoftClock(SynthCore* synth);
    void stopSoftClock();
    void watchOutput(bool on);
    void checkOutput();
    bool openFileOutput(QString* reason);
    void runFileOutput();
    void fallBackToSilence();
    void becomeReady();
    static void renderDevice(void* engine, int frames, float* left, float* right);

    SynthOptions options_;
    StreamPlayer player_;
    std::unique_ptr<SynthCore> core_;
    std::unique_ptr<BlockRenderer> renderer_;
    std::thread loader_;
    std::thread fileThread_;
    std::unique_ptr<WavStreamWriter> file_;
    std::atomic<bool> quit_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> ready_{false}; // the audio thread may use the synthesizer
    std::chrono::steady_clock::time_point clockStart_;

    // The output; changed by the loader and the UI thread, never by the audio thread.
    mutable std::mutex outputMutex_;
    Clock clock_ = Clock::None;
    std::unique_ptr<AudioOutputStream> output_;
    std::unique_ptr<SoftClock> softClock_;
    bool silent_ = false;     // no synthesizer output at all: the soft clock for good
    bool serverLost_ = false; // the output went away; retried on later messages
    std::chrono::steady_clock::time_point lastRetry_;
    int64_t lastSeenFrame_ = -1;
    int stalledChecks_ = 0;
    std::unique_ptr<QObject> watcher_; // lives on the UI thread
    QTimer* watchTimer_ = nullptr;

    AudioCycleFigures cycleFigures_;
    std::mutex readyMutex_;
    std::condition_variable readyChanged_;
};

} // namespace midi
