#include "OutputChoice.h"

#include "Dialogs.h"
#include "MidiOut.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"
#include "WholeNumber.h"

namespace tonewise {

namespace {

constexpr std::uint8_t NoteOnStatus = 0x90;
constexpr std::uint8_t NoteOffStatus = 0x80;
constexpr std::uint8_t ProgramChangeStatus = 0xC0;
constexpr std::uint8_t Velocity = 127;

} // namespace

void OutputChoice::noteOn(int note) {
    output_.SendShortMessage(NoteOnStatus, static_cast<std::uint8_t>(note & 0x7F), Velocity);
}

void OutputChoice::noteOff(int note) {
    output_.SendShortMessage(NoteOffStatus, static_cast<std::uint8_t>(note & 0x7F), Velocity);
}

void OutputChoice::programChange(int program) {
    output_.SendShortMessage(ProgramChangeStatus, static_cast<std::uint8_t>(program & 0x7F), 0);
}

void OutputChoice::listDevices() {
    PitchState& state = parts_.state;
    parts_.displays.setBusy(true);
    // Count the devices that can be selected, then list that many by number.
    const int devices = output_.DeviceCount();
    int usable = 0;
    for (int id = 0; id < devices; ++id) {
        try {
            output_.SetDeviceID(id);
            usable += output_.LastError() == 0 ? 1 : 0; // its capabilities could be read
        } catch (const EmidioutputError&) {
        }
    }
    QStringList names;
    for (int id = 0; id < usable; ++id) {
        try {
            output_.SetDeviceID(id);
            names.append(output_.ProductName());
        } catch (const EmidioutputError&) {
        }
    }
    names.sort();
    state.cmbOutput.entries = names;
    state.cmbOutput.currentIndex = names.isEmpty() ? -1 : 0;
    QString failure;
    try {
        OpenMidiOutput();
    } catch (const EmidioutputError& error) {
        failure = error.message();
    }
    parts_.displays.setBusy(false);
    if (!failure.isEmpty())
        parts_.dialogs.error(failure);
}

void OutputChoice::OpenMidiOutput() {
    // The device the student picked stays the output when it is opened again (around the
    // records of a quiz); before any choice it is the default device.
    if (parts_.state.cmbOutput.enabled)
        chosenOutput_ = parts_.state.cmbOutput.text();
    if (!chosenOutput_.isEmpty())
        output_.SetProductName(chosenOutput_);
    else
        output_.SetDeviceID(-1);
    output_.OpenDevice();
    prepareSounds();
}

void OutputChoice::prepareSounds() {
    output_.PreparePrograms(0, {parts_.state.Instrument, ErrorToneProgram});
}

void OutputChoice::CloseMidiOutput() {
    output_.CloseDevice();
}

void OutputChoice::closeForExit() {
    try {
        if (output_.IsOpen()) {
            noteOff(parts_.state.QuestionPitch);
            noteOff(parts_.state.PreviousPitch);
        }
        CloseMidiOutput();
    } catch (const EmidioutputError&) {
        // The program ends either way.
    }
}

void OutputChoice::Outputs1Click() {
    parts_.state.cmbOutput.visible = true;
    parts_.state.cmbOutput.enabled = true;
}

void OutputChoice::cmbOutputChange(int index) {
    OutputChooser& chooser = parts_.state.cmbOutput;
    if (index < 0 || index >= chooser.entries.size())
        return;
    chooser.currentIndex = index;
    CloseMidiOutput();
    OpenMidiOutput();
    parts_.trainer.RepeatNotesClick();
    chooser.enabled = false;
    chooser.visible = false;
}

void OutputChoice::MIDIInstr1Click() {
    PitchState& state = parts_.state;
    const QString current = QString::number(state.Instrument);
    const QString reply =
        parts_.dialogs
            .input(tr("MIDI Instrument"), tr("MIDI Instrument Number between 0 and 127?"), current)
            .value_or(current);
    const int program = wholeNumber(reply.trimmed()).value_or(1);
    // A program change carries 0 .. 127: anything else would reach the synthesizer as another
    // message.
    if (program < 0 || program > 127) {
        parts_.dialogs.information(tr("Please type an instrument number between 0 and 127."));
        return;
    }
    state.Instrument = static_cast<std::uint8_t>(program);
    prepareSounds();
    programChange(state.Instrument);
    parts_.trainer.RepeatNotesClick();
}

void OutputChoice::AllNotesOffClick() {
    for (int note = 0; note <= 109; ++note)
        noteOff(note);
}

} // namespace tonewise
