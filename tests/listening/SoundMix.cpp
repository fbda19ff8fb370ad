#include "SoundMix.h"

#include "WavFile.h"

#include <cmath>

namespace recordings {

double rms(std::span<const float> samples) {
    double power = 0;
    for (const float s : samples)
        power += double(s) * s;
    return samples.empty() ? 0.0 : std::sqrt(power / double(samples.size()));
}

void mixInto(std::vector<float>& into, std::span<const float> sound, std::size_t at, double gain) {
    if (into.size() < at + sound.size())
        into.resize(at + sound.size(), 0.0f);
    for (std::size_t i = 0; i < sound.size(); ++i)
        into[at + i] += static_cast<float>(sound[i] * gain);
}

std::vector<float> withNoise(std::span<const float> signal, double signalRms,
                             std::span<const float> noise, double snrDb) {
    std::vector<float> out(signal.begin(), signal.end());
    const double noiseRms = rms(noise);
    if (noise.empty() || noiseRms <= 0)
        return out;
    const double gain = signalRms / std::pow(10.0, snrDb / 20.0) / noiseRms;
    for (std::size_t i = 0; i < out.size(); ++i)
        out[i] += static_cast<float>(noise[i % noise.size()] * gain);
    return out;
}

bool writeMonoWav(const QString& path, std::span<const float> samples, int sampleRate) {
    midi::WavData wav;
    wav.sampleRate = sampleRate;
    wav.channels = 1;
    wav.samples = midi::toPcm16(std::vector<float>(samples.begin(), samples.end()));
    return midi::writeWav(path, wav);
}

} // namespace recordings
