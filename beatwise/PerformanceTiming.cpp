#include "PerformanceTiming.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr int kBeats = 7;
constexpr double kLargestLagMs = 150;
constexpr double kLargestDrift = 0.1;
// Pulls toward the count-in's grid: a lag of 50 ms weighs as much as one tap 16 ms off; a drift
// that moves the end of the row 50 ms against its start the same.
constexpr double kLagWeight = 0.1;
constexpr double kDriftWeight = 0.1;
constexpr int kRefinements = 3;

// The grid positions a performance may tap: the level's positions in the seven beats, and the
// closing beat's start.
class AllowedPositions {
public:
    AllowedPositions(int subdivisions, PatternOnsets::Mask used) {
        for (int beat = 0; beat < kBeats; ++beat) {
            for (int j = 0; j < subdivisions; ++j) {
                if (PatternOnsets::has(used, j))
                    positions_.push_back(beat * subdivisions + j);
            }
        }
        positions_.push_back(kBeats * subdivisions);
    }

    double nearest(double position) const {
        const auto after = std::lower_bound(positions_.begin(), positions_.end(), position);
        if (after == positions_.begin())
            return *after;
        if (after == positions_.end())
            return positions_.back();
        const double below = *(after - 1);
        return position - below <= *after - position ? below : *after;
    }

private:
    std::vector<double> positions_;
};

struct Fitter {
    std::span<const double> taps;
    const TapGrid& grid;
    AllowedPositions allowed;
    double trimMs;

    double sub() const { return grid.subdivisionMs(); }

    // The best lag with no drift, searched millisecond by millisecond, from the taps before
    // `untilPosition` (nominal grid).
    double coarseLag(double untilPosition) const {
        const double reach = std::min(kLargestLagMs, 0.5 * sub());
        // Every lag is judged on the same taps.
        const auto end = std::lower_bound(taps.begin(), taps.end(), grid.positionMs(untilPosition));
        // A performance that begins late is judged on all its taps.
        const std::span<const double> early =
            end == taps.begin() ? taps : std::span<const double>(taps.begin(), end);
        double bestLag = 0;
        double bestCost = INFINITY;
        for (double lag = -std::floor(reach); lag <= reach; lag += 1.0) {
            double cost = kLagWeight * lag * lag;
            for (double t : early) {
                const double position = (t - grid.firstBeatMs - lag) / sub();
                const double off = (position - allowed.nearest(position)) * sub();
                cost += std::min(off * off, trimMs * trimMs);
            }
            if (cost < bestCost || (cost == bestCost && std::fabs(lag) < std::fabs(bestLag))) {
                bestCost = cost;
                bestLag = lag;
            }
        }
        return bestLag;
    }

    // One least-squares step for lag and drift over the taps the current timing places before
    // `untilPosition`, leaving out those farther than the trim from their position.
    PerformanceTiming refined(const PerformanceTiming& current, double untilPosition) const {
        std::vector<std::pair<double, double>> kept; // grid position, residual from the grid
        double centre = 0;
        for (double t : taps) {
            const double position = current.positionOf(grid, t);
            if (position >= untilPosition)
                break;
            const double target = allowed.nearest(position);
            if (std::fabs(current.expectedMs(grid, target) - t) > trimMs)
                continue;
            kept.emplace_back(target, t - grid.positionMs(target));
            centre += target;
        }
        if (kept.empty())
            return current;
        centre /= static_cast<double>(kept.size());
        // About the taps' middle, lag and drift are found apart: residual = lag + b * (p - centre)
        // with b = drift * subdivisionMs, each pulled a little toward the count-in's grid.
        const double rowSpan = kBeats * grid.beatMs / sub();
        double sumResidual = 0, sumSpread = kDriftWeight * rowSpan * rowSpan, sumProduct = 0;
        for (const auto& [target, residual] : kept) {
            sumResidual += residual;
            sumSpread += (target - centre) * (target - centre);
            sumProduct += (target - centre) * residual;
        }
        PerformanceTiming next;
        const double reach = std::min(kLargestLagMs, 0.5 * sub());
        next.centre = centre;
        next.lagMs = std::clamp(sumResidual / (static_cast<double>(kept.size()) + kLagWeight),
                                -reach, reach);
        next.drift = std::clamp(sumProduct / sumSpread / sub(), -kLargestDrift, kLargestDrift);
        return next;
    }
};

} // namespace

PerformanceTiming PerformanceTiming::fit(std::span<const double> taps, const TapGrid& grid,
                                         PatternOnsets::Mask used) {
    if (taps.empty() || used == 0)
        return {};
    Fitter fitter{taps, grid, AllowedPositions(grid.subdivisions, used),
                  0.4 * grid.subdivisionMs()};
    const double n = grid.subdivisions;
    // The lag is found on the first two beats, then followed beat by beat, so that a pulse that
    // runs away slowly is tracked rather than lost.
    PerformanceTiming timing;
    timing.lagMs = fitter.coarseLag(2.0 * n);
    for (int horizon = 2; horizon <= kBeats + 1; ++horizon) {
        for (int i = 0; i < kRefinements; ++i)
            timing = fitter.refined(timing, (horizon + 0.5) * n);
    }
    return timing;
}
