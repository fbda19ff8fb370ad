#include "QuestionCycle.h"

#include "OutputChoice.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"
#include "Random.h"
#include "SpelledPitchTable.h"
#include "StaffLayout.h"
#include "Timer.h"

#include <algorithm>

namespace tonewise {

namespace {

constexpr int ErrorToneNote = OutputChoice::ErrorToneNote;
constexpr int HiddenReferenceY = 176; // off the staff: no reference note is seen

} // namespace

QuestionCycle::QuestionCycle(PitchParts parts, OutputChoice& output, StaffLayout& staff,
                             Random& random, TimerFactory& timers)
    : parts_(parts), output_(output), staff_(staff), random_(random) {
    // The timers call the handlers of their names, as a window's timers would.
    timer1_ = timers.createTimer([this] { parts_.trainer.ResponseClick(); });
    timer2_ = timers.createTimer([this] { parts_.trainer.PlayOldNote(); });
    timer3_ = timers.createTimer([this] { parts_.trainer.StimNoteOff(); });
}

QuestionCycle::~QuestionCycle() = default;

bool QuestionCycle::tickArmed() const {
    return timer1_->isArmed();
}
bool QuestionCycle::timer1Armed() const {
    return timer1_->isArmed();
}
bool QuestionCycle::timer2Armed() const {
    return timer2_->isArmed();
}
bool QuestionCycle::timer3Armed() const {
    return timer3_->isArmed();
}

void QuestionCycle::armTick(int milliseconds) {
    parts_.state.Timer1Interval = milliseconds;
    armTick();
}

void QuestionCycle::armTick() {
    timer1_->start(parts_.state.Timer1Interval);
}

void QuestionCycle::replayAfterError() {
    timer2_->start(100);
}

void QuestionCycle::stopAll() {
    timer1_->stop();
    timer2_->stop();
    timer3_->stop();
}

void QuestionCycle::StartButtonClick() {
    PitchState& state = parts_.state;
    if (state.quizMode != QuizMode::Off) {
        state.quizMode = QuizMode::InProgress;
        state.beginTestEnabled = true;
        ++state.QuestionNumber;
        state.StartButton.enabled = false;
    }
    parts_.displays.setScore(startScoreText());
    parts_.displays.setItems(QStringLiteral("0"));
    state.StartMode = 2;
    state.AttemptCount = 0;
    state.CorrectCount = 0;
    state.QuestionStep = 0;
    staff_.DrawStaff();
    state.PenX = 0;
    output_.noteOff(state.PreviousPitch);
    output_.noteOff(state.QuestionPitch);
    if (state.practice == Practice::Singing) {
        // The tonic is the first note to sing.
        state.StartMode = 0;
        state.RepeatPending = true;
        armTick(10);
        return;
    }
    const bool pitches = state.practice == Practice::Pitches;
    if (!pitches)
        state.StartMode = 1;
    state.RepeatPending = true;
    parts_.displays.setAnsShow(pitches ? tr("Starting note is first scale-step.")
                                       : tr("Click Perfect 1 for first answer."));
    if (pitches)
        state.SkipNextSound = true;
    armTick(10);
}

void QuestionCycle::ResponseClick() {
    PitchState& state = parts_.state;
    timer1_->stop();
    const bool singing = state.practice == Practice::Singing;
    // A sung answer's written note sounds a while before the next question.
    state.Timer1Interval =
        singing || state.repeatLastNote == RepeatLastNote::LastNoteAgain ? 600 : 300;
    output_.noteOff(state.PreviousPitch);

    if (state.RepeatPending) {
        state.RepeatPending = false;
    } else {
        drawNewStep();
        if (!singing) {
            staff_.DrawStaff();
            state.PenX = 0;
            staff_.DrawNote();
        }
        state.PreviousSpelledIndex = state.SpelledIndex;
    }

    if (state.advanceOn)
        parts_.trainer.CheckAutoAdvance();
    if (state.modulateOn)
        parts_.trainer.CheckAutoModulate();
    // A move to a level with fewer steps can leave the step beyond the new list.
    if (state.QuestionStep >= state.StepCount)
        state.QuestionStep = static_cast<std::int8_t>(drawStep());

    state.SpelledIndex = FindSpelledIndex(state.StepList, state.QuestionStep, state.SpelledIndex);
    if (state.sustain == Sustain::Off)
        timer3_->start(800);
    if (state.octave == OctaveChoice::EightvaLower)
        state.SpelledIndex = OctaveLower(state.SpelledIndex);
    chooseNoteAccidental();
    applySpelledIndex();
    if (singing)
        askToSing();
    else
        soundQuestion();
    if (state.StartMode == 1)
        startIntervalExercise();
    if (state.quizMode == QuizMode::InProgress)
        parts_.trainer.QuizQuestionDone();
}

void QuestionCycle::soundQuestion() {
    PitchState& state = parts_.state;
    if (state.SkipNextSound)
        state.SkipNextSound = false;
    else if (!quizPrepared(state))
        output_.noteOn(state.QuestionPitch);

    if (state.StartMode == 2) {
        state.StartMode = 0;
        state.PenX = 0;
        if (!quizPrepared(state))
            output_.noteOn(state.QuestionPitch);
    }
}

// Singing practice: the question note is written on the staff (and named when note names are on)
// but not played; the tonic sounds as the reference.
void QuestionCycle::askToSing() {
    PitchState& state = parts_.state;
    staff_.DrawStaff();
    state.PenX = 0;
    staff_.DrawNote();
    output_.noteOff(state.ReferencePitch);
    state.ReferencePitch = tonicPitch();
    if (!quizPrepared(state))
        output_.noteOn(state.ReferencePitch);
    parts_.displays.setAnsShow(
        state.noteNamesOn
            ? tr("Please sing %1.").arg(ChooseDisplayName(state.naming, state.LetterName))
            : tr("Please sing the written note."));
}

std::uint8_t QuestionCycle::tonicPitch() const {
    const PitchState& state = parts_.state;
    const std::optional<int> tonic = spelledPositionOf(state.QuestList.column(1));
    if (!tonic)
        return state.QuestionPitch;
    int position = *tonic;
    if (state.octave == OctaveChoice::EightvaLower)
        position = OctaveLower(static_cast<std::int8_t>(position));
    return static_cast<std::uint8_t>(SpelledPitchTable()[static_cast<std::size_t>(position)].midi);
}

void QuestionCycle::startIntervalExercise() {
    // The first note of an interval exercise is its own reference: the student answers
    // "Perfect 1", and the tick comes again to ask the next note.
    PitchState& state = parts_.state;
    state.StartMode = 0;
    state.RepeatPending = true;
    state.ReferenceNoteY = static_cast<std::int8_t>(state.NoteY);
    state.ReferenceAccidental = state.NoteAccidental;
    state.PreviousPitch = state.QuestionPitch;
    state.PenX = 0;
    staff_.DrawStaff();
    staff_.DrawNote();
    armTick(600);
}

int QuestionCycle::drawStep() {
    random_.reseedFromClock();
    return random_.next(std::max<int>(1, parts_.state.StepCount));
}

void QuestionCycle::drawNewStep() {
    PitchState& state = parts_.state;
    // Never the same step twice in a row, and no A, B, A, B.
    int r = drawStep();
    if (state.StepCount > 1)
        while (r == state.QuestionStep)
            r = drawStep();
    if (state.QuestionStep == state.EarlierStep && state.StepCount > 2) {
        while (r == state.PreviousStep)
            r = drawStep();
    }
    if (state.StepCount > 1)
        while (r == state.QuestionStep)
            r = drawStep();
    state.EarlierStep = state.PreviousStep;
    state.PreviousStep = state.QuestionStep;
    state.QuestionStep = static_cast<std::int8_t>(r);
}

void QuestionCycle::chooseNoteAccidental() {
    PitchState& state = parts_.state;
    state.NoteAccidental.clear();
    const auto& spellings = state.LeadingToneSpellings;
    if (std::find(spellings.begin(), spellings.end(), state.SpelledIndex) != spellings.end())
        state.NoteAccidental = state.LeadingToneAccidental;
    // A parallel note carries its own accidental, and so does the first plain note after one,
    // which cancels the alteration.
    auto markAltered = [&state](int firstParallelStep) {
        if (state.QuestionStep >= firstParallelStep) {
            state.NoteAccidental = AccidentalFor(state.SpelledIndex);
            state.AlteredNoteShown = true;
        } else if (state.AlteredNoteShown) {
            state.NoteAccidental = AccidentalFor(state.SpelledIndex);
            state.AlteredNoteShown = false;
        }
    };
    const QString& marked = ScaleLevels().at(static_cast<std::size_t>(state.levelMark)).item;
    if (marked == QLatin1String("Mixed0") || marked == QLatin1String("Mixed1") ||
        marked == QLatin1String("Mixed2"))
        markAltered(8);
    if (state.StepCount > 11)
        markAltered(11);
}

void QuestionCycle::applySpelledIndex() {
    PitchState& state = parts_.state;
    const AppliedSpelling applied = ApplySpelledIndex(state.SpelledIndex, state.PreviousPitch);
    state.LetterName = applied.LetterName;
    state.QuestionPitch = applied.QuestionPitch;
    state.NoteY = applied.NoteY;
    state.QuestionInterval = applied.QuestionInterval;
}

void QuestionCycle::PlayOldNote() {
    PitchState& state = parts_.state;
    timer2_->stop();
    output_.noteOff(ErrorToneNote);
    output_.programChange(state.Instrument);
    output_.noteOff(state.PreviousPitch);
    output_.noteOff(state.QuestionPitch);
    if (state.practice == Practice::Singing) {
        // After a wrong answer: the written note, then the student sings again.
        if (!quizPrepared(state))
            output_.noteOn(state.QuestionPitch);
        return;
    }
    if (atStart(state)) {
        output_.noteOn(state.QuestionPitch);
        if (state.practice == Practice::Intervals)
            state.StartMode = 2;
    } else {
        output_.noteOn(state.PreviousPitch);
    }
    armTick();
}

void QuestionCycle::StimNoteOff() {
    output_.noteOff(parts_.state.QuestionPitch);
    if (parts_.state.practice == Practice::Singing)
        output_.noteOff(parts_.state.ReferencePitch);
    timer3_->stop();
}

void QuestionCycle::RepeatNotesClick() {
    PitchState& state = parts_.state;
    if (state.practice == Practice::Singing) {
        // The question written again and its tonic sounded.
        state.RepeatPending = true;
        armTick(10);
        return;
    }
    if (atStart(state)) {
        state.StartMode = 2;
        if (state.practice == Practice::Pitches)
            state.SkipNextSound = true;
        armTick(10);
        if (state.practice == Practice::Intervals)
            state.StartMode = 1;
    } else if (!quizPrepared(state)) {
        timer2_->start(100);
    }
    state.RepeatPending = true;
    if (state.StepCount > 8)
        state.AlteredNoteShown = true;
}

void QuestionCycle::RestartAfterChange() {
    PitchState& state = parts_.state;
    if (state.practice == Practice::Singing) {
        // The new key's (or level's) question, from its tonic.
        output_.noteOff(state.ReferencePitch);
        output_.noteOff(state.QuestionPitch);
        state.QuestionStep = 0;
        state.RepeatPending = true;
        armTick(10);
        return;
    }
    const bool pitches = state.practice == Practice::Pitches;
    if (atStart(state) && pitches)
        state.SkipNextSound = true;
    if (pitches) {
        state.RepeatPending = true;
        state.KeyChanged = true;
        state.ReferenceAccidental = AccidentalFor(state.PreviousSpelledIndex);
        if (quizPrepared(state))
            state.ReferenceNoteY = static_cast<std::int8_t>(HiddenReferenceY);
        staff_.FormPaint();
        if (atStart(state))
            parts_.displays.setAnsShow(tr("Please play first scale step of new key."));
        else if (!quizPrepared(state))
            parts_.displays.setAnsShow(tr("Please play second note."));
        return;
    }
    // The interval exercise starts again from the tonic: the question note asked before the
    // change would otherwise ring on (with Sustain On) under the new one. Pitches practice
    // silences it in the replay that the level change starts.
    output_.noteOff(state.QuestionPitch);
    state.QuestionStep = 0;
    state.PenX = 0;
    state.StartMode = 1;
    state.RepeatPending = true;
    parts_.displays.setAnsShow(tr("Click Perfect 1 for first answer."));
    staff_.DrawStaff();
    state.ReferenceNoteY = static_cast<std::int8_t>(state.NoteY);
    armTick(10);
}

} // namespace tonewise
