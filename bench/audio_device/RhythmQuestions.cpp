#include "RhythmQuestions.h"

#include "MonitorAnalysis.h"

#include <algorithm>
#include <cmath>

namespace rhythm {

namespace {

constexpr uint32_t WoodBlock = 76;
constexpr long FramesPerTick = monitor::Rate / 100;

midi::StreamEvent message(uint32_t delta, uint32_t status, uint32_t data1, uint32_t data2) {
    return {delta, 0, status | data1 << 8 | data2 << 16};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

} // namespace

std::vector<midi::StreamEvent> question(int variant, std::vector<uint32_t>& strokeTicks) {
    std::vector<midi::StreamEvent> events{
        message(0, 0xB0, 10, 0),   message(0, 0xB0, 91, 0),  message(0, 0xB0, 93, 0),
        message(0, 0xB9, 10, 127), message(0, 0xB9, 91, 0),  message(0, 0xB9, 93, 0),
        message(0, 0xC0, 19, 0),   message(0, 0x90, 60, 90), message(0, 0x90, 67, 90)};
    static const std::vector<std::vector<uint32_t>> patterns{
        {50, 50, 50, 50, 25, 25, 50, 50, 50, 25, 25, 25, 25, 50},
        {50, 50, 50, 50, 50, 25, 25, 50, 25, 25, 50, 50, 25, 25},
        {50, 50, 50, 50, 25, 25, 25, 25, 50, 50, 50, 25, 25, 50}};
    const std::vector<uint32_t>& lengths = patterns[variant % patterns.size()];
    strokeTicks.clear();
    uint32_t tick = 0, previous = 0;
    for (uint32_t length : lengths) {
        events.push_back(message(tick - previous, 0x99, WoodBlock, 127));
        strokeTicks.push_back(tick);
        previous = tick;
        tick += length;
    }
    events.push_back(message(tick - previous, 0x80, 60, 0));
    events.push_back(message(0, 0x80, 67, 0));
    return events;
}

QuestionResult analyse(const bench::MonitorRecorder& recording,
                       bench::SteadyClock::time_point started,
                       const std::vector<uint32_t>& strokeTicks, double lengthSeconds) {
    QuestionResult result;
    const std::vector<int16_t>& s = recording.samples();
    result.strokes = static_cast<int>(strokeTicks.size());
    // The chord starts with the first stroke; a question whose program change waited for its
    // sounds starts late, so it is looked for up to a second after the request.
    const long requested = recording.frameAt(started) - monitor::Rate / 50;
    const long chordStart = monitor::leftSound(s, requested, requested + monitor::Rate);
    if (chordStart < 0)
        return result;
    std::vector<long> onsets(strokeTicks.size(), -1);
    long previous = -1;
    for (size_t i = 0; i < strokeTicks.size(); ++i) {
        const long expected = chordStart + static_cast<long>(strokeTicks[i]) * FramesPerTick;
        const long from = std::max(previous + monitor::Rate / 8, expected - monitor::Rate / 20);
        onsets[i] = monitor::rightOnset(s, from, expected + monitor::Rate / 10);
        if (onsets[i] >= 0) {
            result.onsetsFound += 1;
            previous = onsets[i];
        }
    }
    // What the strokes have in common, then each one's distance from it.
    std::vector<double> offsets;
    for (size_t i = 0; i < onsets.size(); ++i) {
        if (onsets[i] >= 0)
            offsets.push_back(onsets[i] - static_cast<double>(strokeTicks[i]) * FramesPerTick);
    }
    const double common = median(offsets);
    for (size_t i = 0; i < onsets.size(); ++i) {
        if (onsets[i] < 0)
            continue;
        const double errorMs =
            (onsets[i] - static_cast<double>(strokeTicks[i]) * FramesPerTick - common) * 1000.0 /
            monitor::Rate;
        result.worstOnsetErrorMs = std::max(result.worstOnsetErrorMs, std::fabs(errorMs));
        result.strokeErrors.emplace_back(recording.timeOf(onsets[i]), std::fabs(errorMs));
        if (i == 0)
            result.firstStrokeErrorMs = std::fabs(errorMs);
    }
    const long chordEnd = chordStart + std::lround((lengthSeconds - 0.03) * monitor::Rate);
    for (const auto& [at, ms] : monitor::leftGaps(s, chordStart + monitor::Rate / 100, chordEnd)) {
        result.gaps += 1;
        result.gapTimes.emplace_back(double(at + monitor::Rate / 100) / monitor::Rate, ms);
        const long begins = chordStart + monitor::Rate / 100 + at;
        result.gapSpans.emplace_back(
            recording.timeOf(begins),
            recording.timeOf(begins + std::lround(ms * monitor::Rate / 1000)));
    }
    return result;
}

} // namespace rhythm
