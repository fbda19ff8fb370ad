#include "TapPerformance.h"

#include "BeatDrawing.h"
#include "PatternOnsets.h"
#include "Random.h"
#include "TapTranscriber.h"

#include <algorithm>

namespace {

// The trainer's Random over a standard generator.
class StdRandom final : public Random {
public:
    explicit StdRandom(std::mt19937_64& engine) : engine_(engine) {}
    void reseedFromClock() override {}
    int next(int n) override { return std::uniform_int_distribution<int>(0, n - 1)(engine_); }

private:
    std::mt19937_64& engine_;
};

} // namespace

TapPerformance::Row TapPerformance::drawRow(Meter meter, int patternCount,
                                            std::mt19937_64& random) {
    StdRandom source(random);
    Row row{};
    row[0] = BeatDrawing::first(patternCount, source);
    for (std::size_t beat = 1; beat < row.size(); ++beat)
        row[beat] = BeatDrawing::next(meter, patternCount, row[beat - 1], source);
    return row;
}

std::vector<double> TapPerformance::writtenTaps(const TapGrid& grid, const Row& row) {
    std::vector<double> taps;
    for (int beat = 0; beat < static_cast<int>(row.size()); ++beat) {
        const auto notes = PatternOnsets::of(grid.meter, row[static_cast<std::size_t>(beat)]);
        for (int j = 0; j < grid.subdivisions; ++j) {
            if (PatternOnsets::has(notes, j))
                taps.push_back(grid.positionMs(beat * grid.subdivisions + j));
        }
    }
    return taps;
}

std::vector<double> TapPerformance::performed(const TapGrid& grid, const Row& row, double jitterMs,
                                              std::mt19937_64& random, double lagMs, double drift) {
    std::uniform_real_distribution<double> jitter(-jitterMs, jitterMs);
    std::vector<double> taps = writtenTaps(grid, row);
    for (double& t : taps)
        t = grid.firstBeatMs + lagMs + (1.0 + drift) * (t - grid.firstBeatMs) + jitter(random);
    std::sort(taps.begin(), taps.end());
    return taps;
}

TapPerformance::Row TapPerformance::transcribeLive(const TapGrid& grid, int patternCount,
                                                   const std::vector<double>& taps) {
    TapTranscriber transcriber(grid, patternCount);
    for (double t : taps) {
        transcriber.advance(t);
        transcriber.addTap(t);
    }
    // The performance ends: time runs on until every beat is decided.
    while (!transcriber.finished())
        transcriber.advance(transcriber.nextDecisionMs());
    return transcriber.patterns();
}

int TapPerformance::beatsRight(const Row& written, const Row& tapped) {
    int right = 0;
    for (std::size_t beat = 0; beat < written.size(); ++beat)
        right += written[beat] == tapped[beat] ? 1 : 0;
    return right;
}
