#pragma once

#include "MusicKeys.h"
#include "PitchNames.h"
#include "ScaleLevels.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

namespace tonewise {

// The options the menus' radio groups choose.
enum class Practice { Pitches, Intervals, Singing };   // "Practice Intervals?"
enum class OctaveChoice { TrebleClef, EightvaLower };  // "Octave?"
enum class RepeatLastNote { DontPlay, LastNoteAgain }; // "Repeat Last Note? "
enum class Sustain { On, Off };                        // "Midi" > "Sustain"
enum class QuizMode { Off, Prepared, InProgress };     // "File" > "Quiz Mode"
// "Advance?": which of the submenus "AutoAdvance" and "AutoModulate" is marked, if any.
enum class Progression { None, AutoAdvance, AutoModulate };

// Every variable of the pitch exercise: the question, the score, the key and level, the notes
// the staff is to show, the options and the quiz. Nothing here is only for a window to show.
struct PitchExercise {
    // --- The question --------------------------------------------------------------------------
    std::int8_t QuestionStep = 0;
    std::int8_t PreviousStep = 2;
    std::int8_t EarlierStep = 0;
    std::int8_t StepCount = 0;
    std::int8_t SpelledIndex = 0;
    std::int8_t PreviousSpelledIndex = 0;
    std::uint8_t QuestionPitch = 0;
    std::uint8_t PreviousPitch = 0;
    std::uint8_t AnswerPitch = 0;
    std::uint8_t ReferencePitch = 0; // the tonic sounded before a note to be sung
    std::int8_t QuestionInterval = 0;
    QString LetterName;
    QString DisplayName;
    bool RepeatPending = false;
    bool SkipNextSound = false;
    int StartMode = 0; // 2: sound the note once more; 1: start an interval exercise
    std::uint8_t Instrument = 0;
    int Timer1Interval = 400; // the interval of the question tick's next arming

    // --- Score ---------------------------------------------------------------------------------
    std::int32_t CorrectCount = 0;
    std::int32_t AttemptCount = 0;
    double ScorePercent = 0.0;

    // --- Key and level -------------------------------------------------------------------------
    int KeyIndex = CMajorIndex;
    KeyStepTable QuestList; // row 0 of the hidden grid: the key's 16 names
    QStringList StepList;
    bool ParallelLevelActive = false;
    QString SignatureKind = QStringLiteral(" ");
    std::int8_t SignatureCount = 0;
    QString LeadingToneAccidental = QStringLiteral(" ");
    std::array<std::int8_t, 3> LeadingToneSpellings{};
    int levelMark = 0; // the level in use, 0 .. 20 in menu order

    // --- The notes on the staff ------------------------------------------------------------------
    std::int32_t NoteY = 0;
    QString NoteAccidental;
    std::int8_t ReferenceNoteY = 0;
    QString ReferenceAccidental;
    bool AlteredNoteShown = false;
    bool KeyChanged = false;

    // --- Options
    // -----------------------------------------------------------------------------------
    Practice practice = Practice::Pitches;
    OctaveChoice octave = OctaveChoice::TrebleClef;
    bool exactOctave = false; // "Exact Octave": a sung note answers in its own octave
    bool noteNamesOn = false; // "Note Names On" (true) or "Note Names Off" (false) is marked
    NoteNaming naming = NoteNaming::Letters;
    Sustain sustain = Sustain::On;
    RepeatLastNote repeatLastNote = RepeatLastNote::DontPlay;

    // --- Auto-advance and auto-modulate
    // -------------------------------------------------------------
    Progression progression = Progression::AutoAdvance;
    bool advanceOn = true;   // "Advance On" (true) or "Advance Off" (false) is marked
    bool modulateOn = false; // "Modulate On" (true) or "Modulate Off" (false) is marked
    QString AdvanceCount;
    QString AdvancePercent;

    // --- Quiz ----------------------------------------------------------------------------------
    QuizMode quizMode = QuizMode::Off;
    QString QuizName;
    QString ItemsPerQuestion;
    QString NumQuestions = QStringLiteral("0");
    std::int8_t QuestionNumber = 0;
    double QuizTotal = 0.0;
};

} // namespace tonewise
