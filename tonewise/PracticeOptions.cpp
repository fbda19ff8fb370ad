#include "PracticeOptions.h"

#include "OutputChoice.h"
#include "PianoKeyboard.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"

namespace tonewise {

namespace {

const QString kHintsOn = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints On?"));
const QString kHintsOff = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints Off?"));

} // namespace

void PracticeOptions::showHints(bool on) {
    for (const char* name : HintKeys)
        parts_.state.keyControl(QString::fromLatin1(name))->showHint = on;
}

void PracticeOptions::leaveSinging() {
    PitchState& state = parts_.state;
    if (state.practice == Practice::Singing)
        output_.noteOff(state.ReferencePitch);
}

void PracticeOptions::IntervalsClick() {
    PitchState& state = parts_.state;
    leaveSinging();
    state.repeatLastNoteMenuEnabled = false;
    state.practiceMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Pitches?"));
    parts_.displays.setItems(QStringLiteral("0"));
    state.octaveMenuEnabled = false;
    state.practice = Practice::Intervals;
    state.hintsItem.enabled = true;
    showHints(state.hintsItem.caption == kHintsOff);
    state.noteNamesMenu.enabled = false;
    showIntervalKeys();
    parts_.trainer.ReapplyLevel();
}

void PracticeOptions::showIntervalKeys() {
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        KeyControl& control = parts_.state.keys[i];
        const auto look = intervalKeyLook(keys[i].intervalSemitones);
        if (!look) {
            control.visible = false;
            control.enabled = false;
            continue;
        }
        control.caption = look->caption;
        control.captionMargin = 1;
        if (!look->hint.isEmpty())
            control.hint = look->hint;
        control.face = look->face;
    }
}

void PracticeOptions::ScalestepsClick() {
    PitchState& state = parts_.state;
    leaveSinging();
    state.repeatLastNoteMenuEnabled = true;
    state.octaveMenuEnabled = true;
    state.practiceMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Intervals?"));
    state.hintsItem.enabled = false;
    if (state.hintsItem.caption == kHintsOff)
        showHints(false);
    parts_.trainer.RepeatNotesClick();
    state.practice = Practice::Pitches;
    parts_.displays.setAnsShow(QString());
    showPitchKeys();
    showNoteNames();
    parts_.displays.setAnsShow(atStart(state) ? tr("Please play first scale step of new key.")
                                              : tr("Please play second note."));
}

// Singing: the keys and names of Pitches practice; the question is written, not played, and the
// student sings it (or still clicks its key).
void PracticeOptions::SingingClick() {
    PitchState& state = parts_.state;
    state.repeatLastNoteMenuEnabled = false;
    state.octaveMenuEnabled = true;
    state.practiceMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Pitches?"));
    state.hintsItem.enabled = false;
    if (state.hintsItem.caption == kHintsOff)
        showHints(false);
    // The question and its tonic are silenced as the question is asked anew.
    output_.noteOff(state.PreviousPitch);
    state.practice = Practice::Singing;
    showPitchKeys();
    showNoteNames();
    parts_.trainer.RestartAfterChange();
}

void PracticeOptions::ExactOctaveClick() {
    parts_.state.exactOctave = !parts_.state.exactOctave;
}

void PracticeOptions::showNoteNames() {
    PitchState& state = parts_.state;
    state.noteNamesMenu.enabled = true;
    if (!state.noteNamesOn)
        NoteNamesOffClick();
    else if (state.naming == NoteNaming::Letters)
        LettersClick();
    else
        SyllablesClick();
}

void PracticeOptions::showPitchKeys() {
    PitchState& state = parts_.state;
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        KeyControl& control = state.keys[i];
        if (keys[i].intervalSemitones >= 0) {
            control.face = KeyFace::Silver;
            control.captionMargin = 0;
        }
        control.visible = true;
        control.enabled = true;
    }
    for (const char* name : {"E2", "F2", "A2", "C4", "D4"})
        state.keyControl(QString::fromLatin1(name))->hint.clear();
    state.keyControl(QStringLiteral("C3"))->hint = MiddleCHint;
}

void PracticeOptions::HintsOnClick() {
    PitchState& state = parts_.state;
    if (state.practice != Practice::Intervals)
        return;
    const bool on = state.hintsItem.caption == kHintsOn;
    showHints(on);
    state.hintsItem.caption = on ? kHintsOff : kHintsOn;
}

void PracticeOptions::ClavedoSolClick() {
    output_.noteOff(parts_.state.PreviousPitch);
    parts_.state.octave = OctaveChoice::TrebleClef;
}

void PracticeOptions::ClavedoFClick() {
    output_.noteOff(parts_.state.PreviousPitch);
    parts_.state.octave = OctaveChoice::EightvaLower;
}

void PracticeOptions::NoteNamesClick() {
    parts_.state.noteNamesOn = true;
    parts_.state.noteNamesMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names Off?"));
}

void PracticeOptions::LettersClick() {
    parts_.state.naming = NoteNaming::Letters;
    if (parts_.state.noteNamesOn)
        writeNoteNameCaptions();
}

void PracticeOptions::SyllablesClick() {
    parts_.state.naming = NoteNaming::Syllables;
    if (parts_.state.noteNamesOn)
        writeNoteNameCaptions();
}

void PracticeOptions::NoteNamesOffClick() {
    PitchState& state = parts_.state;
    state.noteNamesOn = false;
    state.noteNamesMenu.caption = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names On?"));
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i].black)
            state.keys[i].caption.clear();
}

void PracticeOptions::writeNoteNameCaptions() {
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i].black)
            parts_.state.keys[i].caption = noteNameCaption(keys[i], parts_.state.naming);
}

void PracticeOptions::DontPlayClick() {
    parts_.state.repeatLastNote = RepeatLastNote::DontPlay;
}
void PracticeOptions::LastNoteAgainClick() {
    parts_.state.repeatLastNote = RepeatLastNote::LastNoteAgain;
}
void PracticeOptions::SustainOn1Click() {
    parts_.state.sustain = Sustain::On;
}
void PracticeOptions::SustainOff1Click() {
    parts_.state.sustain = Sustain::Off;
}

} // namespace tonewise
