// How soon Tonewise answers a student: the time from starting the program to its first painted
// window (against an empty Qt main window started in turn with it), how long it takes to end,
// its memory with a sound server running, and the time from a click on the right key to the
// first sample of the next question's note on the built-in synthesizer; and how much memory the
// window takes with the synthesizer.
//
// The second figure comes from the real window, the real MIDI output and the built-in
// synthesizer writing into a WAV file in real time. The window starts as a student finds it
// (C Major, "1,3,5", the tonic C3 to find) with "Sustain Off" chosen, so that every note stops
// 800 ms after it starts and the next one begins in silence. Each trial waits for silence,
// clicks the key of the question note (TGradButton::Click(), the first time C3), and takes that
// moment on the steady clock; the next note's first audible frame is found in the file, and the
// synthesizer's clockStart() turns it into steady-clock time. The next note is scheduled 300 ms
// after a right answer, so the figure beyond that delay is what the program and the sound path
// add. On a busy machine the file's writer can fall behind real time; a note then lands in a
// frame whose time has already passed and that answer comes out short: read the median.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "AudioOnsets.h"
#include "BenchOptions.h"
#include "BenchSupport.h"
#include "MersenneRandom.h"
#include "MidiOut.h"
#include "ModalDialogs.h"
#include "QtTimers.h"
#include "ScoreStore.h"
#include "StartupFigures.h"
#include "SystemClock.h"
#include "TForm1.h"
#include "TGradButton.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cstdio>
#include <string_view>
#include <vector>

using bench::pause;

namespace {

using SteadyClock = std::chrono::steady_clock;

// Boxes for a student who has read the start-up box already: messages are taken as read, and
// nothing is confirmed or typed.
class ReadingStudent final : public ModalDialogs {
public:
    void information(const QString&) override {}
    bool confirm(const QString&) override { return false; }
    std::optional<QString> input(const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    void error(const QString& text) override {
        std::fprintf(stderr, "tonewise_startup: %s\n", qPrintable(text));
    }
};

// Waits, events running, until `done()` holds or `ms` milliseconds have passed.
template <typename Done> bool waitFor(Done done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > ms)
            return false;
        pause(5);
    }
    return true;
}

struct Trials {
    std::vector<SteadyClock::time_point> clicks;
    int scheduledMs = -1;    // the delay of the next note after a right answer
    QString firstAnswer;     // the key clicked first
    bool firstRight = false; // whether that click was counted right
};

// Runs `trials` right answers in the real window; returns when each click was made.
Trials answerQuestions(int trials) {
    QTemporaryDir scoreRoot;
    scores::ScoreStore store(scoreRoot.path());
    ReadingStudent student;
    TMidiOutput output;
    MersenneRandom random;
    SystemClock clock;
    QtTimers timers;
    Trials result;
    {
        TForm1 window(student, output, random, clock, timers, store);
        student.attach(&window, window.ScoreRecord);
        window.trainer().SustainOff1Click();
        window.showState();
        window.show();
        auto quiet = [&window] {
            return !window.trainer().timer1Armed() && !window.trainer().timer2Armed() &&
                   !window.trainer().timer3Armed();
        };
        // Activation sounds the tonic; it is the first question.
        waitFor([&window] { return window.state().QuestionPitch != 0; }, 10000);
        for (int i = 0; i < trials; ++i) {
            waitFor(quiet, 5000);
            pause(1500); // the note was cut; its release and the reverberation die away
            const tonewise::PitchState& state = window.state();
            const QString answer = state.LetterName; // level "1,3,5" in C Major: white keys
            TGradButton* key = window.keyButton(answer);
            if (!key)
                break;
            const int rightBefore = state.CorrectCount;
            result.clicks.push_back(SteadyClock::now());
            key->Click();
            if (i == 0) {
                result.firstAnswer = answer;
                result.firstRight = state.CorrectCount == rightBefore + 1;
            }
            result.scheduledMs = state.Timer1Interval;
        }
        waitFor(quiet, 5000);
        pause(300);
        window.close();
    }
    return result;
}

