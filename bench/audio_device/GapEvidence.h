#pragma once

#include "SoundServerRig.h"
#include "WakeupProbe.h"

#include <string>
#include <utility>
#include <vector>

// What each side saw at every gap heard in the recording: the sound server's reports that our
// stream ran dry (underflows), the recording's own losses (sound the sink played that never
// reached the recording), and the machine's stalls as a real-time probe thread felt them.
class GapEvidence {
public:
    struct Gap {
        bench::SteadyClock::time_point from, to;
        std::string where;
    };
    using LateWakeup = std::pair<bench::SteadyClock::time_point, double>; // due, ms late
    GapEvidence(std::vector<bench::SteadyClock::time_point> underflows,
                std::vector<LateWakeup> audioThreadLate,
                std::vector<bench::MonitorRecorder::Loss> captureLosses, const WakeupProbe& probe,
                bench::SteadyClock::time_point zero)
        : underflows_(std::move(underflows)), audioLate_(std::move(audioThreadLate)),
          losses_(std::move(captureLosses)), probe_(probe), zero_(zero) {}

    // Prints one line per gap, then the underflows and capture losses that no gap explains.
    void print(const std::vector<Gap>& gaps) const;
    // Gaps with an underflow of our stream reported within a server period or two of them.
    int gapsWithUnderflow(const std::vector<Gap>& gaps) const;
    // Gaps that began while the audio thread's own timer was over 10 ms late.
    int gapsWithAudioThreadLate(const std::vector<Gap>& gaps) const;
    const std::vector<bench::MonitorRecorder::Loss>& captureLosses() const { return losses_; }

private:
    double secondsIn(bench::SteadyClock::time_point t) const;
    // The underflow report nearest to the gap (reports come after the server noticed), as
    // milliseconds from the gap's start; nothing within the window gives NaN.
    double nearestUnderflowMs(const Gap& gap) const;
    // The latest wakeup of the audio thread due shortly before the gap began or in it.
    const LateWakeup* audioThreadLateAt(const Gap& gap) const;

    std::vector<bench::SteadyClock::time_point> underflows_;
    std::vector<LateWakeup> audioLate_;
    std::vector<bench::MonitorRecorder::Loss> losses_;
    const WakeupProbe& probe_;
    bench::SteadyClock::time_point zero_;
};
