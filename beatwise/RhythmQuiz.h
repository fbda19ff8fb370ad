#pragma once

#include "RhythmParts.h"

#include <QCoreApplication>
#include <QString>

class Clock;
class RhythmQuestion;
class ScoreFile;

// The rhythm quiz: prepared with the student's name and the number of questions, and at its end
// a line in the student's score file, the scores reviewed and copied.
class RhythmQuiz {
    Q_DECLARE_TR_FUNCTIONS(RhythmTrainer)

public:
    RhythmQuiz(RhythmParts parts, RhythmQuestion& question, Clock& clock,
               const ScoreFile& scoreFile)
        : parts_(parts), question_(question), clock_(clock), scoreFile_(scoreFile) {}

    void PrepareQuizClick();
    void Off2Click();
    void ViewScores1Click();
    // The line a finished quiz adds to the score file.
    QString quizLine() const;
    // The quiz's line in the score file, the scores reviewed and copied.
    void finishQuiz();

private:
    void enterQuizMode();
    void askQuestionCount();

    RhythmParts parts_;
    RhythmQuestion& question_;
    Clock& clock_;
    const ScoreFile& scoreFile_;
};
