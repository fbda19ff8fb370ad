#include "TapTranscriber.h"

#include "RhythmCatalogue.h"
#include "TapAlignment.h"

#include <algorithm>
#include <cmath>

TapTranscriber::TapTranscriber(const TapGrid& grid, int patternCount, TapTranscriberOptions options)
    : grid_(grid), patternCount_(patternCount), options_(options),
      used_(PatternOnsets::usedByLevel(grid.meter, patternCount)),
      windowLead_(0.5 * (grid.subdivisions - PatternOnsets::last(used_))) {
    patterns_.fill(-1);
    options_.doubleTriggerMs = std::min(options_.doubleTriggerMs, 0.3 * grid_.subdivisionMs());
}

void TapTranscriber::addTap(double ms) {
    if (!std::isfinite(ms) || taps_.size() >= kMaxTaps)
        return;
    const auto after = std::lower_bound(taps_.begin(), taps_.end(), ms);
    // The same tap twice: keep the earlier, which is where the sound began.
    if (after != taps_.begin() && ms - *(after - 1) < options_.doubleTriggerMs) {
        ++doubleTriggers_;
        return;
    }
    if (after != taps_.end() && *after - ms < options_.doubleTriggerMs) {
        ++doubleTriggers_;
        *after = ms;
        return;
    }
    taps_.insert(after, ms);
    timing_ = PerformanceTiming::fit(taps_, grid_, used_);
}

TapTranscriber::Window TapTranscriber::windowOf(int beat) const {
    if (beat < decided_)
        return windows_[static_cast<std::size_t>(beat)];
    const double n = grid_.subdivisions;
    // The first beat takes taps from half a beat early: nothing of the count-in's last beat
    // lies there.
    const double start = beat == 0 ? timing_.expectedMs(grid_, -0.5 * n) : windowOf(beat - 1).endMs;
    const double end = timing_.expectedMs(grid_, (beat + 1) * n - windowLead_);
    return {start, std::max(start, end)};
}

double TapTranscriber::nextDecisionMs() const {
    if (finished())
        return std::numeric_limits<double>::infinity();
    return windowOf(decided_).endMs + options_.decisionMarginMs;
}

std::vector<TappedBeat> TapTranscriber::advance(double nowMs) {
    std::vector<TappedBeat> beats;
    while (!finished() && nowMs >= nextDecisionMs())
        beats.push_back(decide(decided_));
    return beats;
}

std::vector<TappedBeat> TapTranscriber::finish() {
    std::vector<TappedBeat> beats;
    while (!finished())
        beats.push_back(decide(decided_));
    return beats;
}

std::vector<double> TapTranscriber::positionsIn(const Window& window, int beat) const {
    std::vector<double> positions;
    const auto first = std::lower_bound(taps_.begin(), taps_.end(), window.startMs);
    for (auto t = first; t != taps_.end() && *t < window.endMs; ++t)
        positions.push_back(timing_.positionOf(grid_, *t) - beat * grid_.subdivisions);
    return positions;
}

TappedBeat TapTranscriber::decide(int beat) {
    const Window window = windowOf(beat);
    const std::vector<double> positions = positionsIn(window, beat);
    int best = -1;
    double bestCost = std::numeric_limits<double>::infinity();
    // No pattern of either meter is silent for a whole beat, so a beat without taps stays open.
    if (!positions.empty()) {
        for (int p = 0; p < std::min(patternCount_, RhythmCatalogue::kSimplePatterns); ++p) {
            const PatternOnsets::Mask notes = PatternOnsets::of(grid_.meter, p);
            if (notes == 0)
                continue;
            const double cost = TapAlignment::align(positions, notes).cost;
            if (cost < bestCost) {
                bestCost = cost;
                best = p;
            }
        }
    }
    windows_[static_cast<std::size_t>(beat)] = window;
    patterns_[static_cast<std::size_t>(beat)] = best;
    ++decided_;
    return {beat, best};
}

void TapTranscriber::markBeat(int beat, int pattern, std::vector<TapMark>& marks,
                              std::vector<bool>& marked) const {
    const Window window = windowOf(beat);
    const auto first = std::lower_bound(taps_.begin(), taps_.end(), window.startMs);
    const auto firstIndex = static_cast<std::size_t>(first - taps_.begin());
    const std::vector<double> positions = positionsIn(window, beat);
    const PatternOnsets::Mask notes = PatternOnsets::of(grid_.meter, pattern);
    const TapAlignment alignment = TapAlignment::align(positions, notes);
    const int n = grid_.subdivisions;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const double tap = taps_[firstIndex + i];
        marked[firstIndex + i] = true;
        const int note = alignment.noteOfTap[i];
        TapMark mark{TapVerdict::Extra, beat, tap, tap, 0};
        if (note >= 0) {
            mark.noteMs = grid_.positionMs(beat * n + note);
            mark.deviationMs = tap - mark.noteMs;
            mark.verdict = std::fabs(mark.deviationMs) <= options_.inTimeMs ? TapVerdict::InTime
                           : mark.deviationMs < 0                           ? TapVerdict::Early
                                                                            : TapVerdict::Late;
        }
        marks.push_back(mark);
    }
    for (int j = 0; j < n; ++j) {
        if (PatternOnsets::has(alignment.missed, j)) {
            const double noteMs = grid_.positionMs(beat * n + j);
            marks.push_back({TapVerdict::Missed, beat, noteMs, noteMs, 0});
        }
    }
}

std::vector<TapMark> TapTranscriber::marksAgainst(const std::array<int, kBeats>& patterns) const {
    std::vector<TapMark> marks;
    std::vector<bool> marked(taps_.size(), false);
    for (int beat = 0; beat < kBeats; ++beat)
        markBeat(beat, patterns[static_cast<std::size_t>(beat)], marks, marked);
    for (std::size_t i = 0; i < taps_.size(); ++i) {
        if (!marked[i])
            marks.push_back({TapVerdict::Extra, -1, taps_[i], taps_[i], 0});
    }
    std::stable_sort(marks.begin(), marks.end(),
                     [](const TapMark& a, const TapMark& b) { return a.tapMs < b.tapMs; });
    return marks;
}
