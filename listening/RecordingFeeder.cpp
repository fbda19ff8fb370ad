#include "RecordingFeeder.h"

#include "MonoMix.h"
#include "WavReader.h"

#include <algorithm>
#include <cmath>

namespace listening {

RecordingFeeder::RecordingFeeder(std::vector<AudioAnalyser*> analysers, std::size_t blockFrames)
    : analysers_(std::move(analysers)), blockFrames_(std::max<std::size_t>(blockFrames, 1)) {}

double RecordingFeeder::feedFile(const QString& path, double startMs, QString* error) {
    midi::WavReader reader;
    if (!reader.open(path, error))
        return -1;
    const midi::WavFormat& format = reader.format();
    const std::int64_t first = std::llround(std::max(startMs, 0.0) * format.sampleRate / 1000.0);
    std::int64_t frame = first;
    std::vector<float> interleaved;
    std::vector<float> mono;
    while (reader.read(blockFrames_, interleaved) > 0) {
        mixToMono(interleaved, format.channels, mono);
        feed(mono, format.sampleRate, frame);
        frame += static_cast<std::int64_t>(mono.size());
    }
    return 1000.0 * double(frame - first) / format.sampleRate;
}

void RecordingFeeder::feed(std::span<const float> mono, int sampleRate, std::int64_t firstFrame) {
    for (std::size_t at = 0; at < mono.size(); at += blockFrames_) {
        const std::span<const float> block =
            mono.subspan(at, std::min(blockFrames_, mono.size() - at));
        for (AudioAnalyser* analyser : analysers_)
            analyser->analyse(block, sampleRate, firstFrame + static_cast<std::int64_t>(at));
    }
}

} // namespace listening
