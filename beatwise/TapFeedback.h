#pragma once

#include "TapTranscriber.h"

#include <vector>

// How a tapped answer went, for the strip under the answer row: each tap against where the
// written rhythm puts it, and each note no tap played. Times are milliseconds from the start of
// the count-in; the seven beats begin at `firstBeatMs`, one every `beatMs`.
struct TapFeedback {
    std::vector<TapMark> marks;
    double firstBeatMs = 0;
    double beatMs = 1000;
    bool shown = false; // shown after a check, while the question row is shown

    int count(TapVerdict verdict) const {
        int n = 0;
        for (const TapMark& mark : marks)
            n += mark.verdict == verdict ? 1 : 0;
        return n;
    }
};
