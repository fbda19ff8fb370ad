#pragma once

#include "PitchParts.h"

#include <QCoreApplication>
#include <QString>

class Clock;
class ScoreFile;

namespace tonewise {

class OutputChoice;
class StaffLayout;

// The pitch quiz: prepared with the student's name and the numbers of questions and items, a
// record in the student's score file after every question and at the end, the scores reviewed
// and copied, and a note in the file when a quiz is stopped before its end.
class PitchQuiz {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PitchQuiz(PitchParts parts, OutputChoice& output, StaffLayout& staff, Clock& clock,
              const ScoreFile& scoreFile)
        : parts_(parts), output_(output), staff_(staff), clock_(clock), scoreFile_(scoreFile) {}

    void QuizOnClick();
    void QuizOffClick();
    void ReviewScoresClick();
    void QuizQuestionDone();

private:
    void enterQuizMode();
    bool askItems();
    bool askQuestionCount();
    bool appendScoreLine(const QString& line);
    void questionEnded();
    void finishQuiz();

    PitchParts parts_;
    OutputChoice& output_;
    StaffLayout& staff_;
    Clock& clock_;
    const ScoreFile& scoreFile_;
    QString copyFolder_; // where the last copy of a score file went, remembered for the run
};

} // namespace tonewise
