#pragma once

#include <span>
#include <vector>

namespace listening {

// The analysers hear one channel: frames of any number of channels become their average, as
// samples from -1 to 1.

// Interleaved samples from -1 to 1 in `channels` channels.
void mixToMono(std::span<const float> interleaved, int channels, std::vector<float>& mono);

} // namespace listening
