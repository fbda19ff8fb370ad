#pragma once

#include "KeyLimits.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <atomic>
#include <chrono>
#include <utility>
#include <vector>

namespace midi {

// Where the built-in synthesizer sends its sound.
enum class AudioOutput {
    Device, // the system's audio output; silent (but timed) when there is none
    File,   // a WAV file, written in real time (--audio-file)
    Silent, // no sound at all, events still timed in real time (tests)
};

struct SynthOptions {
    AudioOutput output = AudioOutput::Device;
    QString audioFile; // for AudioOutput::File
    QString soundFont; // empty: the system's General MIDI SoundFont
    int sampleRate = 48000;
    QStringList audioDrivers; // FluidSynth drivers to try; empty: pulseaudio, then alsa
    // The synthesizer starts loading only with warmUpBuiltinSynth() (a program calls it once
    // its window is painted); messages sent before wait for it and sound as soon as it is ready.
    bool startOnWarmUp = false;
    // The keys the program plays: only their sounds are loaded.
    KeyLimits keys;
};

// Must be called, if at all, before the first use of any device.
void configureBuiltinSynth(const SynthOptions& options);

// Starts loading the synthesizer and opening the audio output in the background.
// Calling it early makes the first note quick.
void warmUpBuiltinSynth();

// The programs `channel` (0..15) of the built-in synthesizer is about to use: their sounds are
// loaded ahead, so that the first note of each is on time. Those named for the channel before
// and not now are let go once they have fallen silent. A program selected without being named
// here is loaded when first selected (its message then sounds a little late) and kept while the
// channel keeps using it.
void prepareBuiltinSynthPrograms(int channel, const QList<int>& programs);

// Starts the built-in synthesizer if need be and waits (without the event loop) until it has
// loaded its SoundFont and the sounds named ahead (prepareBuiltinSynthPrograms), and its output
// is on its way, or it has settled for silence; false after `timeout`.
bool waitForBuiltinSynth(std::chrono::milliseconds timeout);

// Ends the built-in synthesizer's threads as a program ends, allowing them `grace` in all to
// finish what they are doing (reading the SoundFont, reaching the sound server). False when
// some were still busy: the program should then end at once, without tearing down the
// libraries they use under them. Nothing sounds afterwards.
bool endBuiltinSynth(std::chrono::milliseconds grace);

// Steady-clock time of the first frame the built-in synthesizer wrote into its audio file
// (AudioOutput::File), so that a frame of the file can be placed in time.
std::chrono::steady_clock::time_point builtinSynthClockStart();

// Whether the built-in synthesizer's audio output stream is open right now: it closes when
// nothing has sounded for a few seconds and opens again with the next note.
bool builtinSynthOutputOpen();

// What the built-in synthesizer's audio thread reports about itself, for measurements.
struct AudioThreadFigures {
    double longestCycleMs = 0;    // the longest single cycle of the audio thread since the reset
    double longestCycleCpuMs = 0; // the most CPU time a single cycle used since the reset
    int threadId = 0;             // the system id of the audio thread now, 0 before it has run
    long long cycles = 0;         // cycles since the reset, and those longer than 1, 2, 10 ms
    long long cyclesOver1Ms = 0, cyclesOver2Ms = 0, cyclesOver10Ms = 0;
    long long waitsInCycles = 0; // times the thread slept inside a cycle since the reset
    double latestWakeupMs = 0;   // how late its own timer woke it at worst
    long long wakeupsLateOver2Ms = 0;
    long long underflows = 0; // times the sound server had nothing of ours to play
    std::vector<std::chrono::steady_clock::time_point> underflowTimes; // the first ones
    // The first wakeups of its own timer over 10 ms late: when each was due, and how late.
    std::vector<std::pair<std::chrono::steady_clock::time_point, double>> lateWakeups;
};
AudioThreadFigures builtinSynthAudioFigures();
// The audio thread's system id while it is inside a cycle, 0 between cycles: a measurement
// that sees every allocation or lock of the process counts those of the audio thread's cycles.
const std::atomic<int>& builtinSynthCycleThread();
// Starts the figures afresh, CPU time included from now on.
void resetBuiltinSynthAudioFigures();

// Reports, once, why the built-in synthesizer cannot be heard. Signals arrive on the UI
// thread. Programs connect to it to tell the student in a message box.
class SynthStatus : public QObject {
    Q_OBJECT
public:
    static SynthStatus& instance();

    // Empty while sound is (or may still become) available.
    QString unavailableReason() const;
    bool ready() const; // the SoundFont is loaded and the output runs

signals:
    void soundUnavailable(const QString& reason);
    void becameReady();

private:
    friend class SynthEngine;
    SynthStatus() = default;
    void reportUnavailable(const QString& reason);
    void reportReady();
    QString reason_;
    bool ready_ = false;
    bool reported_ = false;
};

// Finds the system's General MIDI SoundFont: default-GM.sf2, then FluidR3_GM, then
// TimGM6mb. Empty when none is installed.
QString findGeneralMidiSoundFont();

} // namespace midi
