#pragma once

#include "AnswerRow.h"
#include "MeterAndLevel.h"
#include "RhythmParts.h"
#include "RhythmProgression.h"
#include "RhythmQuestion.h"
#include "RhythmQuiz.h"
#include "RhythmState.h"
#include "ScoreFile.h"
#include "TapTranscriber.h"

#include <QString>

#include <memory>

class Clock;
class Dialogs;
class Random;
class RhythmPlayer;
class RhythmTapping;
class PatternAnswers;
class TapClick;
class TimerFactory;

namespace scores {
class ScoreStore;
}

// Told of what a handler does that a transcript follows besides the state.
class RhythmTrainerListener {
public:
    virtual ~RhythmTrainerListener() = default;
    // A record was appended to the student's score file `file`.
    virtual void scoreLineAppended(const QString& /*file*/, const QString& /*line*/) {}
    // A tapped beat was decided (and its pattern entered in the row).
    virtual void beatTapped(const TappedBeat& /*beat*/) {}
};

// The rhythm trainer's behaviour, free of any window. Its handlers keep the names of the
// window's events and are a thin front: each hands its work to the part whose one job it is
// (the meter and level, the question and its sound, the answer row, the progression, the quiz),
// and a part that "clicks" another item calls the handler of that item here. The window binds
// each control to the handler of the same name and, after every call, shows state().
class RhythmTrainer {
public:
    RhythmTrainer(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                  const scores::ScoreStore& scoreStore);
    ~RhythmTrainer();
    RhythmTrainer(const RhythmTrainer&) = delete;
    RhythmTrainer& operator=(const RhythmTrainer&) = delete;

    const RhythmState& state() const { return state_; }
    void setListener(RhythmTrainerListener* listener) { listener_ = listener; }
    // Lets the student answer by tapping: "Tap the Rhythm" is shown; the timers decide the beats
    // as the taps pass them and `click` sounds each tap. Both must outlive the trainer.
    void enableTapping(TimerFactory& timers, TapClick& click);

    // The window's creation: level 3, simple meter, the start-up values.
    void FormCreate();
    // "Exit" and closing the window: the player stops.
    void FormClose() { question_.stopIfPlaying(); }

    // --- Questions and sound -------------------------------------------------------------------
    void StartButtonClick();                                      // "Next Question"
    void RepetirClick() { question_.RepetirClick(); }             // "Stop/Repeat"
    void SpeedChange(int speed) { question_.SpeedChange(speed); } // the "Metronome" changed
    void AllNotesOff1Click() { question_.AllNotesOff1Click(); }   // Midi > "All Notes Off"

    // --- Meter and level ("Rhythm Patterns"); the meter handlers run when their submenu opens --
    void SimpleClick() { meterAndLevel_.SimpleClick(); }
    void CompoundClick() { meterAndLevel_.CompoundClick(); }
    void LevelXClick();  // "3 patterns" (both meters)
    void Level0Click();  // "4 patterns" (both meters)
    void Level1Click();  // "5 patterns" (both meters)
    void Level2Click();  // "6 patterns" (both meters)
    void Level3Click();  // "7 patterns" (both meters)
    void Level4Click();  // "8 patterns"
    void Level5Click();  // "9 patterns"
    void Level6Click();  // "10 patterns"
    void Level7Click();  // "11 patterns"
    void Level8Click();  // "12 patterns"
    void Level9Click();  // "13 patterns"
    void Level10Click(); // "14 patterns"
    void Level11Click(); // "15 patterns"
    // The handler of the `level`-pattern item (3..15).
    void LevelClick(int level);

    // --- Answer entry and checking --------------------------------------------------------------
    void qClick();
    void wClick();
    void uClick();
    void oClick();
    void lClick();
    void sClick();
    void kClick();
    void mClick();
    void jClick();
    void iClick();
    void hClick();
    void yClick();
    void nClick();
    void bClick();
    void rClick();
    // The button of pattern `pattern` (0..14, in the order above).
    void PatternClick(int pattern) { answerRow_.PatternClick(pattern); }
    // A mouse button pressed on the answer row.
    void ShowResMouseDown(int column) { answerRow_.ShowResMouseDown(column); }
    void AnsDisplayClick();                                   // "Check Answer" / "Hide Answer"
    void EraseAllChdsClick() { answerRow_.ClearAnswerRow(); } // "Erase All"
    void RestScoreClick();                                    // "Reset Score"
    void ClearAnswerRow() { answerRow_.ClearAnswerRow(); }
    // A question started before the counters were reset no longer counts.
    void forgetOpenQuestion() { answerRow_.forgetOpenQuestion(); }

    // --- Tapped answers -------------------------------------------------------------------------
    void TapRhythmClick(); // "Tap the Rhythm": the count-in, then the taps
    // A tap now: the space bar, a MIDI pad or key.
    void tap();
    // A clap the microphone heard, whose sound began at `clockMs` on the trainer's clock.
    void tapHeard(double clockMs);
    // A new question or a reset: the taps of the old one are forgotten.
    void stopTapping();
    // After a check: the strip shows the taps of a tapped answer against the question's rhythm,
    // while the question row is shown.
    void showTapFeedback();

    // --- Auto-advance ("Advance" > "AutoAdvance") ----------------------------------------------
    void On1Click() { progression_.On1Click(); }
    void Off1Click() { progression_.Off1Click(); }
    void OfferNextLevel() { progression_.OfferNextLevel(); }

    // --- Quiz ("File") -------------------------------------------------------------------------
    void PrepareQuizClick() { quiz_.PrepareQuizClick(); } // "Quiz Mode" > "Prepare Quiz"
    void Off2Click() { quiz_.Off2Click(); }               // "Quiz Mode" > "Off"
    void ViewScores1Click() { quiz_.ViewScores1Click(); } // "View Scores"

    // --- Steps of building a beat, on CurrentPattern, BeatColumn and BeatNote ------------------
    void PatternGlyph() { question_.PatternGlyph(); }
    void AppendBeatNotes() { question_.AppendBeatNotes(); }

    // The line a finished quiz adds to the score file.
    QString quizLine() const { return quiz_.quizLine(); }

private:
    RhythmState state_;
    ScoreFile scoreFile_;
    RhythmParts parts_;
    RhythmQuestion question_;
    MeterAndLevel meterAndLevel_;
    RhythmProgression progression_;
    RhythmQuiz quiz_;
    AnswerRow answerRow_;
    RhythmPlayer& player_;
    Clock& clock_;
    std::unique_ptr<PatternAnswers> tappedAnswers_;
    std::unique_ptr<RhythmTapping> tapping_;
    RhythmTrainerListener* listener_ = nullptr;
};
