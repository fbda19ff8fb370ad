// How soon Beatwise answers a student: the time from starting the program to its first painted
// window (against an empty Qt main window started in turn with it), how long it takes to end,
// its memory with a sound server running, and the time from the "Yes" of "Are You certain?" to
// the first sample of the count-in on the built-in synthesizer.
//
// The second figure comes from the real window, the real note-string player and the built-in
// synthesizer writing into a WAV file in real time: the moment Yes is answered is taken on the
// steady clock, the count-in's first audible frame is found in the file, and the synthesizer's
// clockStart() turns that frame into steady-clock time.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "AudioOnsets.h"
#include "BenchOptions.h"
#include "BenchSupport.h"
#include "Clock.h"
#include "MersenneRandom.h"
#include "MidiGenPlayer.h"
#include "ModalDialogs.h"
#include "ScoreStore.h"
#include "StartupFigures.h"
#include "SystemClock.h"
#include "TGradBtn.h"
#include "TMidiGen.h"
#include "TRhytm7.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <vector>

using bench::pause;

namespace {

using SteadyClock = std::chrono::steady_clock;

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
        midiGen.SetChannel(mgCh10); // as the program's own window sets its player
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

    return bench::momentsToOnsetMs(wavPath, yesTimes);
}

} // namespace

int main(int argc, char** argv) {
    if (!bench::hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    if (const auto status = bench::readOptions(
            parser, QStringLiteral("Times Beatwise's start, end and first count-in, and takes "
                                   "its memory with a sound server running.")))
        return *status;

    const int runs = 10;
    const bench::StartupFigures startup = bench::measureStartup(
        BEATWISE_PROGRAM, EMPTY_WINDOW_PROGRAM, runs, {EXIT_CHOOSER, "StartButton"});

    const QString wavPath = QDir::temp().filePath(
        QStringLiteral("beatwise-startup-%1.wav").arg(QCoreApplication::applicationPid()));
    const double loadMs = bench::startSynthIntoWav(wavPath);
    const bool ready = loadMs >= 0;

    const int trials = 8;
    const bench::Summary yes =
        bench::summarise(ready ? yesToCountInMs(wavPath, trials) : std::vector<double>{});
    QFile::remove(wavPath);

    startup.print(QStringLiteral("beatwise"));
    std::printf("built-in synthesizer ready (SoundFont loaded, WAV output running) after "
                "%.1f ms\n",
                loadMs);
    if (!ready)
        std::printf("the built-in synthesizer did not become ready: no count-in measured\n");
    std::printf("\"Yes\" to the first sample of the count-in: median %.2f ms, mean %.2f ms "
                "(min %.2f, max %.2f) over %zu of %d questions\n",
                yes.median, yes.mean, yes.min, yes.max, yes.count, trials);
    std::printf("{\"startup_to_first_paint_ms\": %.1f, \"startup_runs\": %d, "
                "\"empty_window_ms\": %.1f, \"startup_ratio_to_empty_window\": %.3f, "
                "\"text_window_ms\": %.1f, \"startup_ratio_to_text_window\": %.3f, "
                "\"exit_after_first_paint_ms\": %.1f, \"exit_ms\": %.1f, \"exit_ms_max\": %.1f, "
                "\"exit_while_starting_ms_max\": %.1f, \"rss_mb_with_sound_server\": %.1f, "
                "\"rss_mb_anonymous\": %.1f, \"rss_mb_sound_libraries\": %.1f, "
                "\"yes_to_count_in_ms\": %.2f, \"yes_to_count_in_ms_max\": %.2f, "
                "\"yes_trials\": %zu, \"synth_ready_ms\": %.1f}\n",
                startup.programMs, startup.runs, startup.emptyWindowMs, startup.ratioToEmptyWindow,
                startup.textWindowMs, startup.ratioToTextWindow, startup.exitMs, startup.fileExitMs,
                startup.fileExitMaxMs, startup.startingExitMaxMs, startup.rssMbWithSoundServer,
                startup.rssMbAnonymous, startup.rssMbSoundLibraries, yes.median, yes.max, yes.count,
                loadMs);
    return 0;
}
