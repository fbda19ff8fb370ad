#pragma once

#include "RhythmState.h"

#include <QCoreApplication>

#include <optional>

class Clock;
class Dialogs;
class Random;
class RhythmPlayer;

namespace scores {
class ScoreStore;
}

// Told of what a handler does that a transcript follows besides the state.
class RhythmTrainerListener {
public:
    virtual ~RhythmTrainerListener() = default;
    // A record was appended to the student's score file `file`.
    virtual void scoreLineAppended(const QString& /*file*/, const QString& /*line*/) {}
};

// The rhythm trainer's behaviour, free of any window: the pattern catalogue and levels, the
// questions and their sound, answer entry and checking, auto-advance and the quiz with its
// score file. The window binds each control to the handler of the same name and, after every
// call, shows state().
class RhythmTrainer {
    Q_DECLARE_TR_FUNCTIONS(RhythmTrainer)

public:
    RhythmTrainer(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                  const scores::ScoreStore& scoreStore);

    const RhythmState& state() const { return state_; }
    void setListener(RhythmTrainerListener* listener) { listener_ = listener; }

    // The window's creation: level 3, simple meter, the start-up values.
    void FormCreate();

    // --- Questions and sound -------------------------------------------------------------------
    void StartButtonClick();     // "Next Question"
    void RepetirClick();         // "Stop/Repeat"
    void SpeedChange(int speed); // the "Metronome" changed to `speed`
    void AllNotesOff1Click();    // Midi > "All Notes Off"

    // --- Meter and level ("Rhythm Patterns"); the meter handlers run when their submenu opens --
    void SimpleClick();
    void CompoundClick();
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

    // --- Answer entry and checking
    // ----------------------------------------------------------------
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
    void PatternClick(int pattern);
    void ShowResMouseDown(int column); // a mouse button pressed on the answer row
    void AnsDisplayClick();            // "Check Answer" / "Hide Answer"
    void EraseAllChdsClick();          // "Erase All"
    void RestScoreClick();             // "Reset Score"
    void ClearAnswerRow();

    // --- Auto-advance ("Advance" > "AutoAdvance")
    // -------------------------------------------------
    void On1Click();
    void Off1Click();
    void OfferNextLevel();

    // --- Quiz ("File")
    // ----------------------------------------------------------------------------
    void PrepareQuizClick(); // "Quiz Mode" > "Prepare Quiz"
    void Off2Click();        // "Quiz Mode" > "Off"
    void ViewScores1Click(); // "View Scores"

    // --- Steps of building a beat, on CurrentPattern, BeatColumn and BeatNote
    // ----------------------
    void PatternGlyph();
    void AppendBeatNotes();

    // The line a finished quiz adds to the score file.
    QString quizLine() const;

private:
    void selectLevel(int level, bool alwaysSimpleLabel);
    void restoreLevelBeforeCompound();
    void showPatternButtons(int level);
    void stopIfPlaying();
    void forgetOpenQuestion();
    void computeDurations();
    void appendFrameParts(Meter meter);
    void appendBeatNotes(Meter meter);
    void buildBeat(Meter meter);
    QString joinedParts() const;
    void finishQuiz();
    void askThresholds();
    static QString wholeNumberOr(const QString& text, const QString& fallback);

    Dialogs& dialogs_;
    RhythmPlayer& player_;
    Random& random_;
    Clock& clock_;
    const scores::ScoreStore& scoreStore_;
    RhythmState state_;
    RhythmTrainerListener* listener_ = nullptr;
};
