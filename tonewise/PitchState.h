#pragma once

#include "ControlState.h"
#include "Intervals.h"
#include "MusicKeys.h"
#include "PianoKeyboard.h"
#include "PitchNames.h"
#include "ScaleLevels.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <vector>

namespace tonewise {

// The marked item of each radio group of the menus.
enum class Practice { Pitches, Intervals };         // "Practice Intervals?"
enum class OctaveChoice { TrebleClef, EightvaLower }; // "Octave?"
enum class RepeatLastNote { DontPlay, LastNoteAgain }; // "Repeat Last Note? "
enum class Sustain { On, Off };                        // "Midi" > "Sustain"
enum class QuizMode { Off, Prepared, InProgress };     // "File" > "Quiz Mode"
// "Advance?": which of the submenus "AutoAdvance" and "AutoModulate" is marked, if any.
enum class Progression { None, AutoAdvance, AutoModulate };

// The five text displays of the window.
enum class PitchField { Key, QuestShw, AnsShow, Score, Items };

// One key of the keyboard as the window shows it.
struct KeyControl {
    QString caption = QStringLiteral(" ");
    bool enabled = true;
    bool visible = true;
    KeyFace face = KeyFace::Default;
    int captionMargin = 0; // 1 puts the caption at the bottom edge of the key
    QString hint;
    bool showHint = true;
};

// One text of the staff in the music font at a point of the paint box: "=======", "&", "?",
// "#", "b", "n", "w", "--". `erase` marks the white staff that clears what was drawn before.
struct StaffGlyph {
    QString text;
    int x = 0;
    int y = 0;
    bool erase = false;

    bool operator==(const StaffGlyph&) const = default;
};

// The output device chooser: hidden and disabled except while the student picks a device.
struct OutputChooser {
    bool visible = false;
    bool enabled = false;
    QStringList entries{QStringLiteral("MIDI_MAPPER")}; // sorted
    int currentIndex = 0;

    QString text() const {
        return currentIndex >= 0 && currentIndex < entries.size() ? entries.at(currentIndex)
                                                                  : QString();
    }
};

// Everything the pitch trainer's window shows and every variable of the exercise. The engine
// writes it; the window reads it after each handler and draws it.
struct PitchState {
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
    int levelMark = 0;           // the marked level, 0 .. 20 in menu order
    int signatureSubmenuMark = -1; // the marked signature submenu, -1 while none is
    // The marked key item of each signature submenu (its KeyIndex), -1 where none is.
    std::array<int, 13> keyMarks = [] {
        std::array<int, 13> marks{};
        marks.fill(-1);
        marks[0] = CMajorIndex;
        return marks;
    }();

    // --- The staff ------------------------------------------------------------------------------
    std::int32_t PenX = 0;
    std::int32_t NoteY = 0;
    QString NoteAccidental;
    std::int8_t ReferenceNoteY = 0;
    QString ReferenceAccidental;
    bool AlteredNoteShown = false;
    bool KeyChanged = false;
    std::vector<StaffGlyph> staff; // what the paint box shows, in drawing order

    // --- The displays and buttons -----------------------------------------------------------------
    QString Key = QStringLiteral("Key = C Major.");
    QString QuestShw = QStringLiteral("Scale-steps = 1, 3, 5.");
    QString AnsShow;
    QString Score;
    QString Items;
    ControlState StartButton{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Start-Reset Score"))};
    ControlState AnsDisplay{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Next Answer?"))};
    ControlState RepeatNotes{QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Repeat Notes"))};
    OutputChooser cmbOutput;
    std::array<KeyControl, WhiteKeyCount + BlackKeyCount> keys; // in KeyboardKeys() order

    // --- Options (menus) -------------------------------------------------------------------------
    Practice practice = Practice::Pitches;
    ControlState practiceMenu{
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Intervals?"))};
    OctaveChoice octave = OctaveChoice::TrebleClef;
    bool octaveMenuEnabled = true;
    bool noteNamesOn = false; // "Note Names On" (true) or "Note Names Off" (false) is marked
    NoteNaming naming = NoteNaming::Letters;
    ControlState noteNamesMenu{QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names On?"))};
    Sustain sustain = Sustain::On;
    RepeatLastNote repeatLastNote = RepeatLastNote::DontPlay;
    bool repeatLastNoteMenuEnabled = true;
    ControlState hintsItem{QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints On?")),
                           false};
    bool keysMenuEnabled = true;
    bool scaleStepsMenuEnabled = true;

    // --- Auto-advance and auto-modulate -------------------------------------------------------------
    Progression progression = Progression::AutoAdvance;
    bool advanceOn = true;   // "Advance On" (true) or "Advance Off" (false) is marked
    bool modulateOn = false; // "Modulate On" (true) or "Modulate Off" (false) is marked
    bool advanceMenuEnabled = true;
    QString AdvanceCount;
    QString AdvancePercent;

    // --- Quiz ----------------------------------------------------------------------------------
    QuizMode quizMode = QuizMode::Off;
    bool quizOnEnabled = true;        // "Prepare Quiz"
    bool beginTestEnabled = false;    // "Quiz in Progress"
    bool reviewScoresEnabled = true;  // "View Scores"
    QString QuizName;
    QString ItemsPerQuestion;
    QString NumQuestions = QStringLiteral("0");
    std::int8_t QuestionNumber = 0;
    double QuizTotal = 0.0;

    bool busy = false; // the busy cursor while devices are counted
};

} // namespace tonewise
