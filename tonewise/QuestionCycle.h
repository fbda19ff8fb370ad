#pragma once

#include "PitchParts.h"

#include <QCoreApplication>

#include <memory>

class Random;
class Timer;
class TimerFactory;

namespace tonewise {

class OutputChoice;
class StaffLayout;

// The questions and their sound on three one-shot timers: the question tick (Timer1) draws and
// sounds the next note (in Singing practice, writes it and sounds the tonic), Timer2 replays the
// reference note after a wrong answer or a restart (in Singing practice, plays the written note
// after a wrong answer), Timer3 ends the question note when "Sustain Off" is marked.
class QuestionCycle {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    QuestionCycle(PitchParts parts, OutputChoice& output, StaffLayout& staff, Random& random,
                  TimerFactory& timers);
    ~QuestionCycle();

    void StartButtonClick();
    void ResponseClick(); // Timer1
    void PlayOldNote();   // Timer2
    void StimNoteOff();   // Timer3
    void RepeatNotesClick();
    void RestartAfterChange();

    // The question tick is armed: a click answers nothing until it has sounded the note.
    bool tickArmed() const;
    // The tick armed again at the interval of its last arming.
    void armTick();
    // The notes again, after the error tone.
    void replayAfterError();
    void stopAll();

    bool timer1Armed() const;
    bool timer2Armed() const;
    bool timer3Armed() const;

private:
    void armTick(int milliseconds);
    int drawStep();
    void drawNewStep();
    void chooseNoteAccidental();
    void applySpelledIndex();
    void soundQuestion();
    void askToSing();
    std::uint8_t tonicPitch() const;
    void startIntervalExercise();

    PitchParts parts_;
    OutputChoice& output_;
    StaffLayout& staff_;
    Random& random_;
    std::unique_ptr<Timer> timer1_;
    std::unique_ptr<Timer> timer2_;
    std::unique_ptr<Timer> timer3_;
};

} // namespace tonewise
