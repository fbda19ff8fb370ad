// How soon Beatwise answers a student: the time from starting the program to its first painted
// window, and the time from the "Yes" of "Are You certain?" to the first sample of the count-in
// on the built-in synthesizer.
//
// The second figure comes from the real window, the real note-string player and the built-in
// synthesizer writing into a WAV file in real time: the moment Yes is answered is taken on the
// steady clock, the count-in's first audible frame is found in the file, and the synthesizer's
// clockStart() turns that frame into steady-clock time.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "Clock.h"
#include "MersenneRandom.h"
#include "MidiGenPlayer.h"
#include "ModalDialogs.h"
#include "ScoreStore.h"
#include "SystemClock.h"
#include "TGradBtn.h"
#include "TMidiGen.h"
#include "TRhytm7.h"
#include "WavFile.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

using bench::pause;

namespace {

using SteadyClock = std::chrono::steady_clock;

// Sample values (16-bit scale) at or below this are silence.
constexpr float kSilence = 8.0f;
// How long before the Yes an onset is still looked for.
constexpr double kEarlyOnsetSeconds = 0.020;

// The window's boxes for a student who answers every question with Yes at once; it notes when.
class PromptStudent final : public ModalDialogs {
public:
    std::vector<SteadyClock::time_point> yesTimes;

    bool confirm(const QString&) override {
        yesTimes.push_back(SteadyClock::now());
        return true;
    }
    void information(const QString&) override {}
    void error(const QString& text) override {
        std::fprintf(stderr, "beatwise_startup: %s\n", qPrintable(text));
    }
};

// Whether every sample of the `frames` frames before `end` is below `threshold`.
bool silentBefore(const std::vector<float>& samples, int channels, std::size_t end,
                  std::size_t frames, float threshold) {
    const std::size_t begin = end > frames ? end - frames : 0;
    for (std::size_t i = begin * channels; i < end * channels && i < samples.size(); ++i)
        if (std::fabs(samples[i]) > threshold)
            return false;
    return true;
}

// Runs `trials` questions in the real window: "Next Question", Yes, the first count-in beat,
// "Stop/Repeat", a pause for silence. Returns the milliseconds from each Yes to the first
// audible frame after it. The onset is looked for from a little before the Yes: when the audio
// thread wakes late, it renders the count-in into a block whose time has already passed, and
// the figure comes out slightly negative. A question whose Yes did not fall into silence is
// left out.
std::vector<double> yesToCountInMs(const QString& wavPath, int trials) {
    QTemporaryDir scoreRoot;
    scores::ScoreStore store(scoreRoot.path());
    PromptStudent student;
    MersenneRandom random;
    SystemClock clock;
    std::vector<SteadyClock::time_point> yesTimes;
    {
        TMidiGen midiGen;
        MidiGenPlayer player(midiGen);
        TRhytm7 window(student, player, random, clock, store);
        student.attach(&window, window.ScoreRecord);
        window.show();
        pause(500);
        for (int i = 0; i < trials; ++i) {
            pause(1500); // the previous count-in has died away
            window.StartButton->Click();
            pause(300);
            if (midiGen.IsPlaying())
                window.Repetir->Click();
        }
        pause(1000);
        yesTimes = student.yesTimes;
        window.close();
    }

    std::vector<double> latencies;
    midi::WavData wav;
    if (!midi::readWav(wavPath, wav) || wav.channels <= 0)
        return latencies;
    const std::vector<float> samples(wav.samples.begin(), wav.samples.end());
    const auto clockStart = midi::builtinSynthClockStart();
    for (const auto& yes : yesTimes) {
        const double atYes = std::chrono::duration<double>(yes - clockStart).count();
        const auto from =
            static_cast<std::size_t>(std::max(0.0, (atYes - kEarlyOnsetSeconds) * wav.sampleRate));
        if (!silentBefore(samples, wav.channels, from, wav.sampleRate / 10, kSilence))
            continue;
        const long onset = midi::firstNonSilentFrame(samples, wav.channels, kSilence, from);
        if (onset >= 0)
            latencies.push_back((onset / double(wav.sampleRate) - atYes) * 1000.0);
    }
    return latencies;
}

} // namespace

int main(int argc, char** argv) {
    if (!bench::hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    const int runs = 5;
    const bench::Summary startup =
        bench::summarise(bench::startupToFirstPaintMs(BEATWISE_PROGRAM, runs));

    const QString wavPath = QDir::temp().filePath(
        QStringLiteral("beatwise-startup-%1.wav").arg(QCoreApplication::applicationPid()));
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = wavPath;
    midi::configureBuiltinSynth(options);
    QElapsedTimer loading;
    loading.start();
    midi::warmUpBuiltinSynth();
    const bool ready = midi::waitForBuiltinSynth(std::chrono::seconds(30));
    const double loadMs = loading.nsecsElapsed() / 1e6;

    const int trials = 8;
    const bench::Summary yes =
        bench::summarise(ready ? yesToCountInMs(wavPath, trials) : std::vector<double>{});
    QFile::remove(wavPath);

    std::printf("beatwise start to first painted window: median %.1f ms (min %.1f, max %.1f) "
                "over %zu starts\n",
                startup.median, startup.min, startup.max, startup.count);
    std::printf("built-in synthesizer ready (SoundFont loaded, WAV output running) after "
                "%.1f ms\n",
                loadMs);
    if (!ready)
        std::printf("the built-in synthesizer did not become ready: no count-in measured\n");
    std::printf("\"Yes\" to the first sample of the count-in: median %.2f ms, mean %.2f ms "
                "(min %.2f, max %.2f) over %zu of %d questions\n",
                yes.median, yes.mean, yes.min, yes.max, yes.count, trials);
    std::printf("{\"startup_to_first_paint_ms\": %.1f, \"startup_runs\": %zu, "
                "\"yes_to_count_in_ms\": %.2f, \"yes_to_count_in_ms_max\": %.2f, "
                "\"yes_trials\": %zu, \"synth_ready_ms\": %.1f}\n",
                startup.median, startup.count, yes.median, yes.max, yes.count, loadMs);
    return 0;
}
