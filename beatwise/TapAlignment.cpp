#include "TapAlignment.h"

#include <array>

namespace {

constexpr int kMaxNotes = 4;

double matchCost(double tap, int note) {
    const double d = (tap - note) / TapAlignment::kSpread;
    return d * d;
}

} // namespace

TapAlignment TapAlignment::align(std::span<const double> taps, PatternOnsets::Mask notes) {
    std::array<int, kMaxNotes> positions{};
    int noteCount = 0;
    for (int j = 0; j < 8 && noteCount < kMaxNotes; ++j) {
        if (PatternOnsets::has(notes, j))
            positions[static_cast<std::size_t>(noteCount++)] = j;
    }
    const std::size_t rows = taps.size() + 1;
    const std::size_t cols = static_cast<std::size_t>(noteCount) + 1;
    // cost[i][k]: the first i taps against the first k notes; step records the last move
    // (0 match, 1 extra tap, 2 missed note).
    std::vector<double> cost(rows * cols, 0.0);
    std::vector<unsigned char> step(rows * cols, 0);
    const auto at = [cols](std::size_t i, std::size_t k) { return i * cols + k; };
    for (std::size_t i = 1; i < rows; ++i) {
        cost[at(i, 0)] = cost[at(i - 1, 0)] + kExtraCost;
        step[at(i, 0)] = 1;
    }
    for (std::size_t k = 1; k < cols; ++k) {
        cost[at(0, k)] = cost[at(0, k - 1)] + kMissCost;
        step[at(0, k)] = 2;
    }
    for (std::size_t i = 1; i < rows; ++i) {
        for (std::size_t k = 1; k < cols; ++k) {
            const double match = cost[at(i - 1, k - 1)] + matchCost(taps[i - 1], positions[k - 1]);
            const double extra = cost[at(i - 1, k)] + kExtraCost;
            const double miss = cost[at(i, k - 1)] + kMissCost;
            double best = match;
            unsigned char move = 0;
            if (extra < best) {
                best = extra;
                move = 1;
            }
            if (miss < best) {
                best = miss;
                move = 2;
            }
            cost[at(i, k)] = best;
            step[at(i, k)] = move;
        }
    }

    TapAlignment result;
    result.cost = cost[at(rows - 1, cols - 1)];
    result.noteOfTap.assign(taps.size(), -1);
    std::size_t i = rows - 1;
    std::size_t k = cols - 1;
    while (i > 0 || k > 0) {
        const unsigned char move = step[at(i, k)];
        if (move == 0) {
            result.noteOfTap[i - 1] = positions[k - 1];
            --i;
            --k;
        } else if (move == 1) {
            --i;
        } else {
            result.missed |= static_cast<PatternOnsets::Mask>(1u << positions[k - 1]);
            --k;
        }
    }
    return result;
}
