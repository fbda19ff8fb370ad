// Measures the built-in synthesizer through a real sound server: a private PulseAudio with a
// null sink, started and stopped here (user mode, its own runtime folder, real-time scheduling
// where the system allows it). Rhythm questions play while two busy loops load the cores, then a
// pitch-trainer session (wrong answers with their error tone, instrument changes) plays through
// the same server; the sink's monitor is recorded and searched for gaps and onsets. Then the
// program sits idle (its output open, nothing sounding) and the CPU time and wakeups of the
// program and the server are counted; last, one note after the idle time shows how quickly the
// output comes back. Throughout, the audio thread's longest cycle and what it read through
// system calls are kept, and so is the longest note call on this (the UI) thread.
//
// With --running-server it measures through the sound server already running instead (as
// PULSE_SERVER names it: PulseAudio, or PipeWire's service of it), which must have a null sink
// named "bench" as its default sink; the server's CPU time is then that of every process named
// pulseaudio, pipewire or pipewire-pulse.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "AudioThreadWatch.h"
#include "BenchOptions.h"
#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "GapEvidence.h"
#include "MidiStream.h"
#include "MonitorAnalysis.h"
#include "OutputPort.h"
#include "RhythmQuestions.h"
#include "SoundServerRig.h"
#include "ThreadCalls.h"
#include "ToneSession.h"
#include "WakeupProbe.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <unistd.h>

using bench::pause;
using bench::SteadyClock;

