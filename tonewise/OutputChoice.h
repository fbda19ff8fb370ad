#pragma once

#include "PitchParts.h"

#include <QCoreApplication>
#include <QString>

class TMidiOutput;

namespace tonewise {

// The pitch trainer's sound: the notes it sends on channel 1, the output device chosen in the
// chooser (kept for the run, and opened again around a quiz's records) and the instrument.
// MIDI failures are thrown as EmidioutputError.
class OutputChoice {
    Q_DECLARE_TR_FUNCTIONS(PitchTrainer)

public:
    // The program and key of the tone a wrong answer sounds.
    static constexpr int ErrorToneProgram = 113;
    static constexpr int ErrorToneNote = 81;

    OutputChoice(PitchParts parts, TMidiOutput& output) : parts_(parts), output_(output) {}

    void noteOn(int note);
    void noteOff(int note);
    void programChange(int program);

    // Lists the devices that can be chosen, under the busy cursor, and opens the default one;
    // a failure to open it is shown once the cursor is back.
    void listDevices();
    void OpenMidiOutput();
    void CloseMidiOutput();
    // The notes off and the device closed as the program ends; failures no longer matter.
    void closeForExit();

    void Outputs1Click();
    void cmbOutputChange(int index);
    void MIDIInstr1Click();
    void AllNotesOffClick();

private:
    // Names the instrument and the error tone to the output ahead, so that a device that loads
    // its sounds has them before the first note of each.
    void prepareSounds();

    PitchParts parts_;
    TMidiOutput& output_;
    QString chosenOutput_; // the output device picked in the chooser; empty: the default one
};

} // namespace tonewise