// What the answers measured, printed with the start-up figures.
void report(const bench::StartupFigures& startup, double loadMs, const Trials& answered,
            const std::vector<double>& clickToNote, int trials, double rss, double programRss) {
    const bench::Summary click = bench::summarise(clickToNote);
    std::vector<double> beyond;
    for (double ms : clickToNote)
        beyond.push_back(ms - answered.scheduledMs);
    const bench::Summary late = bench::summarise(beyond);

    startup.print(QStringLiteral("tonewise"));
    std::printf("built-in synthesizer ready (SoundFont loaded, WAV output running) after "
                "%.1f ms\n",
                loadMs);
    if (loadMs < 0)
        std::printf("the built-in synthesizer did not become ready: no notes measured\n");
    else
        std::printf("first answer: key %s, %s\n", qPrintable(answered.firstAnswer),
                    answered.firstRight ? "counted right" : "NOT counted right");
    std::printf("click on the right key to the first sample of the next note: median %.2f ms, "
                "mean %.2f ms (min %.2f, max %.2f) over %zu of %d answers\n",
                click.median, click.mean, click.min, click.max, click.count, trials);
    std::printf("each answer (ms):");
    for (double ms : clickToNote)
        std::printf(" %.1f", ms);
    std::printf("\n");
    std::printf("the next note is scheduled %d ms after a right answer; beyond that: median "
                "%.2f ms (min %.2f, max %.2f)\n",
                answered.scheduledMs, late.median, late.min, late.max);
    std::printf("peak resident memory: %.1f MB with the window and the synthesizer here; "
                "%.1f MB for the program started on its own (its largest run)\n",
                rss, programRss);
    std::printf("{\"startup_to_window_ms\": %.1f, \"startup_runs\": %d, "
                "\"empty_window_ms\": %.1f, \"startup_ratio_to_empty_window\": %.3f, "
                "\"text_window_ms\": %.1f, \"startup_ratio_to_text_window\": %.3f, "
                "\"exit_after_first_paint_ms\": %.1f, \"exit_ms\": %.1f, \"exit_ms_max\": %.1f, "
                "\"exit_while_starting_ms_max\": %.1f, \"rss_mb_with_sound_server\": %.1f, "
                "\"rss_mb_anonymous\": %.1f, \"rss_mb_sound_libraries\": %.1f, "
                "\"click_to_next_note_ms\": %.2f, \"click_to_next_note_ms_max\": %.2f, "
                "\"latency_beyond_schedule_ms\": %.2f, \"answers\": %zu, "
                "\"synth_ready_ms\": %.1f, \"peak_rss_mb\": %.1f, \"program_peak_rss_mb\": %.1f}\n",
                startup.programMs, startup.runs, startup.emptyWindowMs, startup.ratioToEmptyWindow,
                startup.textWindowMs, startup.ratioToTextWindow, startup.exitMs, startup.fileExitMs,
                startup.fileExitMaxMs, startup.startingExitMaxMs, startup.rssMbWithSoundServer,
                startup.rssMbAnonymous, startup.rssMbSoundLibraries, click.median, click.max,
                late.median, click.count, loadMs, rss, programRss);
}

} // namespace

int main(int argc, char** argv) {
    if (!bench::hasDisplay() && !qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCommandLineParser parser;
    if (const auto status = bench::readOptions(
            parser, QStringLiteral("Times Tonewise's start, end and answers, and takes its "
                                   "memory with a sound server running.")))
        return *status;

    // The probe answers the start-up box as a student would and reports the first paint.
    const int runs = 10;
    const bench::StartupFigures startup = bench::measureStartup(
        TONEWISE_PROGRAM, EMPTY_WINDOW_PROGRAM, runs, {EXIT_CHOOSER, QString()});
    const double programRss = bench::childrenPeakRssMb();

    const QString wavPath = QDir::temp().filePath(
        QStringLiteral("tonewise-startup-%1.wav").arg(QCoreApplication::applicationPid()));
    const double loadMs = bench::startSynthIntoWav(wavPath);

    const int trials = 12;
    Trials answered;
    std::vector<double> clickToNote;
    if (loadMs >= 0) {
        answered = answerQuestions(trials);
        clickToNote = bench::momentsToOnsetMs(wavPath, answered.clicks);
    }
    QFile::remove(wavPath);
    report(startup, loadMs, answered, clickToNote, trials, bench::peakRssMb(), programRss);
    return 0;
}
