#pragma once

#include "ControlState.h"
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

// Everything the rhythm trainer's window shows, and every variable of the exercise. The window
// reads it after each handler and draws it; only the engine writes it.
struct RhythmState {
    using Row = std::array<QString, RhythmCatalogue::kColumns>;

    // --- Meter and level -------------------------------------------------------------------
    Meter meter = Meter::Simple; // the mark on "Simple" or "Compound" (menu "Rhythm Patterns")
    int simpleLevelMark = 3;   // the marked item of the Simple submenu: 3 (LevelX) .. 15 (Level11)
    int compoundLevelMark = 3; // the marked item of the Compound submenu: 3 (N3patterns2) .. 7
    bool rhythmPatternsMenuEnabled = true;
    quint8 PatternCount = 3;
    QString LevelLabel = QStringLiteral("Simple/3");
    // The simple level (8..15) and compound mark before the compound meter brought the count down
    // to 7; 0 once a level has been chosen since.
    int levelBeforeCompound = 0;
    int compoundMarkBeforeCompound = 3;
    // The fifteen pattern buttons in pattern order: q w u o l s k m j i h y n b r.
    std::array<ControlState, RhythmCatalogue::kSimplePatterns> patternButtons;

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
    ControlState StartButton{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Next Question"))};
    ControlState Repetir{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Stop/Repeat"))};

    // --- The two rows --------------------------------------------------------------------------
    Row ShowRes;    // the answer row
    Row DisplayAns; // the question row
    bool DisplayAnsVisible = false;
    // Frames on the answer row. They stay through repaints; a cell loses its frames when it is
    // written, and the row loses them all when it is cleared.
    std::array<bool, RhythmCatalogue::kColumns> wrongCells{}; // red frames of wrong beats
    int entryFrameColumn = -1; // the black frame of the cell clicked last; -1 when none

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
    ControlState AnsDisplay{QLatin1String(
        QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"))}; // "Check Answer", "Check Rhythm" or
                                                              // "Hide Answer"
    QString Score;                                           // the "Score:" display
    QString Items;                                           // the "Questions:" display
    QString AvRepeats;                                       // the "Av. Hearings:" display
    ControlState RestScore{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Reset Score"))};
    ControlState EraseAllChds{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Erase All"))};

    // --- Auto-advance ------------------------------------------------------------------------
    AutoAdvance autoAdvance = AutoAdvance::On;
    bool advanceMenuEnabled = true;
    QString AdvanceAnswers = QStringLiteral("20");
    QString AdvanceScore = QStringLiteral("90");
    qint32 AdvanceProgress = -1;

    // --- Quiz ------------------------------------------------------------------------------------
    QuizMode quizMode = QuizMode::Off;
    bool prepareQuizEnabled = true;
    bool quizInProgressEnabled = false;
    QString ScoresName;
    QString QuizQuestions;
    bool QuizJustEnded = false;
    QString copyFolder; // where the last copy of a score file went, remembered for the run
};
