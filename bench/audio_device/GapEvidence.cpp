#include "GapEvidence.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

using Ms = std::chrono::duration<double, std::milli>;
// How far from a gap an underflow report or a loss of the recording is taken as its own.
constexpr auto Window = std::chrono::milliseconds(150);

} // namespace

double GapEvidence::secondsIn(bench::SteadyClock::time_point t) const {
    return std::chrono::duration<double>(t - zero_).count();
}

double GapEvidence::nearestUnderflowMs(const Gap& gap) const {
    double nearest = std::numeric_limits<double>::quiet_NaN();
    for (const auto& at : underflows_) {
        if (at < gap.from - Window || at > gap.to + Window)
            continue;
        const double ms = Ms(at - gap.from).count();
        if (std::isnan(nearest) || std::fabs(ms) < std::fabs(nearest))
            nearest = ms;
    }
    return nearest;
}

const GapEvidence::LateWakeup* GapEvidence::audioThreadLateAt(const Gap& gap) const {
    const LateWakeup* latest = nullptr;
    for (const LateWakeup& wakeup : audioLate_) {
        const auto woke =
            wakeup.first + std::chrono::microseconds(std::lround(wakeup.second * 1e3));
        if (woke < gap.from || wakeup.first > gap.to)
            continue;
        if (latest == nullptr || wakeup.second > latest->second)
            latest = &wakeup;
    }
    return latest;
}

int GapEvidence::gapsWithAudioThreadLate(const std::vector<Gap>& gaps) const {
    int count = 0;
    for (const Gap& gap : gaps)
        count += audioThreadLateAt(gap) != nullptr ? 1 : 0;
    return count;
}

int GapEvidence::gapsWithUnderflow(const std::vector<Gap>& gaps) const {
    int count = 0;
    for (const Gap& gap : gaps)
        count += std::isnan(nearestUnderflowMs(gap)) ? 0 : 1;
    return count;
}

void GapEvidence::print(const std::vector<Gap>& gaps) const {
    for (const Gap& gap : gaps) {
        std::printf("gap at %.3f s (%s), %.2f ms:", secondsIn(gap.from), gap.where.c_str(),
                    Ms(gap.to - gap.from).count());
        const double underflow = nearestUnderflowMs(gap);
        if (std::isnan(underflow))
            std::printf(" no underflow of our stream reported;");
        else
            std::printf(" our stream's underflow reported %+.1f ms from its start;", underflow);
        if (const LateWakeup* late = audioThreadLateAt(gap))
            std::printf(" the audio thread woke %.1f ms late, due %+.1f ms from its start;",
                        late->second, Ms(late->first - gap.from).count());
        else
            std::printf(" the audio thread was on time;");
        bool lost = false;
        for (const auto& loss : losses_) {
            if (loss.at >= gap.from - Window && loss.at <= gap.to + Window) {
                std::printf(" the recording lost %.1f ms read %+.1f ms from its start;", loss.ms,
                            Ms(loss.at - gap.from).count());
                lost = true;
            }
        }
        if (!lost)
            std::printf(" the recording lost nothing;");
        const WakeupProbe::Stall stall = probe_.longestStallNear(gap.from, Window);
        if (stall.cpu < 0)
            std::printf(" no processor stalled\n");
        else
            std::printf(" processor %d stalled %.1f ms, %+.1f ms from its start\n", stall.cpu,
                        Ms(stall.woke - stall.due).count(), Ms(stall.due - gap.from).count());
    }
    for (const LateWakeup& late : audioLate_)
        std::printf("the audio thread woke %.1f ms late at %.3f s\n", late.second,
                    secondsIn(late.first));
    for (const WakeupProbe::Stall& stall : probe_.stallsOver(std::chrono::milliseconds(10)))
        std::printf("processor %d stalled %.1f ms at %.3f s\n", stall.cpu,
                    Ms(stall.woke - stall.due).count(), secondsIn(stall.due));
    for (const auto& at : underflows_)
        std::printf("underflow of our stream reported at %.3f s\n", secondsIn(at));
    for (const auto& loss : losses_)
        std::printf("the recording lost %.1f ms before the read at %.3f s\n", loss.ms,
                    secondsIn(loss.at));
}