namespace {

constexpr uint32_t WoodBlock = 76;

double seconds(SteadyClock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Waits in the event loop without polling, so that the waiting itself causes no wakeups.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Context switches of every thread of this process: each one is a wakeup.
long wakeups() {
    long total = 0;
    const QDir tasks(QStringLiteral("/proc/self/task"));
    for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(tasks.filePath(task) + QStringLiteral("/status"));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("voluntary_ctxt_switches:") ||
                line.startsWith("nonvoluntary_ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
    }
    return total;
}

// Plays the rhythm questions, one stream each, and looks for them in the recording.
std::vector<rhythm::QuestionResult> playQuestions(int count, const bench::MonitorRecorder& recorder,
                                                  double& playedSeconds) {
    std::vector<rhythm::QuestionResult> results;
    for (int q = 0; q < count; ++q) {
        AudioThreadWatch::evictSoundFont();
        std::vector<uint32_t> strokes;
        const std::vector<midi::StreamEvent> events = rhythm::question(q, strokes);
        uint32_t ticks = 0;
        for (const auto& e : events)
            ticks += e.delta;
        bool done = false;
        int result = 0;
        auto stream = midi::MidiStream::open(
            midi::DefaultDevice,
            [&done](midi::StreamNotice notice) {
                if (notice == midi::StreamNotice::Done)
                    done = true;
            },
            result);
        if (!stream)
            break;
        stream->setTimeDivision(50);
        stream->setTempo(500000);
        stream->queue(events.data(), events.size());
        const auto started = SteadyClock::now();
        stream->restart();
        for (int i = 0; i < 1000 && !done; ++i)
            pause(10);
        pause(400);
        stream->close();
        pause(100);
        playedSeconds += ticks * 0.01;
        results.push_back(rhythm::analyse(recorder, started, strokes, ticks * 0.01));
    }
    return results;
}

// The milliseconds from a note-on request to its first sample at the sink.
double noteOnToSound(tone::NoteCalls& calls, const bench::MonitorRecorder& recording) {
    const auto request = SteadyClock::now();
    calls.send(0x99u | WoodBlock << 8 | 127u << 16);
    pause(300);
    calls.send(0x89u | WoodBlock << 8);
    const long from = recording.frameAt(request) - monitor::Rate / 200;
    const long onset = monitor::rightOnset(recording.samples(), from, from + monitor::Rate / 4);
    if (onset < 0)
        return -1;
    return seconds(recording.timeOf(onset) - request) * 1000.0;
}

struct Idle {
    double seconds = 0, programCpu = 0, serverCpu = 0;
    long wakeups = 0;
};

// The output had a few seconds to notice that nothing sounds, then 10 s are counted.
Idle measureIdle(const bench::SoundServer& server) {
    Idle result;
    idle(5000);
    const double programBefore = bench::cpuSeconds(getpid()), serverBefore = server.cpu();
    const long wakeupsBefore = wakeups();
    const auto start = SteadyClock::now();
    idle(10000);
    result.seconds = seconds(SteadyClock::now() - start);
    // The bench's own timer wakes the main thread once.
    result.wakeups = std::max(0L, wakeups() - wakeupsBefore - 1);
    result.programCpu = (bench::cpuSeconds(getpid()) - programBefore) / result.seconds * 100;
    result.serverCpu = (server.cpu() - serverBefore) / result.seconds * 100;
    return result;
}

// Everything one run measures.
struct Run {
    std::vector<rhythm::QuestionResult> questions;
    double playedSeconds = 0;
    std::vector<double> latencies;
    tone::SessionResult session;
    Idle quiet;
    double firstNote = -1;
    midi::AudioThreadFigures figures;
    thread_calls::Counts calls;
    long long readBytes = 0;
    double noteCallMaxMs = 0;
    int noteCalls = 0;
    double machineLateMs = 0;
    long machineWakeups = 0, machineLateOver2Ms = 0, machineLateOver10Ms = 0;
    bool machineRealtime = false;
    int processors = 0;
    // What is left when the machine's own stalls are set apart.
    int gapsOutsideStalls = 0, sessionGapsOutsideStalls = 0;
    double onsetErrorOutsideStallsMs = 0;
    // What the sides saw: our stream's underflows as the server reported them, the gaps with
    // one beside them, and what the recording itself lost.
    long long underflows = 0;
    int gapsWithUnderflow = 0, gapsWithAudioThreadLate = 0;
    int captureLosses = 0;
    double captureLostMs = 0;
};

// Every gap heard, each with what the server, the recording and the machine saw at that moment.
void weighGaps(Run& run, const bench::SoundServer& server, const bench::MonitorRecorder& recorder,
               const WakeupProbe& probe) {
    std::vector<GapEvidence::Gap> gaps;
    for (size_t q = 0; q < run.questions.size(); ++q) {
        for (const auto& [from, to] : run.questions[q].gapSpans)
            gaps.push_back({from, to, "question " + std::to_string(q + 1)});
    }
    for (const auto& [from, to] : run.session.gapSpans)
        gaps.push_back({from, to, "pitch session"});
    const GapEvidence evidence(run.figures.underflowTimes, run.figures.lateWakeups,
                               recorder.losses(), probe, recorder.frameZero());
    std::printf("times from the recording's first frame; the sound server started at %.3f s\n",
                seconds(server.startedAt() - recorder.frameZero()));
    evidence.print(gaps);
    run.underflows = run.figures.underflows;
    run.gapsWithUnderflow = evidence.gapsWithUnderflow(gaps);
    run.gapsWithAudioThreadLate = evidence.gapsWithAudioThreadLate(gaps);
    run.captureLosses = static_cast<int>(evidence.captureLosses().size());
    for (const auto& loss : evidence.captureLosses())
        run.captureLostMs += loss.ms;
}

// The gaps and stroke errors that no stall of the machine explains: those are the program's.
void setStallsApart(Run& run, const WakeupProbe& probe) {
    for (const rhythm::QuestionResult& question : run.questions) {
        for (const auto& [from, to] : question.gapSpans) {
            if (probe.stalledAround(from, to))
                continue;
            run.gapsOutsideStalls += 1;
            std::printf("a gap of %.2f ms in a question with no stall of the machine near it\n",
                        std::chrono::duration<double, std::milli>(to - from).count());
        }
        for (const auto& [at, errorMs] : question.strokeErrors) {
            if (!probe.stalledAround(at, at))
                run.onsetErrorOutsideStallsMs = std::max(run.onsetErrorOutsideStallsMs, errorMs);
        }
    }
    for (const auto& [from, to] : run.session.gapSpans) {
        if (probe.stalledAround(from, to))
            continue;
        run.sessionGapsOutsideStalls += 1;
        std::printf("a gap of %.2f ms in the pitch session with no stall of the machine near it\n",
                    std::chrono::duration<double, std::milli>(to - from).count());
    }
}

// Starts the synthesizer on the server, as a program does: its sounds named ahead.
void startSynth() {
    AudioThreadWatch::evictSoundFont();
    midi::SynthOptions options;
    options.audioDrivers = QStringList{QStringLiteral("pulseaudio")};
    midi::configureBuiltinSynth(options);
    // The rhythm questions' organ and kit are named ahead, as the rhythm trainer names its kit.
    midi::prepareBuiltinSynthPrograms(0, {19});
    midi::prepareBuiltinSynthPrograms(9, {0});
    midi::warmUpBuiltinSynth();
    for (int i = 0; i < 600 && !midi::SynthStatus::instance().ready(); ++i)
        pause(50);
    if (!midi::SynthStatus::instance().unavailableReason().isEmpty())
        std::printf("sound unavailable: %s\n",
                    qPrintable(midi::SynthStatus::instance().unavailableReason()));
}

// The questions and the pitch session under load, the idle time, the first note after it.
Run measure(const bench::SoundServer& server, bench::MonitorRecorder& recorder) {
    Run run;
    AudioThreadWatch reads;
    reads.start();
    midi::resetBuiltinSynthAudioFigures();
    thread_calls::watch(midi::builtinSynthCycleThread());
    thread_calls::reset();
    WakeupProbe probe;
    probe.start();
    bench::Load load;
    load.start();
    pause(500);
    run.questions = playQuestions(5, recorder, run.playedSeconds);

    int result = 0;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    tone::NoteCalls calls(*port);
    for (int i = 0; i < 10 && port; ++i) {
        pause(200);
        run.latencies.push_back(noteOnToSound(calls, recorder));
    }
    run.session =
        tone::runSession(calls, recorder, 20, {0, 40, 73, 24}, &AudioThreadWatch::evictSoundFont);
    load.stop();
    probe.stop();
    recorder.stop();
    reads.stop();
    run.quiet = measureIdle(server);
    reads.resume();

    bench::MonitorRecorder afterIdle;
    afterIdle.start();
    idle(2500);
    run.firstNote = port ? noteOnToSound(calls, afterIdle) : -1;
    afterIdle.stop();
    reads.stop();
    run.figures = midi::builtinSynthAudioFigures();
    run.calls = thread_calls::counts();
    run.readBytes = reads.readBytes();
    run.noteCallMaxMs = calls.longestMs();
    run.noteCalls = calls.calls();
    run.machineLateMs = probe.latestMs();
    run.machineWakeups = probe.wakeups();
    run.machineLateOver2Ms = probe.lateOver2Ms();
    run.machineLateOver10Ms = probe.lateOver10Ms();
    run.machineRealtime = probe.realtime();
    run.processors = probe.processors();
    setStallsApart(run, probe);
    weighGaps(run, server, recorder, probe);
    return run;
}

void report(const Run& run) {
    int gaps = 0, onsets = 0, strokes = 0;
    double onsetError = 0, firstStrokeError = 0;
    for (size_t q = 0; q < run.questions.size(); ++q) {
        const rhythm::QuestionResult& r = run.questions[q];
        for (const auto& [at, length] : r.gapTimes)
            std::printf("question %zu: a gap of %.2f ms at %.3f s into the chord\n", q + 1, length,
                        at);
        std::printf("question %zu: first stroke %.2f ms from the schedule, worst stroke %.2f ms, "
                    "%d of %d strokes found\n",
                    q + 1, r.firstStrokeErrorMs, r.worstOnsetErrorMs, r.onsetsFound, r.strokes);
        gaps += r.gaps;
        onsets += r.onsetsFound;
        strokes += r.strokes;
        onsetError = std::max(onsetError, r.worstOnsetErrorMs);
        // A first stroke not found at all counts as far off.
        firstStrokeError =
            std::max(firstStrokeError, r.firstStrokeErrorMs < 0 ? 1000.0 : r.firstStrokeErrorMs);
    }
    for (const auto& [at, length] : run.session.gapTimes)
        std::printf("pitch session: a gap of %.2f ms at %.3f s\n", length, at);
    const bench::Summary sessionNotes = bench::summarise(run.session.requestToSoundMs);
    std::vector<double> found;
    for (double l : run.latencies)
        if (l >= 0)
            found.push_back(l);
    const bench::Summary latency = bench::summarise(found);
    const int sessionGaps = static_cast<int>(run.session.gapTimes.size());
    const Idle& quiet = run.quiet;

    std::printf("%zu questions, %.1f s of sound under load: %d gaps over 0.5 ms in the held "
                "chord; %d of %d strokes found; against the schedule the first strokes are at "
                "most %.2f ms off, all strokes at most %.2f ms\n",
                run.questions.size(), run.playedSeconds, gaps, onsets, strokes, firstStrokeError,
                onsetError);
    std::printf("note-on to sound through the server: mean %.2f ms, max %.2f ms over %zu notes\n",
                latency.mean, latency.max, latency.count);
    std::printf("pitch session under load: %d wrong answers, %d instrument changes, %d gaps over "
                "0.5 ms in the held note; %d of %d notes found, request to sound median %.2f ms, "
                "max %.2f ms\n",
                run.session.wrongAnswers, run.session.instrumentChanges, sessionGaps,
                run.session.onsetsFound, run.session.notes, sessionNotes.median, sessionNotes.max);
    std::printf("idle for %.1f s: program %.2f%% of a core, server %.2f%%, %ld wakeups of the "
                "program's threads\n",
                quiet.seconds, quiet.programCpu, quiet.serverCpu, quiet.wakeups);
    std::printf("first note after the idle time: %.2f ms\n", run.firstNote);
    std::printf("audio thread: longest cycle %.3f ms (%.3f ms of CPU time), %lld bytes read from "
                "storage; longest note call on the UI thread %.3f ms over %d calls\n",
                run.figures.longestCycleMs, run.figures.longestCycleCpuMs, run.readBytes,
                run.noteCallMaxMs, run.noteCalls);
    std::printf("audio thread cycles: %lld, of which %lld over 1 ms, %lld over 2 ms, %lld over "
                "10 ms; inside them %lld allocations or frees, %lld locks taken, %lld waits; its "
                "timer woke it up to %.2f ms late, %lld times over 2 ms\n",
                run.figures.cycles, run.figures.cyclesOver1Ms, run.figures.cyclesOver2Ms,
                run.figures.cyclesOver10Ms, run.calls.allocations, run.calls.locks,
                run.figures.waitsInCycles, run.figures.latestWakeupMs,
                run.figures.wakeupsLateOver2Ms);
    std::printf("the machine: a %s thread on each of its %d processors, sleeping 1 ms at a time, "
                "woke up to %.2f ms late under the load; %ld of their %ld wakeups came over 2 ms "
                "late, %ld over 10 ms\n",
                run.machineRealtime ? "real-time" : "(not real-time)", run.processors,
                run.machineLateMs, run.machineLateOver2Ms, run.machineWakeups,
                run.machineLateOver10Ms);
    std::printf("with the machine's stalls set apart (a gap or stroke within 60 ms after a late "
                "wakeup): %d gaps in the chord, %d in the pitch session, strokes at most %.2f ms "
                "off\n",
                run.gapsOutsideStalls, run.sessionGapsOutsideStalls, run.onsetErrorOutsideStallsMs);
    std::printf("{\"gaps\": %d, \"session_gaps\": %d, \"onset_error_ms_max\": %.2f, "
                "\"first_stroke_error_ms\": %.2f, \"note_on_to_sound_ms\": %.2f, "
                "\"session_note_to_sound_ms_max\": %.2f, \"audio_callback_max_ms\": %.3f, "
                "\"audio_callback_cpu_max_ms\": %.3f, \"audio_cycles\": %lld, "
                "\"audio_cycles_over_2ms\": %lld, \"audio_cycles_over_10ms\": %lld, "
                "\"machine_rt_wakeup_late_max_ms\": %.2f, \"machine_wakeups_late_over_2ms\": %ld, "
                "\"audio_wakeup_late_max_ms\": %.2f, \"audio_wakeups_late_over_2ms\": %lld, "
                "\"gaps_outside_machine_stalls\": %d, \"session_gaps_outside_machine_stalls\": %d, "
                "\"onset_error_ms_max_outside_machine_stalls\": %.2f, "
                "\"stream_underflows\": %lld, \"gaps_with_underflow\": %d, "
                "\"gaps_with_audio_thread_late\": %d, "
                "\"capture_losses\": %d, \"capture_lost_ms\": %.1f, "
                "\"audio_thread_read_bytes\": %lld, \"audio_thread_allocations\": %lld, "
                "\"audio_thread_locks\": %lld, \"audio_thread_waits\": %lld, "
                "\"ui_note_call_max_ms\": %.3f, "
                "\"idle_cpu_percent\": %.2f, \"idle_wakeups_per_s\": %.1f, "
                "\"first_note_after_idle_ms\": %.2f}\n",
                gaps, sessionGaps, onsetError, firstStrokeError, latency.max, sessionNotes.max,
                run.figures.longestCycleMs, run.figures.longestCycleCpuMs, run.figures.cycles,
                run.figures.cyclesOver2Ms, run.figures.cyclesOver10Ms, run.machineLateMs,
                run.machineLateOver2Ms, run.figures.latestWakeupMs, run.figures.wakeupsLateOver2Ms,
                run.gapsOutsideStalls, run.sessionGapsOutsideStalls, run.onsetErrorOutsideStallsMs,
                run.underflows, run.gapsWithUnderflow, run.gapsWithAudioThreadLate,
                run.captureLosses, run.captureLostMs, run.readBytes, run.calls.allocations,
                run.calls.locks, run.figures.waitsInCycles, run.noteCallMaxMs,
                quiet.programCpu + quiet.serverCpu, quiet.wakeups / quiet.seconds, run.firstNote);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption runningOption(
        QStringLiteral("running-server"),
        QStringLiteral("Measure through the sound server already running (its default sink must "
                       "be a null sink named \"bench\") instead of a private PulseAudio."));
    parser.addOption(runningOption);
    const QCommandLineOption pipeWireOption(
        QStringLiteral("pipewire"),
        QStringLiteral("Measure through a private PipeWire and its PulseAudio service (Debian: "
                       "pipewire, pipewire-pulse, wireplumber) instead of a private PulseAudio."));
    parser.addOption(pipeWireOption);
    const QCommandLineOption logOption(
        QStringLiteral("server-log"),
        QStringLiteral("Keep the private PulseAudio's debug log, its lines stamped with the "
                       "seconds since its start, in <file>."),
        QStringLiteral("file"));
    parser.addOption(logOption);
    if (const auto status = bench::readOptions(
            parser, QStringLiteral("Measures the built-in synthesizer through a real sound "
                                   "server: gaps, onsets against the schedule, note calls, the "
                                   "audio thread's cycles and reads, idle cost.")))
        return *status;
    const bool running = parser.isSet(runningOption);
    const bool pipeWire = parser.isSet(pipeWireOption);
    const QString daemon =
        pipeWire ? QStringLiteral("pipewire-pulse") : QStringLiteral("pulseaudio");
    if ((!running && QStandardPaths::findExecutable(daemon).isEmpty()) ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        std::printf("%s and parec are needed (Debian: %s, pulseaudio-utils)\n", qPrintable(daemon),
                    pipeWire ? "pipewire, pipewire-pulse, wireplumber" : "pulseaudio");
        std::printf("{\"error\": \"no %s\"}\n", qPrintable(daemon));
        return 0;
    }
    bench::SoundServer server;
    if (parser.isSet(logOption))
        server.keepLog(QFileInfo(parser.value(logOption)).absoluteFilePath().toStdString());
    const bool serving = running    ? server.useRunning()
                         : pipeWire ? server.startPipeWire()
                                    : server.start();
    if (!serving) {
        std::printf("the private sound server did not start\n");
        std::printf("{\"error\": \"sound server did not start\"}\n");
        return 0;
    }
    // A null sink that has been idle has rendered silence far ahead (its whole latency of up
    // to two seconds); with the low-latency recording running it soon keeps pace again.
    bench::MonitorRecorder recorder;
    recorder.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    std::printf("sound server: %s\n", qPrintable(server.scheduling()));
    startSynth();
    const Run run = measure(server, recorder);
    report(run);
    server.stop();
    return 0;
}
