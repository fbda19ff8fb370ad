#pragma once

#include "AnswerSink.h"
#include "HeardNote.h"
#include "PitchAnswer.h"
#include "PitchState.h"

#include <optional>

namespace tonewise {

// Answers sung into the microphone: a note held steadily answers, in Pitches and Singing
// practice, as a click on the key of its pitch would; in Intervals practice it answers nothing.
// Unless "Exact Octave" is marked, the sung pitch class answers in the question's octave.
class SungAnswerSource {
public:
    SungAnswerSource(const PitchState& state, AnswerSink<PitchAnswer>& answers)
        : state_(state), answers_(answers) {}

    // The answer a note heard now gives, if any.
    std::optional<PitchAnswer> answerFor(const listening::HeardNote& note) const;
    // A note heard: its answer goes to the sink.
    void heard(const listening::HeardNote& note);

private:
    const PitchState& state_;
    AnswerSink<PitchAnswer>& answers_;
};

} // namespace tonewise
