#include "HearingLog.h"

#include "RecordingFeeder.h"

namespace recordings {

HearingLog hear(std::span<const float> mono, int sampleRate, const listening::SingingRules& rules) {
    listening::SingingAnalyser analyser(rules);
    HearingLog log;
    log.attach(analyser);
    listening::RecordingFeeder({&analyser}).feed(mono, sampleRate, 0);
    return log;
}

} // namespace recordings
