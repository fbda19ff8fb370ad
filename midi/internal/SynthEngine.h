#pragma once

#include "AudioOutput.h"
#include "BlockRenderer.h"
#include "BuiltinSynth.h"
#include "PresetCatalogue.h"
#include "PresetGate.h"
#include "PresetKeeper.h"
#include "PresetState.h"
#include "StreamPlayer.h"
#include "SynthCore.h"
#include "SynthDevice.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace midi {

class FileOutput;
class OutputService;
class SoftClock;
class SoundBackend;

// The process's built-in General MIDI synthesizer: one synthesizer, its audio output (sound
// server or card, real-time WAV file, or none) and the player whose streams and messages it
// plays. It starts in the background, on a loader thread: the sound module (the synthesizer's
// libraries) is loaded, the synthesizer created and the SoundFont read without holding up the
// caller; messages sent before it is ready wait and play as soon as it is.
//
// The UI thread sends; every command passes the preset gate, which holds back whatever selects
// a sound not yet loaded while the loader pins it; the audio thread carries out (see StreamPlayer
// and BlockRenderer) and never reads the disk. The output's own thread opens and closes it, so
// the UI thread never waits for the sound server.
class SynthEngine {
public:
    static SynthEngine& instance();
    static bool configure(const SynthOptions& options); // false once started

    ~SynthEngine();

    // Starts loading, unless the options defer it until warmUp(). Idempotent.
    void start();
    void warmUp();

    StreamPlayer& player() { return player_; }
    CommandSink& sink() { return gate_; }
    int sampleRate() const { return options_.sampleRate; }

    // UI thread. False when the queue is full (the message is not sent).
    bool sendShort(uint32_t message);
    bool sendLong(const QByteArray& data);
    bool resetOutput();
    // UI thread, after sending anything: the playing side looks at it now, opening the output
    // again if it was paused (without waiting for it).
    void wake();
    void preparePrograms(int channel, const std::vector<int>& programs);

    // Steady-clock time of the audio clock's frame 0 (the WAV file output); for measurements.
    std::chrono::steady_clock::time_point clockStart() const;
    bool waitUntilReady(std::chrono::milliseconds timeout);
    // Whether the audio output stream is open (it pauses while idle).
    bool outputOpen() const;
    AudioCycleFigures& cycleFigures() { return cycleFigures_; }

    // Ends every thread of the synthesizer; false when the loader was busy for longer than
    // `grace` and was left to end by itself (the engine must then not be destroyed).
    bool shutDown(std::chrono::milliseconds grace);

private:
    SynthEngine();
    void load();
    bool createSynth(SoundBackend& backend);
    bool startOutput(SoundBackend& backend);
    void loadSoundFont();
    void runSilently();
    void becomeReady();
    void reportUnavailable(const QString& reason);
    static void renderDevice(void* engine, int frames, float* left, float* right);

    SynthOptions options_;
    StreamPlayer player_;
    PinnedPresets pinned_;
    PresetsInUse inUse_;
    PresetGate gate_;
    PresetKeeper keeper_;
    PresetCatalogue catalogue_;
    std::unique_ptr<SynthCore> core_;
    std::unique_ptr<SynthDevice> device_;
    std::unique_ptr<BlockRenderer> renderer_;
    std::unique_ptr<OutputService> output_;
    std::unique_ptr<FileOutput> file_;
    std::unique_ptr<SoftClock> silentClock_;
    std::atomic<bool> outputReady_{false}; // output_, file_ or silentClock_ is set
    std::thread loader_;
    std::atomic<bool> quit_{false};
    std::atomic<bool> started_{false};
    std::atomic<bool> warmedUp_{false};
    std::atomic<bool> ready_{false}; // the audio thread may use the synthesizer
    std::chrono::steady_clock::time_point clockStart_;
    AudioCycleFigures cycleFigures_;

    std::mutex readyMutex_;
    std::condition_variable readyChanged_;
    bool loaderDone_ = false; // under readyMutex_
};

} // namespace midi
