#pragma once

#include "MonoMix.h"

#include <QAudioFormat>
#include <QByteArrayView>

#include <vector>

namespace listening {

// Whole frames of raw sound as an audio input delivers it (unsigned 8-bit, 16- or 32-bit
// integer, or float) mixed to one channel; a partial frame at the end is left out.
void mixToMono(QByteArrayView bytes, const QAudioFormat& format, std::vector<float>& mono);

} // namespace listening
