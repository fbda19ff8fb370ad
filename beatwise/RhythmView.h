#pragma once

#include "ControlState.h"
#include "RhythmCatalogue.h"
#include "TapFeedback.h"

#include <QCoreApplication>
#include <QString>

#include <array>

// What the rhythm trainer's window shows: the two rows with their frames, the displays, the
// buttons (whose captions the exercise also reads back), and the menus' marks and enabled
// items.
struct RhythmView {
    using Row = std::array<QString, RhythmCatalogue::kColumns>;

    // --- The two rows --------------------------------------------------------------------------
    Row ShowRes;    // the answer row
    Row DisplayAns; // the question row
    bool DisplayAnsVisible = false;
    // Frames on the answer row. They stay through repaints; a cell loses its frames when it is
    // written, and the row loses them all when it is cleared.
    std::array<bool, RhythmCatalogue::kColumns> wrongCells{}; // red frames of wrong beats
    int entryFrameColumn = -1; // the black frame of the cell clicked last; -1 when none

    // --- Buttons and displays -------------------------------------------------------------------
    // The fifteen pattern buttons in pattern order: q w u o l s k m j i h y n b r.
    std::array<ControlState, RhythmCatalogue::kSimplePatterns> patternButtons;
    ControlState StartButton{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Next Question"))};
    ControlState Repetir{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Stop/Repeat"))};
    // "Check Answer", "Check Rhythm" or "Hide Answer"
    ControlState AnsDisplay{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"))};
    QString Score;     // the "Score:" display
    QString Items;     // the "Questions:" display
    QString AvRepeats; // the "Av. Hearings:" display
    ControlState RestScore{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Reset Score"))};
    ControlState EraseAllChds{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Erase All"))};
    // "Tap the Rhythm": shown where taps can be heard, enabled once there is a question.
    ControlState TapRhythm{QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Tap the Rhythm")),
                           false, false};
    TapFeedback tapFeedback; // the strip under the answer row

    // --- Menus
    // -------------------------------------------------------------------------------------
    int simpleLevelMark = 3;   // the marked item of the Simple submenu: 3 (LevelX) .. 15 (Level11)
    int compoundLevelMark = 3; // the marked item of the Compound submenu: 3 (N3patterns2) .. 7
    int compoundMarkBeforeCompound = 3; // given back with the simple level (levelBeforeCompound)
    bool rhythmPatternsMenuEnabled = true;
    bool advanceMenuEnabled = true;
    bool prepareQuizEnabled = true;
    bool quizInProgressEnabled = false;
};
