#include "MonitorAnalysis.h"

#include <algorithm>
#include <cstdlib>

namespace monitor {

namespace {
constexpr int Silence = 1;             // 16-bit sample values at or below this are silence
constexpr int GapFrames = Rate / 2000; // 0.5 ms
} // namespace

long rightOnset(const std::vector<int16_t>& s, long from, long to, int level) {
    const long size = static_cast<long>(s.size()) / 2;
    for (long f = std::max(Rate / 200L, from); f < to && f < size; ++f) {
        const int value = std::abs(s[2 * f + 1]);
        if (value <= level)
            continue;
        int before = 0;
        for (long g = f - Rate / 200; g < f - Rate / 400; ++g)
            before = std::max(before, std::abs(static_cast<int>(s[2 * g + 1])));
        if (value > 3 * before)
            return f;
    }
    return -1;
}

long leftSound(const std::vector<int16_t>& s, long from, long to, int level) {
    const long size = static_cast<long>(s.size()) / 2;
    for (long f = std::max(0L, from); f < to && f < size; ++f) {
        if (std::abs(s[2 * f]) > level)
            return f;
    }
    return -1;
}

std::vector<std::pair<long, double>> leftGaps(const std::vector<int16_t>& s, long from, long to) {
    std::vector<std::pair<long, double>> gaps;
    long run = 0;
    const auto endRun = [&](long f) {
        if (run > GapFrames)
            gaps.emplace_back(f - run - from, run * 1000.0 / Rate);
        run = 0;
    };
    long f = std::max(0L, from);
    const long size = static_cast<long>(s.size()) / 2;
    for (; f < to && f < size; ++f) {
        if (std::abs(s[2 * f]) <= Silence)
            run += 1;
        else
            endRun(f);
    }
    endRun(f);
    return gaps;
}

} // namespace monitor
