#pragma once

#include <QString>
#include <QVector>

#include <optional>

namespace qor {

enum class Program { Beatwise, Tonewise };

enum class RecordKind {
    RhythmQuiz,       // " Beatwise Quiz <date>, <time>, Rhythm Patterns = ..."
    PitchQuestion,    // " Tonewise Quiz = <mode>, <time>, Key = ..., Score this question: ..."
    PitchQuizEnd,     // " Tonewise Quiz , <date>, Scale-steps = ..., ... Overall Average Score"
    PitchQuizNotDone, // "User did not complete Tonewise Quiz."
};

// One recognised line of a score file, with what it says. Numbers are kept as the texts the line
// holds (decimal comma turned into a point) so that a report shows them as the student saw them.
struct QuizRecord {
    Program program = Program::Beatwise;
    RecordKind kind = RecordKind::RhythmQuiz;

    QString date; // as written; a pitch question takes the date of its quiz's closing line
    QString time;

    QString meter;    // rhythm: "Simple" or "Compound"
    QString level;    // rhythm: "5"; pitch: the scale steps, "1, 3, 5"
    QString key;      // pitch: "C Major", "A Harmonic Minor"
    QString exercise; // pitch question: "Scale Steps", "Intervals" or "Singing"
    QString tempo;    // rhythm

    QString score;     // percent, "95.00"; a pitch quiz's closing line holds the quiz average
    QString questions; // rhythm: questions asked; pitch closing line: questions in the test
    QString hearings;  // rhythm: average hearings per question
    QString items;     // pitch: right answers that make one question

    int quiz = 0;     // which quiz of the student's file, counting from 1, both programs together
    int question = 0; // pitch question: its number within its quiz

    // Where the line stands.
    QString student;
    QString file;
    int line = 0;

    std::optional<double> scoreValue() const;
};

// Recognises one line of a score file. Tolerant of what a teacher's editor may have done to it:
// blanks around and between the pieces, letter case, a missing "%", a decimal comma.
std::optional<QuizRecord> parseScoreLine(const QString& line);

} // namespace qor
