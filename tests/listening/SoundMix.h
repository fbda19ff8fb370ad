#pragma once

#include <QString>

#include <cstddef>
#include <span>
#include <vector>

namespace recordings {

double rms(std::span<const float> samples);
// Adds `sound` into `into` from frame `at` on, times `gain`; `into` grows as needed.
void mixInto(std::vector<float>& into, std::span<const float> sound, std::size_t at,
             double gain = 1.0);
// `signal` with `noise` (repeated as needed) added so that the signal's `signalRms` stands
// `snrDb` above the noise's.
std::vector<float> withNoise(std::span<const float> signal, double signalRms,
                             std::span<const float> noise, double snrDb);
// Writes mono samples as a 16-bit WAV file.
bool writeMonoWav(const QString& path, std::span<const float> samples, int sampleRate);

} // namespace recordings
