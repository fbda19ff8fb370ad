#pragma once

#include "AnswerCheck.h"
#include "KeyLevelSelection.h"
#include "OutputChoice.h"
#include "PitchDisplays.h"
#include "PitchProgression.h"
#include "PitchQuiz.h"
#include "PitchState.h"
#include "PitchTrainerListener.h"
#include "PracticeOptions.h"
#include "QuestionCycle.h"
#include "ScoreFile.h"
#include "StaffLayout.h"

#include <QCoreApplication>
#include <QStringView>

class Clock;
class Dialogs;
class Random;
class TimerFactory;
class TMidiOutput;

namespace scores {
class ScoreStore;
}

namespace tonewise {

// The pitch and interval trainer's behaviour, free of any window. Its handlers keep the names
// of the window's events and are a thin front: each hands its work to the part whose one job
// it is (the question cycle, the answer check, the key and level, the practice options, the
// progression, the quiz, the staff, the output), and a part that "clicks" another item calls
// the handler of that item here. Every note goes out through the MIDI output on channel 1. The
// window binds each control to the handler of the same name and shows state() after every call.
//
// Failures (a MIDI failure, a score file that cannot be read) are thrown as a Failure and leave
// the handler where they happen; whoever runs the handler, timers' included, runs it through an
// event boundary that tells the student.
class PitchTrainer {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PitchTrainer(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
                 TimerFactory& timers, const scores::ScoreStore& scoreStore);
    ~PitchTrainer();
    PitchTrainer(const PitchTrainer&) = delete;
    PitchTrainer& operator=(const PitchTrainer&) = delete;

    const PitchState& state() const { return state_; }
    void setListener(PitchTrainerListener* listener) { displays_.setListener(listener); }

    // --- Start-up ------------------------------------------------------------------------------
    void FormCreate(); // counts the output devices, opens the output, shows the start-up box
    void Initial();    // the first activation: C Major, "1,3,5", the first note
    void Exit1Click(); // "Exit" and closing the window: silence and close the output

    // --- Questions (timers and buttons) ---------------------------------------------------------
    void StartButtonClick() { cycle_.StartButtonClick(); } // "Start-Reset Score"
    void ResponseClick() { cycle_.ResponseClick(); }       // Timer1: the question tick
    void PlayOldNote() { cycle_.PlayOldNote(); } // Timer2: the reference note, then the question
    void StimNoteOff() { cycle_.StimNoteOff(); } // Timer3: "Sustain Off" ends the question note
    void RepeatNotesClick() { cycle_.RepeatNotesClick(); } // "Repeat Notes"
    void RestartAfterChange() { cycle_.RestartAfterChange(); }

    // --- Answers ---------------------------------------------------------------------------------
    // The click handler of every keyboard key (F1Click ... B4Click, F1sharpClick ... Bb4Click):
    // `keyName` is the key's name ("C3", "F1sharp", "Bb4"); unknown names do nothing.
    void KeyClick(QStringView keyName) { check_.KeyClick(keyName); }
    void CheckAnswer() { check_.CheckAnswer(); }
    void UpdateScore() { check_.UpdateScore(); }
    void IntervalName() { check_.IntervalName(); }
    void AnsDisplayClick() { check_.AnsDisplayClick(); } // "Next Answer?"
    void HintsOnClick() { practice_.HintsOnClick(); }    // "Interval Hints On?" / "... Off?"

    // --- Keys (menu "Key")
    // -------------------------------------------------------------------------
    void SelectKey(int keyIndex) { keys_.SelectKey(keyIndex); }
    void ReapplyLevel() { keys_.ReapplyLevel(); }
    void SignatureSubmenuClick(int submenu) { keys_.SignatureSubmenuClick(submenu); }
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

    // --- Levels (menu "Scale Steps")
    // ---------------------------------------------------------------
    void LevelClick(int levelIndex) { keys_.LevelClick(levelIndex); } // 0 .. 20 in menu order
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

    // --- Octave and note names
    // ---------------------------------------------------------------------
    void ClavedoSolClick() { practice_.ClavedoSolClick(); } // "Treble Clef"
    void ClavedoFClick() { practice_.ClavedoFClick(); }     // "8va Lower"
    void NoteNamesClick() { practice_.NoteNamesClick(); }   // the submenu "Note Names On" opened
    void LettersClick() { practice_.LettersClick(); }
    void SyllablesClick() { practice_.SyllablesClick(); }
    void NoteNamesOffClick() { practice_.NoteNamesOffClick(); }

    // --- Practice modes and sound (menus "Practice Intervals?", "Repeat Last Note? ", "Midi") ---
    void IntervalsClick() { practice_.IntervalsClick(); }
    void ScalestepsClick() { practice_.ScalestepsClick(); }
    void SingingClick() { practice_.SingingClick(); }
    void ExactOctaveClick() { practice_.ExactOctaveClick(); } // "Octave?" > "Exact Octave"
    void DontPlayClick() { practice_.DontPlayClick(); }
    void LastNoteAgainClick() { practice_.LastNoteAgainClick(); }
    void SustainOn1Click() { practice_.SustainOn1Click(); }
    void SustainOff1Click() { practice_.SustainOff1Click(); }
    void MIDIInstr1Click() { output_.MIDIInstr1Click(); }
    void Outputs1Click() { output_.Outputs1Click(); }
    void cmbOutputChange(int index) { output_.cmbOutputChange(index); }
    void OpenMidiOutput() { output_.OpenMidiOutput(); }
    void CloseMidiOutput() { output_.CloseMidiOutput(); }
    void AllNotesOffClick() { output_.AllNotesOffClick(); }

    // --- Auto-advance and auto-modulate (menu "Advance?")
    // ------------------------------------------
    void On1Click() { progression_.On1Click(); }               // "Advance On"
    void Off1Click() { progression_.Off1Click(); }             // "Advance Off"
    void AutoModOnClick() { progression_.AutoModOnClick(); }   // "Modulate On"
    void AutoModOffClick() { progression_.AutoModOffClick(); } // "Modulate Off"
    void CheckAutoAdvance() { progression_.CheckAutoAdvance(); }
    void CheckAutoModulate() { progression_.CheckAutoModulate(); }

    // --- Quiz (menu "File")
    // --------------------------------------------------------------------------
    void QuizOnClick() { quiz_.QuizOnClick(); }             // "Prepare Quiz"
    void QuizOffClick() { quiz_.QuizOffClick(); }           // "Off"
    void ReviewScoresClick() { quiz_.ReviewScoresClick(); } // "View Scores"
    void QuizQuestionDone() { quiz_.QuizQuestionDone(); }

    // --- The staff
    // ------------------------------------------------------------------------------------
    void DrawStaff() { staff_.DrawStaff(); }
    void DrawNote() { staff_.DrawNote(); }
    void FormPaint() { staff_.FormPaint(); } // the window's repaint

    // Timer states, for the window and tests.
    bool timer1Armed() const { return cycle_.timer1Armed(); }
    bool timer2Armed() const { return cycle_.timer2Armed(); }
    bool timer3Armed() const { return cycle_.timer3Armed(); }

private:
    PitchState state_;
    PitchDisplays displays_{state_};
    Dialogs& dialogs_;
    ScoreFile scoreFile_;
    PitchParts parts_;
    OutputChoice output_;
    StaffLayout staff_;
    QuestionCycle cycle_;
    AnswerCheck check_;
    KeyLevelSelection keys_;
    PracticeOptions practice_;
    PitchProgression progression_;
    PitchQuiz quiz_;
};

} // namespace tonewise
