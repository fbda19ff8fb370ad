#include "AudioOnsets.h"

#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "WavFile.h"

#include <QElapsedTimer>

#include <algorithm>

namespace bench {

namespace {
// Sample values (16-bit scale) at or below this are silence.
constexpr float kSilence = 8.0f;
} // namespace

double startSynthIntoWav(const QString& wavPath) {
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = wavPath;
    midi::configureBuiltinSynth(options);
    QElapsedTimer loading;
    loading.start();
    midi::warmUpBuiltinSynth();
    if (!midi::waitForBuiltinSynth(std::chrono::seconds(30)))
        return -1;
    return loading.nsecsElapsed() / 1e6;
}

std::vector<double>
momentsToOnsetMs(const QString& wavPath,
                 const std::vector<std::chrono::steady_clock::time_point>& moments,
                 double earlySeconds) {
    std::vector<double> latencies;
    midi::WavData wav;
    if (!midi::readWav(wavPath, wav) || wav.channels <= 0)
        return latencies;
    const std::vector<float> samples(wav.samples.begin(), wav.samples.end());
    const auto clockStart = midi::builtinSynthClockStart();
    for (const auto& moment : moments) {
        const double at = std::chrono::duration<double>(moment - clockStart).count();
        const auto from =
            static_cast<std::size_t>(std::max(0.0, (at - earlySeconds) * wav.sampleRate));
        if (!silentBefore(samples, wav.channels, from, wav.sampleRate / 10, kSilence))
            continue;
        const long onset = midi::firstNonSilentFrame(samples, wav.channels, kSilence, from);
        if (onset >= 0)
            latencies.push_back((onset / double(wav.sampleRate) - at) * 1000.0);
    }
    return latencies;
}

} // namespace bench
