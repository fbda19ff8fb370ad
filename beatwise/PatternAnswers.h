#pragma once

#include "AnswerSink.h"
#include "PatternAnswer.h"

class RhythmTrainer;

// The rhythm trainer's answer sink: a pattern answers through the click handler of its button.
// A pattern whose button the student could not click now (hidden at this level or meter)
// answers nothing.
class PatternAnswers final : public AnswerSink<PatternAnswer> {
public:
    explicit PatternAnswers(RhythmTrainer& trainer) : trainer_(trainer) {}

    void answer(const PatternAnswer& answer) override;
    // Whether the button of `pattern` could answer now.
    bool canAnswer(int pattern) const;

private:
    RhythmTrainer& trainer_;
};
