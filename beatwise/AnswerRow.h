#pragma once

#include "RhythmParts.h"

#include <QCoreApplication>

class RhythmQuestion;
class RhythmQuiz;

// The answer row: patterns entered beat by beat at the entry point a click on the row moves,
// checked against the question row, and the counts and score that checking keeps.
class AnswerRow {
    Q_DECLARE_TR_FUNCTIONS(RhythmTrainer)

public:
    AnswerRow(RhythmParts parts, RhythmQuestion& question, RhythmQuiz& quiz)
        : parts_(parts), question_(question), quiz_(quiz) {}

    void PatternClick(int pattern);
    void ShowResMouseDown(int column);
    void ClearAnswerRow();
    void AnsDisplayClick();
    void RestScoreClick();
    // A question started before the counters were reset belongs to the old count.
    void forgetOpenQuestion();

private:
    void countQuestion();
    void scoreAnswer();

    RhythmParts parts_;
    RhythmQuestion& question_;
    RhythmQuiz& quiz_;
};
