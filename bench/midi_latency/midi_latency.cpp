// Measures the sound path: how exactly streams are timed, how soon a note sounds, how fast
// the rhythm trainer's window appears and how much memory the synthesizer takes.
// Prints readable lines, then one JSON line. It never fails on a time.
#include "AudioOnsets.h"
#include "BenchOptions.h"
#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "MidiStream.h"
#include "OfflineRender.h"
#include "OutputPort.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdio>

using bench::pause;

namespace {

midi::StreamEvent drum(uint32_t delta, uint32_t key, uint32_t velocity) {
    return {delta, 0, 0x99u | key << 8 | velocity << 16};
}

// Percussion notes at 0, 50, 100, 200, ... 900 ticks, rendered offline; the onset of each
// is where a rendering without that note first differs.
double onsetErrorMsMax(int sampleRate) {
    const std::vector<uint32_t> ticks{0, 50, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    auto stream = [&](int silenced) {
        std::vector<midi::StreamEvent> events;
        uint32_t previous = 0;
        for (size_t i = 0; i < ticks.size(); ++i) {
            events.push_back(drum(ticks[i] - previous, 64, int(i) == silenced ? 0 : 127));
            previous = ticks[i];
        }
        events.push_back(drum(100, 64, 0));
        return events;
    };
    midi::RenderOptions options;
    options.sampleRate = sampleRate;
    options.tailSeconds = 0.2;
    std::vector<float> full;
    midi::renderStream(stream(-1), options, full);
    double worst = 0;
    for (size_t i = 0; i < ticks.size(); ++i) {
        std::vector<float> without;
        midi::renderStream(stream(int(i)), options, without);
        const long onset = midi::firstDifferentFrame(full, without, 2);
        const double errorMs =
            std::fabs(onset - ticks[i] * 0.010 * sampleRate) * 1000.0 / sampleRate;
        worst = std::max(worst, errorMs);
    }
    return worst;
}

// Note-on requests through the built-in synthesizer playing into a WAV file in real time;
// the latency is the time from the request to the note's first audible sample.
std::vector<double> noteOnToSoundMs(const QString& wavPath, int trials) {
    int result = 0;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    std::vector<double> requests;
    for (int i = 0; i < trials; ++i) {
        pause(600);
        const auto now = std::chrono::steady_clock::now();
        port->sendShort(0x7F2A99); // closed hi-hat: short, so the next trial starts in silence
        requests.push_back(
            std::chrono::duration<double>(now - midi::builtinSynthClockStart()).count());
        pause(50);
        port->sendShort(0x002A99);
    }
    pause(700);
    midi::WavData wav;
    std::vector<double> latencies;
    if (!midi::readWav(wavPath, wav))
        return latencies;
    std::vector<float> samples(wav.samples.begin(), wav.samples.end());
    for (double request : requests) {
        const size_t frame = static_cast<size_t>(std::max(0.0, request * wav.sampleRate - 64));
        const long onset = midi::firstNonSilentFrame(samples, 2, 8.0f, frame);
        if (onset >= 0)
            latencies.push_back((onset / double(wav.sampleRate) - request) * 1000.0);
    }
    return latencies;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    if (const auto status = bench::readOptions(
            parser, QStringLiteral("Measures stream timing on the built-in synthesizer, note-on "
                                   "to sound, memory and Beatwise's start.")))
        return *status;
    const QString wavPath =
        QDir::temp().filePath(QStringLiteral("midi-latency-%1.wav").arg(app.applicationPid()));
    const double loadMs = bench::startSynthIntoWav(wavPath);

    const std::vector<double> latencies = noteOnToSoundMs(wavPath, 10);
    const double rss = bench::peakRssMb();
    const double latencyMax =
        latencies.empty() ? -1 : *std::max_element(latencies.begin(), latencies.end());
    double latencyMean = 0;
    for (double l : latencies)
        latencyMean += l / latencies.size();

    const double onset48 = onsetErrorMsMax(48000);
    const double onset44 = onsetErrorMsMax(44100);
    const double startup =
        bench::summarise(bench::startupToFirstPaintMs(BEATWISE_PROGRAM, 5)).median;
    QFile::remove(wavPath);

    std::printf("SoundFont loaded and output running after %.1f ms\n", loadMs);
    std::printf("note-on to first audible sample: mean %.2f ms, max %.2f ms over %zu notes\n",
                latencyMean, latencyMax, latencies.size());
    std::printf("peak resident memory with the synthesizer loaded: %.1f MB\n", rss);
    std::printf("stream onset error, max: %.3f ms at 48 kHz, %.3f ms at 44.1 kHz\n", onset48,
                onset44);
    std::printf("beatwise start to first painted window (median of 5): %.1f ms\n", startup);
    std::printf("{\"onset_error_ms_max\": %.3f, \"note_on_to_sound_ms\": %.2f, "
                "\"startup_to_window_ms\": %.1f, \"peak_rss_mb\": %.1f}\n",
                onset48, latencyMax, startup, rss);
    return 0;
}
