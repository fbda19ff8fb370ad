#include "AnswerCheck.h"

#include "Dialogs.h"
#include "Intervals.h"
#include "OutputChoice.h"
#include "PianoKeyboard.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "QuestionCycle.h"
#include "SpelledPitchTable.h"
#include "StaffLayout.h"
#include "TwoDecimalText.h"

#include <cstdlib>

namespace tonewise {

namespace {

constexpr int ErrorToneNote = OutputChoice::ErrorToneNote;

// An answer as the student reads it: an interval's name in the window's language, a note's name
// as it is.
QString shownAnswer(const QString& name) {
    return QCoreApplication::translate("Intervals", name.toUtf8().constData());
}

} // namespace

void AnswerCheck::KeyClick(QStringView keyName) {
    PitchState& state = parts_.state;
    const PianoKey* key = findKeyboardKey(keyName);
    if (!key)
        return;
    if (state.practice == Practice::Intervals && key->intervalSemitones >= 0) {
        // An interval key answers with the note that far from the reference, in the direction
        // of the question.
        state.QuestionInterval =
            static_cast<std::int8_t>(state.QuestionPitch - state.PreviousPitch);
        const int k = key->intervalSemitones;
        state.AnswerPitch = static_cast<std::uint8_t>(
            state.QuestionInterval >= 0 ? state.PreviousPitch + k : state.PreviousPitch - k);
    } else {
        state.AnswerPitch = key->midi;
    }
    CheckAnswer();
}

void AnswerCheck::CheckAnswer() {
    PitchState& state = parts_.state;
    if (cycle_.tickArmed())
        return;
    state.cmbOutput.visible = false;
    state.cmbOutput.enabled = false;
    output_.noteOff(state.QuestionPitch);
    if (state.AnswerPitch == state.QuestionPitch)
        answeredRight();
    else
        answeredWrong();
}

void AnswerCheck::answeredRight() {
    PitchState& state = parts_.state;
    const bool pitches = state.practice == Practice::Pitches;
    const bool singing = state.practice == Practice::Singing;
    ++state.CorrectCount;
    parts_.displays.setItems(QString::number(state.CorrectCount));
    UpdateScore();
    output_.noteOff(state.QuestionPitch);
    if (singing)
        output_.noteOff(state.ReferencePitch);
    // Intervals and Singing play the note answered; Pitches only when asked to.
    if (!pitches || state.repeatLastNote == RepeatLastNote::LastNoteAgain)
        output_.noteOn(state.QuestionPitch);
    state.PreviousPitch = state.QuestionPitch;
    if (pitches || singing)
        state.DisplayName = ChooseDisplayName(state.naming, state.LetterName);
    else
        IntervalName();
    parts_.displays.setAnsShow(tr("That is correct: %1").arg(shownAnswer(state.DisplayName)));
    state.ReferenceNoteY = static_cast<std::int8_t>(state.NoteY);
    state.ReferenceAccidental = state.NoteAccidental;
    if (state.KeyChanged) {
        state.NoteAccidental = AccidentalFor(state.SpelledIndex);
        state.KeyChanged = false;
    }
    // A sung note is on the staff already.
    if (!singing)
        staff_.DrawNote();
    cycle_.armTick();
}

void AnswerCheck::answeredWrong() {
    // The error tone, then the notes again.
    PitchState& state = parts_.state;
    output_.programChange(OutputChoice::ErrorToneProgram);
    output_.noteOn(ErrorToneNote);
    if (state.practice == Practice::Singing)
        output_.noteOff(state.ReferencePitch);
    else // the question is asked again once the notes have sounded
        state.RepeatPending = true;
    if (state.StepCount > 8)
        state.AlteredNoteShown = true;
    parts_.displays.setAnsShow(state.practice == Practice::Pitches ? tr("Please play second note.")
                                                                   : tr("Please try again."));
    cycle_.replayAfterError();
    UpdateScore();
}

void AnswerCheck::UpdateScore() {
    PitchState& state = parts_.state;
    ++state.AttemptCount;
    state.ScorePercent = 100.0 * state.CorrectCount / state.AttemptCount;
    // Worked out in whole numbers, so that 29 of 50 reads 58.00% and never 57.99%.
    parts_.displays.setScore(twoDecimalText(100LL * state.CorrectCount, state.AttemptCount) +
                             QLatin1Char('%'));
}

void AnswerCheck::IntervalName() {
    PitchState& state = parts_.state;
    const int size = std::abs(static_cast<int>(state.QuestionInterval));
    state.QuestionInterval = static_cast<std::int8_t>(size);
    if (const auto name = intervalName(size))
        state.DisplayName = *name;
}

void AnswerCheck::AnsDisplayClick() {
    PitchState& state = parts_.state;
    QString answer;
    if (state.practice == Practice::Intervals) {
        IntervalName();
        answer = state.DisplayName;
    } else if (state.naming == NoteNaming::Letters) {
        answer = state.LetterName;
    } else {
        state.DisplayName = ChooseDisplayName(state.naming, state.LetterName);
        answer = state.DisplayName;
    }
    parts_.dialogs.information(tr("The next answer is: %1").arg(shownAnswer(answer)));
}

} // namespace tonewise
