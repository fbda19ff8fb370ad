#pragma once

#include "AnswerSink.h"
#include "PatternAnswer.h"
#include "RhythmParts.h"
#include "TapTranscriber.h"

#include <QtGlobal>

#include <functional>
#include <memory>
#include <optional>

class Clock;
class RhythmPlayer;
class TapClick;
class Timer;
class TimerFactory;

// A tapped answer: "Tap the Rhythm" sounds the count-in, two beats at the question's tempo;
// the student then taps the seven beats. Each tap clicks at once; the taps are written as the
// level's patterns beat by beat as the performance passes each beat, and every decided beat
// answers at its column of the row as a click on its pattern button would. A beat without a
// tap is left empty. After a check the taps are measured against the question's rhythm.
class RhythmTapping {
public:
    RhythmTapping(RhythmParts parts, RhythmPlayer& player, Clock& clock, TimerFactory& timers,
                  TapClick& click, AnswerSink<PatternAnswer>& answers);
    ~RhythmTapping();
    RhythmTapping(const RhythmTapping&) = delete;
    RhythmTapping& operator=(const RhythmTapping&) = delete;

    // Told of every beat decided, after its pattern has been entered.
    void onBeat(std::function<void(const TappedBeat&)> beat) { beat_ = std::move(beat); }

    // "Tap the Rhythm": the row is cleared and the count-in sounds.
    void TapRhythmClick();
    // A tap now (a key, a MIDI pad): it clicks and counts.
    void tap();
    // A tap whose sound began at `clockMs` on the clock (a clap the microphone heard a moment
    // ago); the student heard the clap itself, so it does not click.
    void tapHeard(double clockMs);
    // Before a check: the beats still open are decided from the taps so far.
    void finishForCheck();
    // After a check: the strip shows the taps against the question's rhythm.
    void showFeedback();
    // A new question or a reset: taps are no longer heard and the strip goes.
    void stop();

private:
    void addTap(double ms);
    void decideDue();
    void enter(const std::vector<TappedBeat>& beats);
    void armTimer();
    double performanceMs() const;

    RhythmParts parts_;
    RhythmPlayer& player_;
    Clock& clock_;
    TapClick& click_;
    AnswerSink<PatternAnswer>& answers_;
    std::unique_ptr<Timer> timer_;
    std::optional<TapTranscriber> transcriber_;
    qint64 countInStartMs_ = 0;
    std::function<void(const TappedBeat&)> beat_;
};
