#include "MonoMix.h"

namespace listening {

void mixToMono(std::span<const float> interleaved, int channels, std::vector<float>& mono) {
    if (channels <= 0) {
        mono.clear();
        return;
    }
    const std::size_t frames = interleaved.size() / static_cast<std::size_t>(channels);
    mono.resize(frames);
    const float share = 1.0f / float(channels);
    for (std::size_t f = 0; f < frames; ++f) {
        float sum = 0;
        for (int c = 0; c < channels; ++c)
            sum += interleaved[f * channels + c];
        mono[f] = sum * share;
    }
}

} // namespace listening
