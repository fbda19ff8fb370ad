#pragma once

#include "Meter.h"
#include "RhythmCatalogue.h"
#include "Tempo.h"
#include "TempoDurations.h"

#include <QString>
#include <QStringList>

#include <array>

// Which of the "Quiz Mode" items carries the mark: "Off", "Prepare Quiz", "Quiz in Progress".
enum class QuizMode { Off, Prepared, InProgress };
// Which of the "AutoAdvance" items carries the mark: "On" (On1) or "Off" (Off1).
enum class AutoAdvance { On, Off };

// Every variable of the rhythm exercise: meter and level, the question and its sound, the
// answer's entry point and the counts, auto-advance and the quiz. Nothing here is only for a
// window to show.
struct RhythmExercise {
    // --- Meter and level -------------------------------------------------------------------
    Meter meter = Meter::Simple; // the mark on "Simple" or "Compound" (menu "Rhythm Patterns")
    quint8 PatternCount = 3;
    QString LevelLabel = QStringLiteral("Simple/3");
    // The simple level (8..15) before the compound meter brought the count down to 7; 0 once a
    // level has been chosen since.
    int levelBeforeCompound = 0;

    // --- The question and its sound ----------------------------------------------------------
    int Speed = Tempo::kInitial; // the "Metronome" value
    double TempoFactor = Tempo::factor(Tempo::kInitial);
    TempoDurations durations = Tempo::durations(Tempo::factor(Tempo::kInitial));
    std::array<int, RhythmCatalogue::kBeats> QuestionPatterns{}; // columns 2..8
    Meter questionMeter = Meter::Simple; // the meter the stored question was drawn in
    QStringList PlayParts;               // ten parts once a question is built
    int BeatColumn = RhythmCatalogue::kFirstBeatColumn;
    int CurrentPattern = 0;
    QString CurrentGlyph;
    QString BeatNote;

    // --- Answer entry, checking and score -------------------------------------------------------
    qint8 AnswerCursor = 2; // the column the next pattern fills; 10 when the row is full
    qint32 MarkedColumn = 0;
    qint32 HearingCount = 0;
    qint32 QuestionCount = 0;
    qint32 TotalBeats = 0;
    qint32 CorrectBeats = 0;
    double LastScore = 0.0;
    bool QuestionOpen = false; // from the start of a question until the answer button counts it
    bool ScorePending = false; // set by every question, cleared once it is scored
    // From "Tap the Rhythm" until every beat of the row has been decided: taps are heard.
    bool Tapping = false;

    // --- Auto-advance ------------------------------------------------------------------------
    AutoAdvance autoAdvance = AutoAdvance::On;
    QString AdvanceAnswers = QStringLiteral("20");
    QString AdvanceScore = QStringLiteral("90");
    qint32 AdvanceProgress = -1;

    // --- Quiz ------------------------------------------------------------------------------------
    QuizMode quizMode = QuizMode::Off;
    QString ScoresName;
    QString QuizQuestions;
    bool QuizJustEnded = false;
    QString copyFolder; // where the last copy of a score file went, remembered for the run
};
