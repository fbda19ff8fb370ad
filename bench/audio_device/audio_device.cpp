// Measures the built-in synthesizer through a real sound server: a private PulseAudio with a
// null sink, started and stopped here (user mode, its own runtime folder). Rhythm questions
// play while two busy loops load the cores; the sink's monitor is recorded and searched for
// gaps and onsets. Then the program sits idle (its output open, nothing sounding) and the CPU
// time and wakeups of the program and the server are counted; last, one note after the idle
// time shows how quickly the output comes back.
//
// The questions put a held organ chord hard left and the rhythm's wood block hard right, so
// that the left channel shows every gap and the right channel every onset.
//
// With --running-server it measures through the sound server already running instead (as
// PULSE_SERVER names it: PulseAudio, or PipeWire's service of it), which must have a null
// sink named "bench" as its default sink; the server's CPU time is then that of every
// process named pulseaudio, pipewire or pipewire-pulse.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "MidiStream.h"
#include "OutputPort.h"
#include "SoundBench.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <thread>
#include <unistd.h>
#include <vector>

using bench::MonitorRecorder;
using bench::pause;
using bench::run;
using bench::seconds;
using bench::SoundServer;
using bench::SteadyClock;

namespace {

constexpr int kRate = 48000;
constexpr int kSilence = 1;              // 16-bit sample values at or below this are silence
constexpr int kOnsetLevel = 1500;        // a wood block's attack is far above this
constexpr int kGapFrames = kRate / 2000; // 0.5 ms
constexpr uint32_t kWoodBlock = 76;

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

// Two busy loops, one per core. They are threads of this process, so that they end with it
// whatever happens.
class Load {
public:
    void start() {
        stop_ = false;
        for (int i = 0; i < 2; ++i)
            threads_.emplace_back([this] {
                while (!stop_.load(std::memory_order_relaxed)) {
                }
            });
    }
    void stop() {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
        threads_.clear();
    }
    ~Load() { stop(); }

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

midi::StreamEvent message(uint32_t delta, uint32_t status, uint32_t data1, uint32_t data2) {
    return {delta, 0, status | data1 << 8 | data2 << 16};
}

// A rhythm question as the trainer plays it: four count-in beats, then two bars of quarters
// and eighths, at 50 ticks a quarter (10 ms a tick). Returns the events and the tick of every
// wood-block stroke.
std::vector<midi::StreamEvent> question(int variant, std::vector<uint32_t>& strokeTicks) {
    std::vector<midi::StreamEvent> events{
        message(0, 0xB0, 10, 0),   message(0, 0xB0, 91, 0),  message(0, 0xB0, 93, 0),
        message(0, 0xB9, 10, 127), message(0, 0xB9, 91, 0),  message(0, 0xB9, 93, 0),
        message(0, 0xC0, 19, 0),   message(0, 0x90, 60, 90), message(0, 0x90, 67, 90)};
    static const std::vector<std::vector<uint32_t>> patterns{
        {50, 50, 50, 50, 25, 25, 50, 50, 50, 25, 25, 25, 25, 50},
        {50, 50, 50, 50, 50, 25, 25, 50, 25, 25, 50, 50, 25, 25},
        {50, 50, 50, 50, 25, 25, 25, 25, 50, 50, 50, 25, 25, 50}};
    const std::vector<uint32_t>& lengths = patterns[variant % patterns.size()];
    strokeTicks.clear();
    uint32_t tick = 0, previous = 0;
    for (uint32_t length : lengths) {
        events.push_back(message(tick - previous, 0x99, kWoodBlock, 127));
        strokeTicks.push_back(tick);
        previous = tick;
        tick += length;
    }
    events.push_back(message(tick - previous, 0x80, 60, 0));
    events.push_back(message(0, 0x80, 67, 0));
    return events;
}

struct QuestionResult {
    int gaps = 0;
    std::vector<std::pair<double, double>> gapTimes; // seconds into the chord, milliseconds long
    double worstOnsetErrorMs = 0;
    int onsetsFound = 0;
    int strokes = 0;
};

// The first frame at or after `from` (and before `to`) where the right channel rises above
// the onset level and far above what it was a few milliseconds before (so that the tail of
// the previous stroke does not count); -1 when there is none.
long rightOnset(const std::vector<int16_t>& s, long from, long to) {
    const long size = static_cast<long>(s.size()) / 2;
    for (long f = std::max(kRate / 200L, from); f < to && f < size; ++f) {
        const int level = std::abs(s[2 * f + 1]);
        if (level <= kOnsetLevel)
            continue;
        int before = 0;
        for (long g = f - kRate / 200; g < f - kRate / 400; ++g)
            before = std::max(before, std::abs(static_cast<int>(s[2 * g + 1])));
        if (level > 3 * before)
            return f;
    }
    return -1;
}

QuestionResult analyse(const MonitorRecorder& recording, SteadyClock::time_point started,
                       const std::vector<uint32_t>& strokeTicks, double lengthSeconds) {
    QuestionResult result;
    const std::vector<int16_t>& s = recording.samples();
    const long begin = recording.frameAt(started) - kRate / 50;
    result.strokes = static_cast<int>(strokeTicks.size());
    // Onsets of the strokes, each relative to the first.
    long first = -1, previous = -1;
    for (size_t i = 0; i < strokeTicks.size(); ++i) {
        long onset = -1;
        if (i == 0) {
            onset = rightOnset(s, begin, begin + kRate / 5);
            first = onset;
        } else if (first >= 0) {
            const long expected =
                first + std::lround((strokeTicks[i] - strokeTicks[0]) * 0.01 * kRate);
            const long from = std::max(previous + kRate / 8, expected - kRate / 10);
            onset = rightOnset(s, from, expected + kRate / 10);
            if (onset >= 0) {
                const double errorMs = (onset - expected) * 1000.0 / kRate;
                result.worstOnsetErrorMs = std::max(result.worstOnsetErrorMs, std::fabs(errorMs));
            }
        }
        if (onset >= 0) {
            result.onsetsFound += 1;
            previous = onset;
        }
    }
    // Gaps in the held chord: from its first sound to its end, left channel.
    long chordStart = -1;
    for (long f = std::max(0L, begin); f < begin + kRate / 5 && 2 * f < long(s.size()); ++f) {
        if (std::abs(s[2 * f]) > 200) {
            chordStart = f;
            break;
        }
    }
    if (chordStart < 0)
        return result;
    const long chordEnd = chordStart + std::lround((lengthSeconds - 0.03) * kRate);
    long run = 0;
    const auto endRun = [&](long f) {
        if (run > kGapFrames)
            result.gapTimes.emplace_back(double(f - run - chordStart) / kRate,
                                         run * 1000.0 / kRate);
        run = 0;
    };
    long f = chordStart + kRate / 100;
    for (; f < chordEnd && 2 * f < long(s.size()); ++f) {
        if (std::abs(s[2 * f]) <= kSilence) {
            run += 1;
            if (run == kGapFrames + 1)
                result.gaps += 1;
        } else {
            endRun(f);
        }
    }
    endRun(f);
    return result;
}

// The milliseconds from a note-on request to its first sample at the sink.
double noteOnToSound(midi::OutputPort& port, const MonitorRecorder& recording) {
    const auto request = SteadyClock::now();
    port.sendShort(0x99u | kWoodBlock << 8 | 127u << 16);
    pause(300);
    port.sendShort(0x89u | kWoodBlock << 8);
    const long from = recording.frameAt(request) - kRate / 200;
    const long onset = rightOnset(recording.samples(), from, from + kRate / 4);
    if (onset < 0)
        return -1;
    return seconds(recording.timeOf(onset) - request) * 1000.0;
}

double maxOf(const std::vector<double>& values) {
    return values.empty() ? -1 : *std::max_element(values.begin(), values.end());
}

} // namespace

int main(int argc, char** argv) {
    const bool running =
        std::find(argv + 1, argv + argc, std::string("--running-server")) != argv + argc;
    if ((!running && QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()) ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        std::printf("pulseaudio and parec are needed (Debian: pulseaudio, pulseaudio-utils)\n");
        std::printf("{\"error\": \"no pulseaudio\"}\n");
        return 0;
    }
    SoundServer server;
    if (!(running ? server.useRunning() : server.start())) {
        std::printf("the private sound server did not start\n");
        std::printf("{\"error\": \"sound server did not start\"}\n");
        return 0;
    }
    // A null sink that has been idle has rendered silence far ahead (its whole latency of up
    // to two seconds); with the low-latency recording running it soon keeps pace again.
    MonitorRecorder recorder;
    recorder.start();
    std::this_thread::sleep_for(std::chrono::milliseconds(2500));
    QCoreApplication app(argc, argv);
    midi::SynthOptions options;
    options.audioDrivers = QStringList{QStringLiteral("pulseaudio")};
    midi::configureBuiltinSynth(options);
    midi::warmUpBuiltinSynth();
    for (int i = 0; i < 600 && !midi::SynthStatus::instance().ready(); ++i)
        pause(50);
    if (!midi::SynthStatus::instance().unavailableReason().isEmpty())
        std::printf("sound unavailable: %s\n",
                    qPrintable(midi::SynthStatus::instance().unavailableReason()));

    Load load;
    load.start();
    pause(500);

    // Questions under load.
    std::vector<QuestionResult> results;
    double playedSeconds = 0;
    for (int q = 0; q < 5; ++q) {
        std::vector<uint32_t> strokes;
        const std::vector<midi::StreamEvent> events = question(q, strokes);
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
        results.push_back(analyse(recorder, started, strokes, ticks * 0.01));
    }

    int result = 0;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    std::vector<double> latencies;
    for (int i = 0; i < 10 && port; ++i) {
        pause(200);
        latencies.push_back(noteOnToSound(*port, recorder));
    }
    load.stop();
    recorder.stop();

    // Idle: the output had a few seconds to notice that nothing sounds, then 10 s are counted.
    idle(5000);
    const double programBefore = bench::cpuSeconds(getpid()), serverBefore = server.cpu();
    const long wakeupsBefore = wakeups();
    const auto idleStart = SteadyClock::now();
    idle(10000);
    const double idleSeconds = seconds(SteadyClock::now() - idleStart);
    // The bench's own timer wakes the main thread once.
    const long idleWakeups = std::max(0L, wakeups() - wakeupsBefore - 1);
    const double programCpu = (bench::cpuSeconds(getpid()) - programBefore) / idleSeconds * 100;
    const double serverCpu = (server.cpu() - serverBefore) / idleSeconds * 100;

    // The first note after the idle time.
    MonitorRecorder afterIdle;
    afterIdle.start();
    idle(2500);
    const double firstNote = port ? noteOnToSound(*port, afterIdle) : -1;
    afterIdle.stop();
    port.reset();

    int gaps = 0, onsets = 0, strokes = 0;
    double onsetError = 0;
    for (size_t q = 0; q < results.size(); ++q) {
        for (const auto& [at, length] : results[q].gapTimes)
            std::printf("question %zu: a gap of %.2f ms at %.3f s into the chord\n", q + 1, length,
                        at);
    }
    for (const QuestionResult& r : results) {
        gaps += r.gaps;
        onsets += r.onsetsFound;
        strokes += r.strokes;
        onsetError = std::max(onsetError, r.worstOnsetErrorMs);
    }
    double latencyMean = 0;
    int latencyCount = 0;
    for (double l : latencies) {
        if (l >= 0) {
            latencyMean += l;
            latencyCount += 1;
        }
    }
    latencyMean = latencyCount > 0 ? latencyMean / latencyCount : -1;

    std::printf("%zu questions, %.1f s of sound under load: %d gaps over 0.5 ms in the held "
                "chord; %d of %d strokes found, worst onset error %.2f ms against the schedule\n",
                results.size(), playedSeconds, gaps, onsets, strokes, onsetError);
    std::printf("note-on to sound through the server: mean %.2f ms, max %.2f ms over %d notes\n",
                latencyMean, maxOf(latencies), latencyCount);
    std::printf("idle for %.1f s: program %.2f%% of a core, server %.2f%%, %ld wakeups of the "
                "program's threads\n",
                idleSeconds, programCpu, serverCpu, idleWakeups);
    std::printf("first note after the idle time: %.2f ms\n", firstNote);
    std::printf("{\"gaps\": %d, \"onset_error_ms_max\": %.2f, \"note_on_to_sound_ms\": %.2f, "
                "\"idle_cpu_percent\": %.2f, \"idle_wakeups_per_s\": %.1f, "
                "\"first_note_after_idle_ms\": %.2f}\n",
                gaps, onsetError, maxOf(latencies), programCpu + serverCpu,
                idleWakeups / idleSeconds, firstNote);
    std::fflush(stdout);
    server.stop();
    return 0;
}
