#include "RhythmTapping.h"

#include "Clock.h"
#include "RhythmPlayer.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"
#include "TapClick.h"
#include "TapGrid.h"
#include "Timer.h"

#include <cmath>

RhythmTapping::RhythmTapping(RhythmParts parts, RhythmPlayer& player, Clock& clock,
                             TimerFactory& timers, TapClick& click,
                             AnswerSink<PatternAnswer>& answers)
    : parts_(parts), player_(player), clock_(clock), click_(click), answers_(answers),
      timer_(timers.createTimer([this] { decideDue(); })) {}

RhythmTapping::~RhythmTapping() = default;

void RhythmTapping::TapRhythmClick() {
    RhythmState& state = parts_.state;
    if (state.PlayParts.size() < 2)
        return;
    stop();
    const Meter meter = state.questionMeter;
    transcriber_.emplace(TapGrid::forQuestion(meter, state.Speed), state.PatternCount);
    state.Tapping = true;
    parts_.trainer.ClearAnswerRow();
    // The count-in as the question begins: its first two parts, at the question's tempo.
    player_.SetChannel(RhythmPlayer::kPercussionChannel);
    player_.PlayString(state.PlayParts.at(0) + state.PlayParts.at(1));
    countInStartMs_ = clock_.elapsedMs();
    armTimer();
}

double RhythmTapping::performanceMs() const {
    return static_cast<double>(clock_.elapsedMs() - countInStartMs_);
}

void RhythmTapping::tap() {
    if (!parts_.state.Tapping)
        return;
    click_.sound();
    addTap(performanceMs());
}

void RhythmTapping::tapHeard(double clockMs) {
    if (!parts_.state.Tapping)
        return;
    addTap(clockMs - static_cast<double>(countInStartMs_));
}

void RhythmTapping::addTap(double ms) {
    transcriber_->addTap(ms);
    decideDue();
}

void RhythmTapping::decideDue() {
    if (!transcriber_ || !parts_.state.Tapping)
        return;
    enter(transcriber_->advance(performanceMs()));
    armTimer();
}

void RhythmTapping::enter(const std::vector<TappedBeat>& beats) {
    RhythmState& state = parts_.state;
    for (const TappedBeat& beat : beats) {
        if (beat.pattern >= 0) {
            state.AnswerCursor = static_cast<qint8>(RhythmCatalogue::kFirstBeatColumn + beat.beat);
            answers_.answer({beat.pattern});
        }
        if (beat_)
            beat_(beat);
    }
    if (transcriber_->finished()) {
        state.Tapping = false;
        // The next pattern clicked goes after the last beat, as after seven clicks.
        state.AnswerCursor = RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats;
    }
}

void RhythmTapping::armTimer() {
    if (!parts_.state.Tapping) {
        timer_->stop();
        return;
    }
    const double wait = transcriber_->nextDecisionMs() - performanceMs();
    timer_->start(static_cast<int>(std::ceil(std::max(0.0, wait))));
}

void RhythmTapping::finishForCheck() {
    if (!parts_.state.Tapping)
        return;
    enter(transcriber_->finish());
    timer_->stop();
}

void RhythmTapping::showFeedback() {
    RhythmState& state = parts_.state;
    TapFeedback& feedback = state.tapFeedback;
    feedback.shown = false;
    if (!transcriber_ || transcriber_->taps().empty() || !state.DisplayAnsVisible)
        return;
    feedback.marks = transcriber_->marksAgainst(state.QuestionPatterns);
    // Taps during the count-in are the student tapping along (or the microphone hearing the
    // count-in itself), not a part of the answer.
    const double answerStartMs = transcriber_->grid().firstBeatMs - transcriber_->grid().beatMs / 2;
    std::erase_if(feedback.marks, [answerStartMs](const TapMark& mark) {
        return mark.verdict == TapVerdict::Extra && mark.tapMs < answerStartMs;
    });
    feedback.firstBeatMs = transcriber_->grid().firstBeatMs;
    feedback.beatMs = transcriber_->grid().beatMs;
    feedback.shown = true;
}

void RhythmTapping::stop() {
    parts_.state.Tapping = false;
    parts_.state.tapFeedback = {};
    timer_->stop();
    transcriber_.reset();
}
