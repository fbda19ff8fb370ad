#pragma once

#include "PatternOnsets.h"
#include "PerformanceTiming.h"
#include "TapGrid.h"

#include <array>
#include <limits>
#include <vector>

// A beat the taps have decided.
struct TappedBeat {
    int beat = 0;     // 0..6: the question's beats (columns 2..8 of the row)
    int pattern = -1; // the level's pattern that fits the beat's taps best; -1: no tap in it
};

enum class TapVerdict { InTime, Early, Late, Extra, Missed };

// One tap measured against a rhythm, or a note of the rhythm that no tap played.
struct TapMark {
    TapVerdict verdict = TapVerdict::Extra;
    int beat = -1;          // 0..6; -1 for a tap outside the seven beats
    double tapMs = 0;       // when it was tapped; for a missed note, where the note lies
    double noteMs = 0;      // where the rhythm puts the note; for an extra tap, the tap's time
    double deviationMs = 0; // tapMs - noteMs: negative early, positive late
};

struct TapTranscriberOptions {
    // A beat is decided once the taps have passed its end by this much: a tap heard by the
    // microphone reaches us a little late.
    double decisionMarginMs = 150;
    // A second tap this close to the one before is the same tap triggered twice (never more
    // than 30 % of a grid subdivision, so that fast sixteenths stay apart).
    double doubleTriggerMs = 50;
    // A tap this close to its note is in time.
    double inTimeMs = 35;
};

// Writes a tapped performance of a question as the row's patterns. Taps (milliseconds from the
// start of the count-in) are placed on the question's beat grid, allowing for a steady lead or
// lag and a slowly drifting pulse, and each of the seven beats gets the pattern of the level
// whose notes its taps fit best. Beats are decided in order as the taps pass them, so a row can
// fill while the student taps; once decided, a beat keeps its pattern.
class TapTranscriber {
public:
    static constexpr int kBeats = 7;
    static constexpr std::size_t kMaxTaps = 256; // a noisy input cannot grow the work further

    TapTranscriber(const TapGrid& grid, int patternCount, TapTranscriberOptions options = {});

    // A tap at `ms`. Taps may arrive a little out of order; a tap on a beat already decided
    // changes nothing but its mark.
    void addTap(double ms);
    // The beats decided now that the performance has reached `nowMs`, each reported once.
    std::vector<TappedBeat> advance(double nowMs);
    // Decides every beat still open: the performance is over.
    std::vector<TappedBeat> finish();

    bool finished() const { return decided_ == kBeats; }
    // When `advance` will decide the next open beat if no tap comes before; infinity once all
    // are decided.
    double nextDecisionMs() const;

    // The patterns decided so far, -1 for a beat still open or without a tap.
    const std::array<int, kBeats>& patterns() const { return patterns_; }
    const std::vector<double>& taps() const { return taps_; }
    int doubleTriggers() const { return doubleTriggers_; }
    const PerformanceTiming& timing() const { return timing_; }
    const TapGrid& grid() const { return grid_; }

    // Each tap against the rhythm of `patterns` (the row as written, after a check), and each of
    // its notes no tap played, in time order. Deviations are from the count-in's grid, so a
    // steady lag shows as late taps.
    std::vector<TapMark> marksAgainst(const std::array<int, kBeats>& patterns) const;
    // The same against the patterns the taps were written as.
    std::vector<TapMark> marks() const { return marksAgainst(patterns_); }

private:
    struct Window {
        double startMs;
        double endMs;
    };

    Window windowOf(int beat) const;
    TappedBeat decide(int beat);
    std::vector<double> positionsIn(const Window& window, int beat) const;
    void markBeat(int beat, int pattern, std::vector<TapMark>& marks,
                  std::vector<bool>& marked) const;

    TapGrid grid_;
    int patternCount_;
    TapTranscriberOptions options_;
    PatternOnsets::Mask used_;
    // How far before the next beat a beat's taps end, in subdivisions: half-way from the level's
    // last note position to the next beat.
    double windowLead_;
    std::vector<double> taps_;
    int doubleTriggers_ = 0;
    PerformanceTiming timing_;
    std::array<int, kBeats> patterns_;
    std::array<Window, kBeats> windows_{};
    int decided_ = 0;
};
