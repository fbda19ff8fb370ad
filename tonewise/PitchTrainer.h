#pragma once

#include "PitchState.h"

#include <QCoreApplication>
#include <QStringView>

#include <memory>

class Clock;
class Dialogs;
class Random;
class Timer;
class TimerFactory;
class TMidiOutput;

namespace scores {
class ScoreStore;
}

namespace tonewise {

// Told of what changes while a handler runs, so that a view or a transcript can follow it
// step by step.
class PitchTrainerListener {
public:
    virtual ~PitchTrainerListener() = default;
    virtual void fieldChanged(PitchField, const QString&) {}
    // The staff was redrawn or a note added to it.
    virtual void staffChanged() {}
    // A record was appended to the student's score file `file`.
    virtual void scoreLineAppended(const QString& /*file*/, const QString& /*line*/) {}
    virtual void busyChanged(bool) {}
    // A timer's handler has run: whatever it changed is now to be shown.
    virtual void timerHandled() {}
};

// The pitch and interval trainer's behaviour, free of any window: questions on three one-shot
// timers, answers and score, practice modes, auto-advance and auto-modulate, the quiz and its
// score file, and the key, level and staff state these change. Every note goes out through
// the MIDI output on channel 1. The window binds each control to the handler of the same name
// and shows state() after every call.
//
// MIDI failures (EmidioutputError) leave a handler at the failing message and reach its caller;
// a timer's handler shows them in an error box itself.
class PitchTrainer {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PitchTrainer(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
                 TimerFactory& timers, const scores::ScoreStore& scoreStore);
    ~PitchTrainer();

    const PitchState& state() const { return state_; }
    void setListener(PitchTrainerListener* listener) { listener_ = listener; }

    // --- Start-up ------------------------------------------------------------------------------
    void FormCreate(); // counts the output devices, opens the output, shows the start-up box
    void Initial();    // the first activation: C Major, "1,3,5", the first note
    void Exit1Click(); // "Exit" and closing the window: silence and close the output

    // --- Questions (timers and buttons) ---------------------------------------------------------
    void StartButtonClick(); // "Start-Reset Score"
    void ResponseClick();    // Timer1: the question tick
    void PlayOldNote();      // Timer2: the reference note again, then the question note
    void StimNoteOff();      // Timer3: "Sustain Off" ends the question note
    void RepeatNotesClick(); // "Repeat Notes"
    void RestartAfterChange();

    // --- Answers ---------------------------------------------------------------------------------
    // The click handler of every keyboard key (F1Click ... B4Click, F1sharpClick ... Bb4Click):
    // `keyName` is the key's name ("C3", "F1sharp", "Bb4"); unknown names do nothing.
    void KeyClick(QStringView keyName);
    void CheckAnswer();
    void UpdateScore();
    void IntervalName();
    void AnsDisplayClick(); // "Next Answer?"
    void HintsOnClick();    // "Interval Hints On?" / "Interval Hints Off?"

    // --- Keys (menu "Key") -------------------------------------------------------------------------
    void SelectKey(int keyIndex);
    void ReapplyLevel();
    // The signature submenus "0 signature" ... "6 flats" (0 .. 12 in menu order) mark themselves
    // when opened.
    void SignatureSubmenuClick(int submenu);
    void CMajorClick();
    void AMinorClick();
    void FMajorClick();
    void DMinorClick();
    void GMajorClick();
    void EMinorClick();
    void BbMajorClick();
    void GMinorClick();
    void DMajorClick();
    void BMinorClick();
    void EbMajorClick();
    void CMinorClick();
    void AMajorClick();
    void FsharpMinorClick();
    void AbMajorClick();
    void FMinorClick();
    void EMajorClick();
    void CsharpMinorClick();
    void DbMajorClick();
    void GbMajorClick();
    void BMajorClick();
    void FsharpMajorClick();
    void BbMinorClick();
    void EbMinorClick();

