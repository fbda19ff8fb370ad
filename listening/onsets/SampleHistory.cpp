#include "SampleHistory.h"

#include <algorithm>

namespace listening {

SampleHistory::SampleHistory(std::size_t capacityFrames)
    : ring_(std::max<std::size_t>(capacityFrames, 1)) {}

std::size_t SampleHistory::ringIndex(std::int64_t frame) const {
    const auto capacity = static_cast<std::int64_t>(ring_.size());
    return static_cast<std::size_t>(((frame % capacity) + capacity) % capacity);
}

void SampleHistory::clear() {
    size_ = 0;
}

void SampleHistory::append(std::span<const float> samples, std::int64_t firstFrame) {
    if (size_ > 0 && firstFrame != end_)
        size_ = 0;
    const std::size_t capacity = ring_.size();
    // Only the newest `capacity` samples can stay.
    if (samples.size() > capacity) {
        firstFrame += static_cast<std::int64_t>(samples.size() - capacity);
        samples = samples.last(capacity);
    }
    std::size_t at = ringIndex(firstFrame);
    for (float s : samples) {
        ring_[at] = s;
        at = at + 1 == capacity ? 0 : at + 1;
    }
    end_ = firstFrame + static_cast<std::int64_t>(samples.size());
    size_ = std::min(capacity, size_ + samples.size());
}

void SampleHistory::copy(std::int64_t from, std::span<float> out) const {
    std::size_t at = ringIndex(from);
    for (float& s : out) {
        s = ring_[at];
        at = at + 1 == ring_.size() ? 0 : at + 1;
    }
}

} // namespace listening
