#include "ClapListening.h"

#include "OnsetDetector.h"
#include "TapTranscriber.h"

#include <algorithm>
#include <cmath>

Recording ClapListening::clappedRow(Sound sound, const TapGrid& grid,
                                    const TapPerformance::Row& row, double leadMs,
                                    std::mt19937_64& random) {
    std::uniform_real_distribution<double> lag(-20, 20);
    std::vector<double> times = TapPerformance::performed(grid, row, 20, random, lag(random));
    for (double& t : times)
        t += leadMs;
    if (sound == Sound::Synthetic)
        return ClapRecordings::syntheticClaps(times, random);
    std::uniform_int_distribution<int> velocity(70, 127);
    std::vector<int> velocities;
    for (std::size_t i = 0; i < times.size(); ++i)
        velocities.push_back(velocity(random));
    return ClapRecordings::synthesizerClaps(times, velocities);
}

std::vector<ClapListening::Heard> ClapListening::listen(const Recording& recording,
                                                        int blockFrames) {
    std::vector<Heard> heard;
    double now = 0;
    listening::OnsetDetector detector([&](const listening::DetectedOnset& onset) {
        heard.push_back({onset.ms(), now});
    });
    const auto block = static_cast<std::size_t>(std::max(1, blockFrames));
    for (std::size_t at = 0; at < recording.samples.size(); at += block) {
        const std::size_t count = std::min(block, recording.samples.size() - at);
        now = (at + count) * 1000.0 / recording.sampleRate;
        detector.analyse(std::span<const float>(recording.samples.data() + at, count),
                         recording.sampleRate, static_cast<std::int64_t>(at));
    }
    detector.flush();
    return heard;
}

TapPerformance::Row ClapListening::transcribe(const std::vector<Heard>& heard, double countInMs,
                                              const TapGrid& grid, int patternCount) {
    TapTranscriber transcriber(grid, patternCount);
    for (const Heard& h : heard) {
        transcriber.advance(h.reportedAtMs - countInMs);
        transcriber.addTap(h.ms - countInMs);
    }
    transcriber.finish();
    return transcriber.patterns();
}

ClapListening::Match ClapListening::match(const Recording& recording,
                                          const std::vector<Heard>& heard, double toleranceMs) {
    Match m;
    std::vector<bool> used(heard.size(), false);
    for (double onset : recording.onsetMs) {
        for (std::size_t i = 0; i < heard.size(); ++i) {
            const double error = std::fabs(heard[i].ms - onset);
            if (!used[i] && error <= toleranceMs) {
                used[i] = true;
                ++m.found;
                m.worstErrorMs = std::max(m.worstErrorMs, error);
                break;
            }
        }
    }
    m.extra = static_cast<int>(std::count(used.begin(), used.end(), false));
    return m;
}
