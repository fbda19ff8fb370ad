#pragma once

#include <cstdint>
#include <utility>
#include <vector>

// What the audio benchmark looks for in the recorded monitor (16-bit stereo at 48 kHz): the
// held note on the left shows every gap, the strokes and notes on the right every onset.
namespace monitor {

constexpr int Rate = 48000;

// The first frame at or after `from` (and before `to`) where the right channel rises above the
// onset level and far above what it was a few milliseconds before (so that the tail of an
// earlier sound does not count); -1 when there is none.
long rightOnset(const std::vector<int16_t>& samples, long from, long to, int level = 1500);

// The first frame at or after `from` (before `to`) where the left channel is above `level`;
// -1 when there is none.
long leftSound(const std::vector<int16_t>& samples, long from, long to, int level = 200);

// Silent runs of the left channel longer than half a millisecond between `from` and `to`:
// where each begins (frames after `from`) and how long it is in milliseconds.
std::vector<std::pair<long, double>> leftGaps(const std::vector<int16_t>& samples, long from,
                                              long to);

} // namespace monitor
