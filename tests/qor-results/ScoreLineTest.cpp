// Score file lines of both trainers, as written and as a teacher may have retyped them.

#include "QuizRecord.h"

#include <gtest/gtest.h>

namespace qor {
namespace {

TEST(ScoreLine, RhythmQuizLineAsWritten) {
    const auto r = parseScoreLine(QStringLiteral(
        " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Compound/7, Tempo = 96 , "
        "Rhythm Score = 85.71%,  Number of Questions = 6, Av. Hearings = 1.33"));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->program, Program::Beatwise);
    EXPECT_EQ(r->kind, RecordKind::RhythmQuiz);
    EXPECT_EQ(r->date, "07/12/2026");
    EXPECT_EQ(r->time, "10:15:30 AM");
    EXPECT_EQ(r->meter, "Compound");
    EXPECT_EQ(r->level, "7");
    EXPECT_EQ(r->tempo, "96");
    EXPECT_EQ(r->score, "85.71");
    EXPECT_EQ(r->questions, "6");
    EXPECT_EQ(r->hearings, "1.33");
    EXPECT_DOUBLE_EQ(*r->scoreValue(), 85.71);
}

TEST(ScoreLine, PitchQuizLinesAsWritten) {
    const auto question = parseScoreLine(QStringLiteral(
        " Tonewise Quiz = Intervals, 1:02:03 PM, Key = F# Harmonic Minor., Score this question: "
        "66.66%"));
    ASSERT_TRUE(question);
    EXPECT_EQ(question->program, Program::Tonewise);
    EXPECT_EQ(question->kind, RecordKind::PitchQuestion);
    EXPECT_EQ(question->exercise, "Intervals");
    EXPECT_EQ(question->time, "1:02:03 PM");
    EXPECT_EQ(question->key, "F# Harmonic Minor");
    EXPECT_EQ(question->score, "66.66");
    EXPECT_TRUE(question->date.isEmpty());

    // The practices by their names in the quiz lines.
    for (const char* practice : {"Scale Steps", "Intervals", "Singing"}) {
        const auto line = parseScoreLine(
            QStringLiteral(" Tonewise Quiz = %1, 10:00:00, Key = C Major., Score this question: "
                           "100.00%")
                .arg(QLatin1String(practice)));
        ASSERT_TRUE(line) << practice;
        EXPECT_EQ(line->exercise, QLatin1String(practice));
    }

    const auto end = parseScoreLine(QStringLiteral(
        " Tonewise Quiz , 1/5/2026, Scale-steps = 1, 3, 5., Number of Questions = 2, Number of "
        "pitches in questions = 3, Overall Average Score = 88"));
    ASSERT_TRUE(end);
    EXPECT_EQ(end->kind, RecordKind::PitchQuizEnd);
    EXPECT_EQ(end->date, "1/5/2026");
    EXPECT_EQ(end->level, "1, 3, 5");
    EXPECT_EQ(end->questions, "2");
    EXPECT_EQ(end->items, "3");
    EXPECT_EQ(end->score, "88");

    // The mixed levels' steps texts have no closing full stop.
    const auto mixed = parseScoreLine(QStringLiteral(
        " Tonewise Quiz , 08.12.26, Scale-steps = 5 - 1 - 8 + parallel 3,6, Number of Questions "
        "= 10, Number of pitches in questions = 40, Overall Average Score = 100"));
    ASSERT_TRUE(mixed);
    EXPECT_EQ(mixed->date, "08.12.26");
    EXPECT_EQ(mixed->level, "5 - 1 - 8 + parallel 3,6");

    const auto notDone = parseScoreLine(QStringLiteral("User did not complete Tonewise Quiz."));
    ASSERT_TRUE(notDone);
    EXPECT_EQ(notDone->kind, RecordKind::PitchQuizNotDone);
}

TEST(ScoreLine, HandEditedLinesAreStillRecognised) {
    // Retyped in a word processor: blanks lost or doubled, case changed, "%" dropped, decimal
    // commas, a time in 24-hour form.
    const auto rhythm = parseScoreLine(QStringLiteral(
        "beatwise quiz 8.12.2026,14:05:00,Rhythm Patterns=simple / 12,Tempo=60,Rhythm Score=75,5 "
        ", Number of Questions=4 , Av. Hearings = 2"));
    ASSERT_TRUE(rhythm);
    EXPECT_EQ(rhythm->date, "8.12.2026");
    EXPECT_EQ(rhythm->time, "14:05:00");
    EXPECT_EQ(rhythm->meter, "Simple");
    EXPECT_EQ(rhythm->level, "12");
    EXPECT_EQ(rhythm->score, "75.5");
    EXPECT_EQ(rhythm->hearings, "2");

    const auto question = parseScoreLine(
        QStringLiteral("\tTonewise Quiz = scale steps,  09:00:00 ,  Key = Bb Major , Score this "
                       "question: 100 %  "));
    ASSERT_TRUE(question);
    EXPECT_EQ(question->exercise, "Scale Steps");
    EXPECT_EQ(question->key, "Bb Major");
    EXPECT_EQ(question->score, "100");

    EXPECT_TRUE(parseScoreLine(QStringLiteral("User did not complete Tonewise Quiz")));
}

TEST(ScoreLine, OtherTextIsNotAQuizLine) {
    for (const char* text : {
             "Dear parents, here are the results of the term.",
             " Beatwise Quiz", // cut short
             " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/5, Tempo = 72 , "
             "Rhythm Score = 100.00%,  Number of Questions = 2",
             " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Triple/5, Tempo = 72 , "
             "Rhythm Score = 100.00%,  Number of Questions = 2, Av. Hearings = 1.00",
             " Tonewise Quiz = Chords, 10:00:00, Key = C Major., Score this question: 50.00%",
             " Tonewise Quiz , 1/5/2026, Scale-steps = 1, 3, 5., Number of Questions = two, "
             "Number of pitches in questions = 3, Overall Average Score = 88",
             "Tonewise Quiz = Intervals, 10:00:00, Key = C Major., Score this question: ",
         })
        EXPECT_FALSE(parseScoreLine(QString::fromUtf8(text))) << text;
}

} // namespace
} // namespace qor
