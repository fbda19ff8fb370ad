#pragma once

#include "PitchParts.h"

#include <QCoreApplication>

namespace tonewise {

class OutputChoice;

// The practice options of the menus: Pitches, Intervals or Singing with the keyboard's look for
// each, the interval hints, the octave and whether a sung note's octave counts, the note names on
// the keys, sustain and the last note played again.
class PracticeOptions {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PracticeOptions(PitchParts parts, OutputChoice& output) : parts_(parts), output_(output) {}

    void IntervalsClick();
    void ScalestepsClick();
    void SingingClick();
    void ExactOctaveClick();
    void HintsOnClick();
    void ClavedoSolClick();
    void ClavedoFClick();
    void NoteNamesClick();
    void LettersClick();
    void SyllablesClick();
    void NoteNamesOffClick();
    void DontPlayClick();
    void LastNoteAgainClick();
    void SustainOn1Click();
    void SustainOff1Click();

private:
    void showIntervalKeys();
    void showPitchKeys();
    void showNoteNames();
    void leaveSinging();
    void showHints(bool on);
    void writeNoteNameCaptions();

    PitchParts parts_;
    OutputChoice& output_;
};

} // namespace tonewise
