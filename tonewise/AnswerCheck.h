#pragma once

#include "PitchParts.h"

#include <QCoreApplication>
#include <QStringView>

namespace tonewise {

class OutputChoice;
class QuestionCycle;
class StaffLayout;

// A key's answer checked against the question: a right one is named, scored and written on the
// staff before the next question; a wrong one sounds the error tone and the notes again.
class AnswerCheck {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    AnswerCheck(PitchParts parts, OutputChoice& output, StaffLayout& staff, QuestionCycle& cycle)
        : parts_(parts), output_(output), staff_(staff), cycle_(cycle) {}

    void KeyClick(QStringView keyName);
    void CheckAnswer();
    void UpdateScore();
    void IntervalName();
    void AnsDisplayClick();

private:
    void answeredRight();
    void answeredWrong();

    PitchParts parts_;
    OutputChoice& output_;
    StaffLayout& staff_;
    QuestionCycle& cycle_;
};

} // namespace tonewise
