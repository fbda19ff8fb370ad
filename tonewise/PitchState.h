#pragma once

#include "PitchExercise.h"
#include "PitchView.h"

namespace tonewise {

// The pitch trainer's state: the exercise and what the window shows of it, kept apart. The
// engine writes it; the window reads it after each handler and draws it.
struct PitchState : PitchExercise, PitchView {};

// The score display's text from "Start-Reset Score" to the first answer; the exercise reads it
// back as the window shows it.
inline QString startScoreText() {
    return QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Start"));
}
inline bool atStart(const PitchState& state) {
    return state.Score == startScoreText();
}
inline bool quizPrepared(const PitchState& state) {
    return state.quizMode == QuizMode::Prepared;
}

} // namespace tonewise
