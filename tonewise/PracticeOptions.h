#pragma once

#include "PitchParts.h"

#include <QCoreApplication>

namespace tonewise {

class OutputChoice;

// The practice options of the menus: Pitches or Intervals with the keyboard's look for each,
// the interval hints, the octave, the note names on the keys, sustain and the last note played
// again.
class PracticeOptions {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    PracticeOptions(PitchParts parts, OutputChoice& output) : parts_(parts), output_(output) {}

    void IntervalsClick();
    void ScalestepsClick();
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
    void showHints(bool on);
    void writeNoteNameCaptions();

    PitchParts parts_;
    OutputChoice& output_;
};

} // namespace tonewise
