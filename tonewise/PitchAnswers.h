#pragma once

#include "AnswerSink.h"
#include "PitchAnswer.h"

namespace tonewise {

class PitchTrainer;

// The pitch trainer's answer sink: a pitch answers through the click handler of its key, as a
// click on that key would. A pitch beyond the keyboard, or of a key the student could not
// click now (hidden or off, as in Intervals practice), answers nothing.
class PitchAnswers final : public AnswerSink<PitchAnswer> {
public:
    explicit PitchAnswers(PitchTrainer& trainer) : trainer_(trainer) {}

    void answer(const PitchAnswer& answer) override;
    // Whether the key of `midi` could answer now.
    bool canAnswer(int midi) const;

private:
    PitchTrainer& trainer_;
};

} // namespace tonewise
