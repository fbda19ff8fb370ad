#include "RawMonoMix.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace listening {

namespace {

template <typename Sample, typename Convert>
void mixFrames(const char* bytes, std::size_t frames, int channels, Convert convert,
               std::vector<float>& mono) {
    mono.resize(frames);
    const float share = 1.0f / float(channels);
    for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c) {
            Sample sample;
            std::memcpy(&sample, bytes + (f * channels + c) * sizeof(Sample), sizeof(Sample));
            sum += convert(sample);
        }
        mono[f] = sum * share;
    }
}

} // namespace

void mixToMono(QByteArrayView bytes, const QAudioFormat& format, std::vector<float>& mono) {
    const int channels = format.channelCount();
    const int frameBytes = format.bytesPerFrame();
    if (channels <= 0 || frameBytes <= 0) {
        mono.clear();
        return;
    }
    const auto frames = static_cast<std::size_t>(bytes.size() / frameBytes);
    const char* data = bytes.data();
    switch (format.sampleFormat()) {
    case QAudioFormat::UInt8:
        mixFrames<std::uint8_t>(
            data, frames, channels, [](std::uint8_t s) { return (int(s) - 128) / 128.0f; }, mono);
        break;
    case QAudioFormat::Int16:
        mixFrames<std::int16_t>(
            data, frames, channels, [](std::int16_t s) { return s / 32768.0f; }, mono);
        break;
    case QAudioFormat::Int32:
        mixFrames<std::int32_t>(
            data, frames, channels, [](std::int32_t s) { return float(s / 2147483648.0); }, mono);
        break;
    case QAudioFormat::Float:
        mixFrames<float>(
            data, frames, channels,
            [](float s) { return std::isfinite(s) ? std::clamp(s, -1.0f, 1.0f) : 0.0f; }, mono);
        break;
    default:
        mono.clear();
        break;
    }
}

} // namespace listening
