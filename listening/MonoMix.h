#pragma once

#include <QAudioFormat>
#include <QByteArrayView>

#include <span>
#include <vector>

namespace listening {

// The analysers hear one channel: frames of any number of channels become their average, as
// samples from -1 to 1.

// Interleaved samples from -1 to 1 in `channels` channels.
void mixToMono(std::span<const float> interleaved, int channels, std::vector<float>& mono);

// Whole frames of raw sound as an audio input delivers it (unsigned 8-bit, 16- or 32-bit
// integer, or float); a partial frame at the end is left out.
void mixToMono(QByteArrayView bytes, const QAudioFormat& format, std::vector<float>& mono);

} // namespace listening
