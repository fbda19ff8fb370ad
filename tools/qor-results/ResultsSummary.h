#pragma once

#include "ClassResults.h"

namespace qor {

// A quiz's result: a rhythm quiz line, or the closing line of a pitch quiz with its average.
bool isQuizResult(const QuizRecord& record);

// "Simple/5, tempo 72" or "C Major, 1, 3, 5": what the quiz asked, in a few words.
QString quizSettings(const QuizRecord& record);

QString programName(Program program);

struct ProgramSummary {
    int quizzes = 0;      // completed quizzes
    int notCompleted = 0; // pitch quizzes switched off before their last question
    const QuizRecord* latest = nullptr;
    const QuizRecord* best = nullptr; // the earliest of equal best scores
};

struct StudentSummary {
    QString student;
    ProgramSummary beatwise;
    ProgramSummary tonewise;
    QVector<const QuizRecord*> results; // every quiz result, in the order of the file

    const ProgramSummary& of(Program program) const {
        return program == Program::Beatwise ? beatwise : tonewise;
    }
};

// One summary per student, in the order of `results.students()`; pointers into `results`.
QVector<StudentSummary> summarise(const ClassResults& results);

// The summary as plain text for a terminal, control and invisible characters of the files shown
// as escapes.
QString summaryText(const ClassResults& results);

} // namespace qor
