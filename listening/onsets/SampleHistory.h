#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace listening {

// The most recent stretch of a sound, kept in a ring so that what was heard a moment ago can be
// looked at again. Frames are counted from the start of listening.
class SampleHistory {
public:
    explicit SampleHistory(std::size_t capacityFrames);

    // Appends samples; `firstFrame` must follow on from the last append, or the history starts
    // afresh there.
    void append(std::span<const float> samples, std::int64_t firstFrame);
    void clear();

    // The frames held: [oldestFrame(), endFrame()).
    std::int64_t oldestFrame() const { return end_ - static_cast<std::int64_t>(size_); }
    std::int64_t endFrame() const { return end_; }
    bool holds(std::int64_t from, std::int64_t to) const {
        return from >= oldestFrame() && to <= endFrame() && from <= to;
    }
    // Copies frames [from, from + out.size()) into `out`; they must be held.
    void copy(std::int64_t from, std::span<float> out) const;

private:
    std::size_t ringIndex(std::int64_t frame) const;

    std::vector<float> ring_;
    std::size_t size_ = 0;
    std::int64_t end_ = 0;
};

} // namespace listening