    // --- Levels (menu "Scale Steps") ---------------------------------------------------------------
    void LevelClick(int levelIndex); // 0 .. 20 in menu order
    void Level0Click();
    void Level1Click();
    void Level2Click();
    void Level6Click();
    void Level3Click();
    void Level5Click();
    void Level8Click();
    void Level4Click();
    void Level7Click();
    void Level9Click();
    void Level95Click();
    void Level10Click();
    void Level11Click();
    void Level12Click();
    void Level13Click();
    void Mixed0Click();
    void Mixed1Click();
    void Mixed2Click();
    void Mixed3Click();
    void Mixed4Click();
    void Mixed5Click();

    // --- Octave and note names ---------------------------------------------------------------------
    void ClavedoSolClick(); // "Treble Clef"
    void ClavedoFClick();   // "8va Lower"
    void NoteNamesClick();  // the submenu "Note Names On" opened
    void LettersClick();
    void SyllablesClick();
    void NoteNamesOffClick();

    // --- Practice modes and sound (menus "Practice Intervals?", "Repeat Last Note? ", "Midi") ---
    void IntervalsClick();
    void ScalestepsClick();
    void DontPlayClick();
    void LastNoteAgainClick();
    void SustainOn1Click();
    void SustainOff1Click();
    void MIDIInstr1Click();
    void Outputs1Click();
    void cmbOutputChange(int index);
    void OpenMidiOutput();
    void CloseMidiOutput();
    void AllNotesOffClick();

    // --- Auto-advance and auto-modulate (menu "Advance?") ------------------------------------------
    void On1Click();       // "Advance On"
    void Off1Click();      // "Advance Off"
    void AutoModOnClick(); // "Modulate On"
    void AutoModOffClick(); // "Modulate Off"
    void CheckAutoAdvance();
    void CheckAutoModulate();

    // --- Quiz (menu "File") --------------------------------------------------------------------------
    void QuizOnClick();       // "Prepare Quiz"
    void QuizOffClick();      // "Off"
    void ReviewScoresClick(); // "View Scores"
    void QuizQuestionDone();

    // --- The staff ------------------------------------------------------------------------------------
    void DrawStaff();
    void DrawNote();
    void FormPaint(); // the window's repaint: staff, then the reference note unless at "Start"

    // Timer states, for the window and tests.
    bool timer1Armed() const;
    bool timer2Armed() const;
    bool timer3Armed() const;

private:
    void noteOn(int note);
    void noteOff(int note);
    void programChange(int program);
    void armTimer1(int milliseconds);
    void armTimer1();
    void drawNewStep();
    int drawStep();
    void chooseNoteAccidental();
    void applySpelledIndex();
    void rebuildStepList(int levelIndex);
    void showIntervalKeysOfLevel(const ScaleLevel& level);
    void writeNoteNameCaptions();
    void setField(PitchField field, const QString& text);
    void setAnsShow(const QString& text) { setField(PitchField::AnsShow, text); }
    void setScore(const QString& text) { setField(PitchField::Score, text); }
    void setItems(const QString& text) { setField(PitchField::Items, text); }
    bool atStart() const;
    bool quizPrepared() const { return state_.quizMode == QuizMode::Prepared; }
    bool thresholdsMet() const;
    bool askThresholds(const QString& countTitle, const QString& percentTitle, bool& second);
    bool appendScoreLine(const QString& line);
    void finishQuiz();
    KeyControl* keyControl(const QString& name);
    void runTimerHandler(void (PitchTrainer::*handler)());

    Dialogs& dialogs_;
    TMidiOutput& output_;
    Random& random_;
    Clock& clock_;
    const scores::ScoreStore& scoreStore_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timer2_;
    std::unique_ptr<Timer> timer3_;
    PitchTrainerListener* listener_ = nullptr;
    PitchState state_;
    QString copyFolder_;   // where the last copy of a score file went, remembered for the run
    QString chosenOutput_; // the output device picked in the chooser; empty: the default one
};

} // namespace tonewise
