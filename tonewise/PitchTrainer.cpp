#include "PitchTrainer.h"

#include "Clock.h"
#include "Dialogs.h"
#include "KeySignature.h"
#include "MidiOut.h"
#include "Random.h"
#include "ScorePrompts.h"
#include "SpelledPitchTable.h"
#include "Timer.h"
#include "TwoDecimalText.h"

#include "ScoreStore.h"

#include <algorithm>
#include <cmath>

namespace tonewise {

namespace {

constexpr std::uint8_t NoteOnStatus = 0x90;
constexpr std::uint8_t NoteOffStatus = 0x80;
constexpr std::uint8_t ProgramChangeStatus = 0xC0;
constexpr std::uint8_t Velocity = 127;
constexpr int ErrorToneProgram = 113;
constexpr int ErrorToneNote = 81;
constexpr int HiddenReferenceY = 176; // off the staff: no reference note is seen
constexpr int HighestLevelIndex = 20; // "5-1-8 + Parallel 3,6,7"
constexpr int ModulationKeys = 18;    // auto-modulation keeps to at most four sharps or flats
constexpr int HighestQuizQuestions = 127;

const QString kStart = QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Start"));
const QString kHintsOn = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints On?"));
const QString kHintsOff = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Interval Hints Off?"));
const QString kDefaultAdvanceCount = QStringLiteral("40");
const QString kDefaultAdvancePercent = QStringLiteral("90");

// A staff text that stands for a sign, never the white erase.
StaffGlyph sign(const QString& text, int x, int y) {
    return StaffGlyph{text, x, y, false};
}

// Delphi's StrToInt: an optional sign and decimal digits, nothing else.
std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok)
        return std::nullopt;
    return value;
}

// An answer as the student reads it: an interval's name in the window's language, a note's name
// as it is.
QString shownAnswer(const QString& name) {
    return QCoreApplication::translate("Intervals", name.toUtf8().constData());
}

// Halves go to the even neighbour.
long roundHalfEven(double value) {
    return std::lrint(value);
}

} // namespace

PitchTrainer::PitchTrainer(Dialogs& dialogs, TMidiOutput& output, Random& random, Clock& clock,
                           TimerFactory& timers, const scores::ScoreStore& scoreStore)
    : dialogs_(dialogs), output_(output), random_(random), clock_(clock), scoreStore_(scoreStore) {
    timer1_ = timers.createTimer([this] { runTimerHandler(&PitchTrainer::ResponseClick); });
    timer2_ = timers.createTimer([this] { runTimerHandler(&PitchTrainer::PlayOldNote); });
    timer3_ = timers.createTimer([this] { runTimerHandler(&PitchTrainer::StimNoteOff); });
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].name == QLatin1String("C3"))
            state_.keys[i].hint = MiddleCHint;
}

PitchTrainer::~PitchTrainer() = default;

void PitchTrainer::runTimerHandler(void (PitchTrainer::*handler)()) {
    // A timer has no caller to hand a failure to: the student sees it, as with any handler.
    try {
        (this->*handler)();
    } catch (const EmidioutputError& failure) {
        dialogs_.error(failure.message());
    }
    if (listener_)
        listener_->timerHandled();
}

bool PitchTrainer::timer1Armed() const {
    return timer1_->isArmed();
}
bool PitchTrainer::timer2Armed() const {
    return timer2_->isArmed();
}
bool PitchTrainer::timer3Armed() const {
    return timer3_->isArmed();
}

// ---------------------------------------------------------------------------------------------
// MIDI, fields and timers

void PitchTrainer::noteOn(int note) {
    output_.SendShortMessage(NoteOnStatus, static_cast<std::uint8_t>(note & 0x7F), Velocity);
}

void PitchTrainer::noteOff(int note) {
    output_.SendShortMessage(NoteOffStatus, static_cast<std::uint8_t>(note & 0x7F), Velocity);
}

void PitchTrainer::programChange(int program) {
    output_.SendShortMessage(ProgramChangeStatus, static_cast<std::uint8_t>(program & 0x7F), 0);
}

void PitchTrainer::armTimer1(int milliseconds) {
    state_.Timer1Interval = milliseconds;
    armTimer1();
}

void PitchTrainer::armTimer1() {
    timer1_->start(state_.Timer1Interval);
}

void PitchTrainer::setField(PitchField field, const QString& text) {
    QString* target = nullptr;
    switch (field) {
    case PitchField::Key:
        target = &state_.Key;
        break;
    case PitchField::QuestShw:
        target = &state_.QuestShw;
        break;
    case PitchField::AnsShow:
        target = &state_.AnsShow;
        break;
    case PitchField::Score:
        target = &state_.Score;
        break;
    case PitchField::Items:
        target = &state_.Items;
        break;
    }
    if (*target == text)
        return;
    *target = text;
    if (listener_)
        listener_->fieldChanged(field, text);
}

bool PitchTrainer::atStart() const {
    return state_.Score == kStart;
}

KeyControl* PitchTrainer::keyControl(const QString& name) {
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (keys[i].name == name)
            return &state_.keys[i];
    return nullptr;
}

// ---------------------------------------------------------------------------------------------
// Start-up

void PitchTrainer::FormCreate() {
    state_.NumQuestions = QStringLiteral("0");
    state_.naming = NoteNaming::Letters;
    state_.QuestionStep = 0;
    state_.PreviousStep = 2;

    state_.busy = true;
    if (listener_)
        listener_->busyChanged(true);
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
    state_.cmbOutput.entries = names;
    state_.cmbOutput.currentIndex = names.isEmpty() ? -1 : 0;
    QString failure;
    try {
        OpenMidiOutput();
    } catch (const EmidioutputError& error) {
        failure = error.message();
    }
    state_.busy = false;
    if (listener_)
        listener_->busyChanged(false);
    if (!failure.isEmpty())
        dialogs_.error(failure);

    SignatureSubmenuClick(0);
    dialogs_.information(
        tr("When Tonewise Opens, Please Click Help Menu, Select \"Help Topics\", then Select and "
           "Read HOW TO USE TONEWISE \"Question Content and Order.\" Thanks, - Orin Vascombe"));
}

void PitchTrainer::Initial() {
    state_.QuestionStep = 0;
    state_.StepList.clear();
    SetDefaultKeyTable(state_.QuestList);
    setAnsShow(tr("Select Key and scale-steps from Menu or click middle C."));
    setScore(kStart);
    state_.AdvanceCount = kDefaultAdvanceCount;
    state_.AdvancePercent = kDefaultAdvancePercent;
    FormPaint();
    Level0Click();
}

void PitchTrainer::Exit1Click() {
    timer1_->stop();
    timer2_->stop();
    timer3_->stop();
    state_.StepList.clear();
    try {
        if (output_.IsOpen()) {
            noteOff(state_.QuestionPitch);
            noteOff(state_.PreviousPitch);
        }
        CloseMidiOutput();
    } catch (const EmidioutputError&) {
        // The program ends either way.
    }
}

// ---------------------------------------------------------------------------------------------
// The question cycle

void PitchTrainer::StartButtonClick() {
    if (state_.quizMode != QuizMode::Off) {
        state_.quizMode = QuizMode::InProgress;
        state_.beginTestEnabled = true;
        ++state_.QuestionNumber;
        state_.StartButton.enabled = false;
    }
    setScore(kStart);
    setItems(QStringLiteral("0"));
    state_.StartMode = 2;
    state_.AttemptCount = 0;
    state_.CorrectCount = 0;
    state_.QuestionStep = 0;
    DrawStaff();
    state_.PenX = 0;
    noteOff(state_.PreviousPitch);
    noteOff(state_.QuestionPitch);
    const bool pitches = state_.practice == Practice::Pitches;
    if (!pitches)
        state_.StartMode = 1;
    state_.RepeatPending = true;
    setAnsShow(pitches ? tr("Starting note is first scale-step.")
                       : tr("Click Perfect 1 for first answer."));
    if (pitches)
        state_.SkipNextSound = true;
    armTimer1(10);
}

void PitchTrainer::ResponseClick() {
    timer1_->stop();
    state_.Timer1Interval = state_.repeatLastNote == RepeatLastNote::LastNoteAgain ? 600 : 300;
    noteOff(state_.PreviousPitch);

    if (state_.RepeatPending) {
        state_.RepeatPending = false;
    } else {
        drawNewStep();
        DrawStaff();
        state_.PenX = 0;
        DrawNote();
        state_.PreviousSpelledIndex = state_.SpelledIndex;
    }

    if (state_.advanceOn)
        CheckAutoAdvance();
    if (state_.modulateOn)
        CheckAutoModulate();
    // A move to a level with fewer steps can leave the step beyond the new list.
    if (state_.QuestionStep >= state_.StepCount)
        state_.QuestionStep = static_cast<std::int8_t>(drawStep());

    state_.SpelledIndex =
        FindSpelledIndex(state_.StepList, state_.QuestionStep, state_.SpelledIndex);
    if (state_.sustain == Sustain::Off)
        timer3_->start(800);
    if (state_.octave == OctaveChoice::EightvaLower)
        state_.SpelledIndex = OctaveLower(state_.SpelledIndex);
    chooseNoteAccidental();
    applySpelledIndex();

    if (state_.SkipNextSound)
        state_.SkipNextSound = false;
    else if (!quizPrepared())
        noteOn(state_.QuestionPitch);

    if (state_.StartMode == 2) {
        state_.StartMode = 0;
        state_.PenX = 0;
        if (!quizPrepared())
            noteOn(state_.QuestionPitch);
    }
    if (state_.StartMode == 1) {
        state_.StartMode = 0;
        state_.RepeatPending = true;
        state_.ReferenceNoteY = static_cast<std::int8_t>(state_.NoteY);
        state_.ReferenceAccidental = state_.NoteAccidental;
        state_.PreviousPitch = state_.QuestionPitch;
        state_.PenX = 0;
        DrawStaff();
        DrawNote();
        armTimer1(600);
    }
    if (state_.quizMode == QuizMode::InProgress)
        QuizQuestionDone();
}

int PitchTrainer::drawStep() {
    random_.reseedFromClock();
    return random_.next(std::max<int>(1, state_.StepCount));
}

void PitchTrainer::drawNewStep() {
    // Never the same step twice in a row, and no A, B, A, B.
    int r = drawStep();
    if (state_.StepCount > 1)
        while (r == state_.QuestionStep)
            r = drawStep();
    if (state_.QuestionStep == state_.EarlierStep && state_.StepCount > 2) {
        while (r == state_.PreviousStep)
            r = drawStep();
    }
    if (state_.StepCount > 1)
        while (r == state_.QuestionStep)
            r = drawStep();
    state_.EarlierStep = state_.PreviousStep;
    state_.PreviousStep = state_.QuestionStep;
    state_.QuestionStep = static_cast<std::int8_t>(r);
}

void PitchTrainer::chooseNoteAccidental() {
    state_.NoteAccidental.clear();
    const auto& spellings = state_.LeadingToneSpellings;
    if (std::find(spellings.begin(), spellings.end(), state_.SpelledIndex) != spellings.end())
        state_.NoteAccidental = state_.LeadingToneAccidental;
    // A parallel note carries its own accidental, and so does the first plain note after one,
    // which cancels the alteration.
    auto markAltered = [this](int firstParallelStep) {
        if (state_.QuestionStep >= firstParallelStep) {
            state_.NoteAccidental = AccidentalFor(state_.SpelledIndex);
            state_.AlteredNoteShown = true;
        } else if (state_.AlteredNoteShown) {
            state_.NoteAccidental = AccidentalFor(state_.SpelledIndex);
            state_.AlteredNoteShown = false;
        }
    };
    const QString& marked = ScaleLevels().at(static_cast<std::size_t>(state_.levelMark)).item;
    if (marked == QLatin1String("Mixed0") || marked == QLatin1String("Mixed1") ||
        marked == QLatin1String("Mixed2"))
        markAltered(8);
    if (state_.StepCount > 11)
        markAltered(11);
}

void PitchTrainer::applySpelledIndex() {
    const AppliedSpelling applied = ApplySpelledIndex(state_.SpelledIndex, state_.PreviousPitch);
    state_.LetterName = applied.LetterName;
    state_.QuestionPitch = applied.QuestionPitch;
    state_.NoteY = applied.NoteY;
    state_.QuestionInterval = applied.QuestionInterval;
}

void PitchTrainer::PlayOldNote() {
    timer2_->stop();
    noteOff(ErrorToneNote);
    programChange(state_.Instrument);
    noteOff(state_.PreviousPitch);
    noteOff(state_.QuestionPitch);
    if (atStart()) {
        noteOn(state_.QuestionPitch);
        if (state_.practice == Practice::Intervals)
            state_.StartMode = 2;
    } else {
        noteOn(state_.PreviousPitch);
    }
    armTimer1();
}

void PitchTrainer::StimNoteOff() {
    noteOff(state_.QuestionPitch);
    timer3_->stop();
}

void PitchTrainer::RepeatNotesClick() {
    if (atStart()) {
        state_.StartMode = 2;
        if (state_.practice == Practice::Pitches)
            state_.SkipNextSound = true;
        armTimer1(10);
        if (state_.practice == Practice::Intervals)
            state_.StartMode = 1;
    } else if (!quizPrepared()) {
        timer2_->start(100);
    }
    state_.RepeatPending = true;
    if (state_.StepCount > 8)
        state_.AlteredNoteShown = true;
}

void PitchTrainer::RestartAfterChange() {
    const bool pitches = state_.practice == Practice::Pitches;
    if (atStart() && pitches)
        state_.SkipNextSound = true;
    if (pitches) {
        state_.RepeatPending = true;
        state_.KeyChanged = true;
        state_.ReferenceAccidental = AccidentalFor(state_.PreviousSpelledIndex);
        if (quizPrepared())
            state_.ReferenceNoteY = static_cast<std::int8_t>(HiddenReferenceY);
        FormPaint();
        if (atStart())
            setAnsShow(tr("Please play first scale step of new key."));
        else if (!quizPrepared())
            setAnsShow(tr("Please play second note."));
        return;
    }
    // The interval exercise starts again from the tonic: the question note asked before the
    // change would otherwise ring on (with Sustain On) under the new one. Pitches practice
    // silences it in the replay that the level change starts.
    noteOff(state_.QuestionPitch);
    state_.QuestionStep = 0;
    state_.PenX = 0;
    state_.StartMode = 1;
    state_.RepeatPending = true;
    setAnsShow(tr("Click Perfect 1 for first answer."));
    DrawStaff();
    state_.ReferenceNoteY = static_cast<std::int8_t>(state_.NoteY);
    armTimer1(10);
}

// ---------------------------------------------------------------------------------------------
// Answers

void PitchTrainer::KeyClick(QStringView keyName) {
    const PianoKey* key = findKeyboardKey(keyName);
    if (!key)
        return;
    if (state_.practice == Practice::Intervals && key->intervalSemitones >= 0) {
        // An interval key answers with the note that far from the reference, in the direction
        // of the question.
        state_.QuestionInterval =
            static_cast<std::int8_t>(state_.QuestionPitch - state_.PreviousPitch);
        const int k = key->intervalSemitones;
        state_.AnswerPitch = static_cast<std::uint8_t>(
            state_.QuestionInterval >= 0 ? state_.PreviousPitch + k : state_.PreviousPitch - k);
    } else {
        state_.AnswerPitch = key->midi;
    }
    CheckAnswer();
}

void PitchTrainer::CheckAnswer() {
    if (timer1_->isArmed())
        return;
    state_.cmbOutput.visible = false;
    state_.cmbOutput.enabled = false;
    noteOff(state_.QuestionPitch);
    const bool pitches = state_.practice == Practice::Pitches;

    if (state_.AnswerPitch == state_.QuestionPitch) {
        ++state_.CorrectCount;
        setItems(QString::number(state_.CorrectCount));
        UpdateScore();
        noteOff(state_.QuestionPitch);
        if (!pitches || state_.repeatLastNote == RepeatLastNote::LastNoteAgain)
            noteOn(state_.QuestionPitch);
        state_.PreviousPitch = state_.QuestionPitch;
        if (pitches)
            state_.DisplayName = ChooseDisplayName(state_.naming, state_.LetterName);
        else
            IntervalName();
        setAnsShow(tr("That is correct: %1").arg(shownAnswer(state_.DisplayName)));
        state_.ReferenceNoteY = static_cast<std::int8_t>(state_.NoteY);
        state_.ReferenceAccidental = state_.NoteAccidental;
        if (state_.KeyChanged) {
            state_.NoteAccidental = AccidentalFor(state_.SpelledIndex);
            state_.KeyChanged = false;
        }
        DrawNote();
        armTimer1();
        return;
    }

    // The error tone, then the notes again.
    programChange(ErrorToneProgram);
    noteOn(ErrorToneNote);
    state_.RepeatPending = true;
    if (state_.StepCount > 8)
        state_.AlteredNoteShown = true;
    setAnsShow(pitches ? tr("Please play second note.") : tr("Please try again."));
    timer2_->start(100);
    UpdateScore();
}

void PitchTrainer::UpdateScore() {
    ++state_.AttemptCount;
    state_.ScorePercent = 100.0 * state_.CorrectCount / state_.AttemptCount;
    // Worked out in whole numbers, so that 29 of 50 reads 58.00% and never 57.99%.
    setScore(twoDecimalText(100LL * state_.CorrectCount, state_.AttemptCount) + QLatin1Char('%'));
}

void PitchTrainer::IntervalName() {
    const int size = std::abs(static_cast<int>(state_.QuestionInterval));
    state_.QuestionInterval = static_cast<std::int8_t>(size);
    if (const auto name = intervalName(size))
        state_.DisplayName = *name;
}

void PitchTrainer::AnsDisplayClick() {
    QString answer;
    if (state_.practice == Practice::Intervals) {
        IntervalName();
        answer = state_.DisplayName;
    } else if (state_.naming == NoteNaming::Letters) {
        answer = state_.LetterName;
    } else {
        state_.DisplayName = ChooseDisplayName(state_.naming, state_.LetterName);
        answer = state_.DisplayName;
    }
    dialogs_.information(tr("The next answer is: %1").arg(shownAnswer(answer)));
}

void PitchTrainer::HintsOnClick() {
    if (state_.practice != Practice::Intervals)
        return;
    const bool on = state_.hintsItem.caption == kHintsOn;
    for (const char* name : HintKeys)
        keyControl(QString::fromLatin1(name))->showHint = on;
    state_.hintsItem.caption = on ? kHintsOff : kHintsOn;
}

// ---------------------------------------------------------------------------------------------
// Keys

void PitchTrainer::SelectKey(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= KeyCount)
        return;
    const MusicKey& key = MusicKeys().at(static_cast<std::size_t>(keyIndex));
    state_.KeyIndex = keyIndex;
    setField(PitchField::Key, key.keyText);
    state_.keyMarks[static_cast<std::size_t>(key.submenu)] = keyIndex;
    if (key.marksSubmenu)
        state_.signatureSubmenuMark = key.submenu;
    applyKeyStepTable(state_.QuestList, key);

    // A parallel level replaces Db and Gb Major by their enharmonic equivalents while it is
    // re-applied; the replacement has then installed the key the student ends in.
    ReapplyLevel();
    if (state_.KeyIndex != keyIndex)
        return;

    setAnsShow(key.answerLineText);
    state_.SignatureKind = key.SignatureKind;
    state_.SignatureCount = key.SignatureCount;
    state_.LeadingToneAccidental = key.LeadingToneAccidental;
    if (key.LeadingToneSpellings)
        state_.LeadingToneSpellings = *key.LeadingToneSpellings;
    RestartAfterChange();
}

void PitchTrainer::ReapplyLevel() {
    LevelClick(state_.levelMark);
}

void PitchTrainer::SignatureSubmenuClick(int submenu) {
    if (submenu >= 0 && submenu < static_cast<int>(SignatureSubmenus().size()))
        state_.signatureSubmenuMark = submenu;
}

void PitchTrainer::CMajorClick() {
    SelectKey(0);
}
void PitchTrainer::AMinorClick() {
    SelectKey(1);
}
void PitchTrainer::FMajorClick() {
    SelectKey(2);
}
void PitchTrainer::DMinorClick() {
    SelectKey(3);
}
void PitchTrainer::GMajorClick() {
    SelectKey(4);
}
void PitchTrainer::EMinorClick() {
    SelectKey(5);
}
void PitchTrainer::BbMajorClick() {
    SelectKey(6);
}
void PitchTrainer::GMinorClick() {
    SelectKey(7);
}
void PitchTrainer::DMajorClick() {
    SelectKey(8);
}
void PitchTrainer::BMinorClick() {
    SelectKey(9);
}
void PitchTrainer::EbMajorClick() {
    SelectKey(10);
}
void PitchTrainer::CMinorClick() {
    SelectKey(11);
}
void PitchTrainer::AMajorClick() {
    SelectKey(12);
}
void PitchTrainer::FsharpMinorClick() {
    SelectKey(13);
}
void PitchTrainer::AbMajorClick() {
    SelectKey(14);
}
void PitchTrainer::FMinorClick() {
    SelectKey(15);
}
void PitchTrainer::EMajorClick() {
    SelectKey(16);
}
void PitchTrainer::CsharpMinorClick() {
    SelectKey(CsharpMinorIndex);
}
void PitchTrainer::DbMajorClick() {
    SelectKey(DbMajorIndex);
}
void PitchTrainer::GbMajorClick() {
    SelectKey(GbMajorIndex);
}
void PitchTrainer::BMajorClick() {
    SelectKey(20);
}
void PitchTrainer::FsharpMajorClick() {
    SelectKey(FsharpMajorIndex);
}
void PitchTrainer::BbMinorClick() {
    SelectKey(22);
}
void PitchTrainer::EbMinorClick() {
    SelectKey(23);
}

// ---------------------------------------------------------------------------------------------
// Levels

void PitchTrainer::LevelClick(int levelIndex) {
    if (levelIndex >= 0 && levelIndex < LevelCount)
        rebuildStepList(levelIndex);
}

void PitchTrainer::rebuildStepList(int levelIndex) {
    const ScaleLevel& level = ScaleLevels().at(static_cast<std::size_t>(levelIndex));
    state_.ParallelLevelActive = level.parallel;
    if (level.endsAutoAdvance) {
        if (state_.progression == Progression::AutoAdvance)
            state_.progression = Progression::None;
        state_.advanceOn = false;
    }
    setField(PitchField::QuestShw, level.QuestShwText);
    state_.StepList = tonewise::RebuildStepList(state_.QuestList, level);
    state_.StepCount = level.StepCount;
    state_.levelMark = levelIndex;
    if (level.silencesQuestionNote)
        noteOff(state_.QuestionPitch);
    if (state_.practice == Practice::Pitches)
        RepeatNotesClick();
    if (state_.practice == Practice::Intervals) {
        showIntervalKeysOfLevel(level);
        RestartAfterChange();
    }
    // Db and Gb Major have no parallel notes: the key in use hands over to its enharmonic
    // equivalent. A mark left on either in its own submenu after another key was chosen is not
    // the key in use and changes nothing.
    if (const auto replacement = replacementOnLevelSelect(level, state_.KeyIndex)) {
        dialogs_.information(replacement->message);
        const MusicKey& replaced = MusicKeys().at(static_cast<std::size_t>(state_.KeyIndex));
        state_.keyMarks[static_cast<std::size_t>(replaced.submenu)] = -1;
        SelectKey(replacement->byKey);
    }
}

void PitchTrainer::showIntervalKeysOfLevel(const ScaleLevel& level) {
    for (const QString& name : LevelIntervalKeys()) {
        KeyControl* key = keyControl(name);
        const bool on = level.intervalKeysOn.contains(name);
        key->visible = on;
        key->enabled = on;
    }
}

void PitchTrainer::Level0Click() {
    LevelClick(0);
}
void PitchTrainer::Level1Click() {
    LevelClick(1);
}
void PitchTrainer::Level2Click() {
    LevelClick(2);
}
void PitchTrainer::Level6Click() {
    LevelClick(3);
}
void PitchTrainer::Level3Click() {
    LevelClick(4);
}
void PitchTrainer::Level5Click() {
    LevelClick(5);
}
void PitchTrainer::Level8Click() {
    LevelClick(6);
}
void PitchTrainer::Level4Click() {
    LevelClick(7);
}
void PitchTrainer::Level7Click() {
    LevelClick(8);
}
void PitchTrainer::Level9Click() {
    LevelClick(9);
}
void PitchTrainer::Level95Click() {
    LevelClick(10);
}
void PitchTrainer::Level10Click() {
    LevelClick(11);
}
void PitchTrainer::Level11Click() {
    LevelClick(12);
}
void PitchTrainer::Level12Click() {
    LevelClick(13);
}
void PitchTrainer::Level13Click() {
    LevelClick(14);
}
void PitchTrainer::Mixed0Click() {
    LevelClick(15);
}
void PitchTrainer::Mixed1Click() {
    LevelClick(16);
}
void PitchTrainer::Mixed2Click() {
    LevelClick(17);
}
void PitchTrainer::Mixed3Click() {
    LevelClick(18);
}
void PitchTrainer::Mixed4Click() {
    LevelClick(19);
}
void PitchTrainer::Mixed5Click() {
    LevelClick(20);
}

// ---------------------------------------------------------------------------------------------
// Octave and note names

void PitchTrainer::ClavedoSolClick() {
    noteOff(state_.PreviousPitch);
    state_.octave = OctaveChoice::TrebleClef;
}

void PitchTrainer::ClavedoFClick() {
    noteOff(state_.PreviousPitch);
    state_.octave = OctaveChoice::EightvaLower;
}

void PitchTrainer::NoteNamesClick() {
    state_.noteNamesOn = true;
    state_.noteNamesMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names Off?"));
}

void PitchTrainer::LettersClick() {
    state_.naming = NoteNaming::Letters;
    if (state_.noteNamesOn)
        writeNoteNameCaptions();
}

void PitchTrainer::SyllablesClick() {
    state_.naming = NoteNaming::Syllables;
    if (state_.noteNamesOn)
        writeNoteNameCaptions();
}

void PitchTrainer::NoteNamesOffClick() {
    state_.noteNamesOn = false;
    state_.noteNamesMenu.caption = QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Note Names On?"));
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i].black)
            state_.keys[i].caption.clear();
}

void PitchTrainer::writeNoteNameCaptions() {
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i)
        if (!keys[i].black)
            state_.keys[i].caption = noteNameCaption(keys[i], state_.naming);
}

// ---------------------------------------------------------------------------------------------
// Practice modes and sound

void PitchTrainer::IntervalsClick() {
    state_.repeatLastNoteMenuEnabled = false;
    state_.practiceMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Pitches?"));
    setItems(QStringLiteral("0"));
    state_.octaveMenuEnabled = false;
    state_.practice = Practice::Intervals;
    state_.hintsItem.enabled = true;
    const bool hints = state_.hintsItem.caption == kHintsOff;
    for (const char* name : HintKeys)
        keyControl(QString::fromLatin1(name))->showHint = hints;
    state_.noteNamesMenu.enabled = false;
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        KeyControl& control = state_.keys[i];
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
    ReapplyLevel();
}

void PitchTrainer::ScalestepsClick() {
    state_.repeatLastNoteMenuEnabled = true;
    state_.octaveMenuEnabled = true;
    state_.practiceMenu.caption =
        QLatin1String(QT_TRANSLATE_NOOP("PitchMenus", "Practice Intervals?"));
    state_.hintsItem.enabled = false;
    if (state_.hintsItem.caption == kHintsOff)
        for (const char* name : HintKeys)
            keyControl(QString::fromLatin1(name))->showHint = false;
    RepeatNotesClick();
    state_.practice = Practice::Pitches;
    setAnsShow(QString());
    const auto& keys = KeyboardKeys();
    for (std::size_t i = 0; i < keys.size(); ++i) {
        KeyControl& control = state_.keys[i];
        if (keys[i].intervalSemitones >= 0) {
            control.face = KeyFace::Silver;
            control.captionMargin = 0;
        }
        control.visible = true;
        control.enabled = true;
    }
    for (const char* name : {"E2", "F2", "A2", "C4", "D4"})
        keyControl(QString::fromLatin1(name))->hint.clear();
    keyControl(QStringLiteral("C3"))->hint = MiddleCHint;
    state_.noteNamesMenu.enabled = true;
    if (!state_.noteNamesOn)
        NoteNamesOffClick();
    else if (state_.naming == NoteNaming::Letters)
        LettersClick();
    else
        SyllablesClick();
    setAnsShow(atStart() ? tr("Please play first scale step of new key.")
                         : tr("Please play second note."));
}

void PitchTrainer::DontPlayClick() {
    state_.repeatLastNote = RepeatLastNote::DontPlay;
}
void PitchTrainer::LastNoteAgainClick() {
    state_.repeatLastNote = RepeatLastNote::LastNoteAgain;
}
void PitchTrainer::SustainOn1Click() {
    state_.sustain = Sustain::On;
}
void PitchTrainer::SustainOff1Click() {
    state_.sustain = Sustain::Off;
}

void PitchTrainer::MIDIInstr1Click() {
    const QString current = QString::number(state_.Instrument);
    const QString reply =
        dialogs_
            .input(tr("MIDI Instrument"), tr("MIDI Instrument Number between 0 and 127?"), current)
            .value_or(current);
    const int program = wholeNumber(reply.trimmed()).value_or(1);
    // A program change carries 0 .. 127: anything else would reach the synthesizer as another
    // message.
    if (program < 0 || program > 127) {
        dialogs_.information(tr("Please type an instrument number between 0 and 127."));
        return;
    }
    state_.Instrument = static_cast<std::uint8_t>(program);
    output_.PreparePrograms(0, {state_.Instrument, ErrorToneProgram}); // loaded ahead
    programChange(state_.Instrument);
    RepeatNotesClick();
}

void PitchTrainer::Outputs1Click() {
    state_.cmbOutput.visible = true;
    state_.cmbOutput.enabled = true;
}

void PitchTrainer::cmbOutputChange(int index) {
    if (index < 0 || index >= state_.cmbOutput.entries.size())
        return;
    state_.cmbOutput.currentIndex = index;
    CloseMidiOutput();
    OpenMidiOutput();
    RepeatNotesClick();
    state_.cmbOutput.enabled = false;
    state_.cmbOutput.visible = false;
}

void PitchTrainer::OpenMidiOutput() {
    // The device the student picked stays the output when it is opened again (around the
    // records of a quiz); before any choice it is the default device.
    if (state_.cmbOutput.enabled)
        chosenOutput_ = state_.cmbOutput.text();
    if (!chosenOutput_.isEmpty())
        output_.SetProductName(chosenOutput_);
    else
        output_.SetDeviceID(-1);
    output_.OpenDevice();
    output_.PreparePrograms(0, {state_.Instrument, ErrorToneProgram}); // loaded ahead
}

void PitchTrainer::CloseMidiOutput() {
    output_.CloseDevice();
}

void PitchTrainer::AllNotesOffClick() {
    for (int note = 0; note <= 109; ++note)
        noteOff(note);
}

// ---------------------------------------------------------------------------------------------
// Auto-advance and auto-modulate

bool PitchTrainer::thresholdsMet() const {
    const int count = wholeNumber(state_.AdvanceCount).value_or(40);
    const int percent = wholeNumber(state_.AdvancePercent).value_or(90);
    if (state_.AttemptCount <= 0)
        return false;
    // The percentage must be strictly above the threshold: 45 of 50 does not pass 90.
    return state_.CorrectCount >= count &&
           100LL * state_.CorrectCount > static_cast<long long>(percent) * state_.AttemptCount;
}

bool PitchTrainer::askThresholds(const QString& countTitle, const QString& percentTitle,
                                 bool& second) {
    auto normalised = [](const QString& text, const QString& fallback) {
        const int value = wholeNumber(text.trimmed()).value_or(fallback.toInt());
        return value < 1 ? fallback : QString::number(value);
    };
    const auto count =
        dialogs_.input(countTitle, tr("How many correct answers?"), state_.AdvanceCount);
    if (count)
        state_.AdvanceCount = *count;
    state_.AdvanceCount = normalised(state_.AdvanceCount, kDefaultAdvanceCount);
    const auto percent =
        dialogs_.input(percentTitle, tr("What percent correct answers?"), state_.AdvancePercent);
    if (percent)
        state_.AdvancePercent = *percent;
    state_.AdvancePercent = normalised(state_.AdvancePercent, kDefaultAdvancePercent);
    second = percent.has_value();
    return count.has_value();
}

void PitchTrainer::On1Click() {
    if (state_.levelMark == HighestLevelIndex) {
        dialogs_.information(
            tr("Congratulations! This is the highest level! Select another key, fewer "
               "scale-steps, and turn Auto Advance on again."));
        return;
    }
    state_.modulateOn = false;
    state_.progression = Progression::AutoAdvance;
    bool second = false;
    if (!askThresholds(tr("AutoAdvance : Correct answers?"), tr("AutoAdvance : Score?"), second))
        return;
    if (second) {
        state_.advanceOn = true;
        state_.AttemptCount = 0;
        state_.CorrectCount = 0;
        setItems(QStringLiteral("0"));
        RepeatNotesClick();
    } else {
        state_.advanceOn = false;
        state_.progression = Progression::None;
    }
}

void PitchTrainer::Off1Click() {
    if (state_.progression == Progression::AutoAdvance)
        state_.progression = Progression::None;
    state_.advanceOn = false;
}

void PitchTrainer::AutoModOnClick() {
    state_.advanceOn = false;
    state_.progression = Progression::AutoModulate;
    bool second = false;
    if (!askThresholds(tr("AutoModulate : Correct answers?"), tr("AutoModulate : Score?"), second))
        return;
    if (second) {
        state_.advanceOn = false;
        state_.modulateOn = true;
        state_.AttemptCount = 0;
        state_.CorrectCount = 0;
        setItems(QStringLiteral("0"));
        RepeatNotesClick();
    } else {
        state_.modulateOn = false;
    }
}

void PitchTrainer::AutoModOffClick() {
    if (state_.progression == Progression::AutoModulate)
        state_.progression = Progression::None;
    state_.modulateOn = false;
}

void PitchTrainer::CheckAutoAdvance() {
    if (state_.levelMark == HighestLevelIndex) {
        if (state_.progression == Progression::AutoAdvance)
            state_.progression = Progression::None;
        state_.advanceOn = false;
    }
    if (!thresholdsMet())
        return;
    if (state_.practice == Practice::Pitches)
        state_.SkipNextSound = true;
    const bool advance = dialogs_.confirm(
        tr("Congratulations! You have %1 or more correct answers with a score above %2%. Advance "
           "to next level?")
            .arg(state_.AdvanceCount, state_.AdvancePercent));
    state_.AttemptCount = 0;
    state_.CorrectCount = 0;
    setScore(advance ? QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Advance"))
                     : QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Repeat")));
    setItems(QStringLiteral("0"));
    if (advance) {
        LevelClick(nextLevelIndex(state_.levelMark));
    } else {
        state_.SkipNextSound = true;
        RepeatNotesClick();
    }
}

void PitchTrainer::CheckAutoModulate() {
    if (!thresholdsMet())
        return;
    if (state_.practice == Practice::Pitches)
        state_.SkipNextSound = true;
    const bool modulate = dialogs_.confirm(
        tr("Congratulations! You have %1 or more correct answers with a score more than %2%. "
           "Change scale and key?")
            .arg(state_.AdvanceCount, state_.AdvancePercent));
    if (!modulate) {
        AutoModOffClick();
        state_.SkipNextSound = true;
        RepeatNotesClick();
        return;
    }
    state_.AttemptCount = 0;
    state_.CorrectCount = 0;
    setScore(QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "New Scale")));
    setItems(QStringLiteral("0"));
    int key = state_.KeyIndex;
    while (key == state_.KeyIndex) {
        random_.reseedFromClock();
        key = random_.next(ModulationKeys);
    }
    state_.KeyIndex = key;
    SelectKey(key);
}

// ---------------------------------------------------------------------------------------------
// Quiz

void PitchTrainer::QuizOnClick() {
    if (state_.quizMode == QuizMode::InProgress) {
        dialogs_.information(
            tr("Please click an answer and continue; OR Click File/Quiz Mode/Off and stop."));
        return;
    }
    Off1Click();
    AutoModOffClick();
    state_.reviewScoresEnabled = false;
    state_.QuestionNumber = 0;
    state_.ScorePercent = 0;
    state_.QuizTotal = 0;
    state_.advanceOn = false;
    state_.advanceMenuEnabled = false;
    state_.quizMode = QuizMode::Prepared;
    state_.quizOnEnabled = false;
    state_.repeatLastNote = RepeatLastNote::DontPlay;
    state_.repeatLastNoteMenuEnabled = false;
    state_.AnsDisplay.enabled = false;
    state_.RepeatNotes.enabled = false;

    state_.QuizName = ScorePrompts(dialogs_).askStudentName();
    if (dialogs_.confirmDestructive(tr(
            "Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO "
            "if this CONTINUES A TEST and you need ALL previous scores"))) {
        const scores::ScoreFileResult erased = scoreStore_.erase(state_.QuizName);
        if (!erased.ok()) {
            dialogs_.error(tr("%1 The quiz was not prepared.").arg(erased.error));
            QuizOffClick();
            return;
        }
        if (!erased.notice.isEmpty())
            dialogs_.information(erased.notice);
    }

    // The numbers are kept in their plain decimal form: a question ends when the count of right
    // answers reads the same as the number of items.
    const QString itemsDefault = QStringLiteral("40");
    const QString items =
        dialogs_
            .input(tr("Number of Question Items"),
                   tr("How many Pitches or Intervals in each Question?"), itemsDefault)
            .value_or(itemsDefault);
    const auto itemCount = wholeNumber(items.trimmed());
    if (!itemCount || *itemCount == 1000 || *itemCount < 1) {
        dialogs_.information(tr("Please Begin again and type a valid number"));
        state_.ItemsPerQuestion = QStringLiteral("1");
        QuizOffClick();
        return;
    }
    state_.ItemsPerQuestion = QString::number(*itemCount);

    const QString questionsDefault = QStringLiteral("10");
    const QString questions =
        dialogs_
            .input(tr("Number of Questions"), tr("How many Questions in Test?"), questionsDefault)
            .value_or(questionsDefault);
    const auto questionCount = wholeNumber(questions.trimmed());
    if (!questionCount || *questionCount == 1000 || *questionCount < 1 ||
        *questionCount > HighestQuizQuestions) {
        dialogs_.information(tr("Please Begin again and type valid numbers"));
        state_.NumQuestions = QStringLiteral("0");
        QuizOffClick();
    } else {
        state_.NumQuestions = QString::number(*questionCount);
        dialogs_.information(
            tr("Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button."));
        state_.beginTestEnabled = true;
    }
    DrawStaff();
}

bool PitchTrainer::appendScoreLine(const QString& line) {
    const scores::ScoreFileResult saved = scoreStore_.appendLine(state_.QuizName, line);
    if (!saved.ok()) {
        dialogs_.error(saved.error);
        return false;
    }
    if (listener_)
        listener_->scoreLineAppended(saved.path, line);
    if (!saved.notice.isEmpty())
        dialogs_.information(saved.notice);
    return true;
}

void PitchTrainer::QuizQuestionDone() {
    state_.keysMenuEnabled = false;
    state_.scaleStepsMenuEnabled = false;
    state_.practiceMenu.enabled = false;
    if (state_.CorrectCount < wholeNumber(state_.ItemsPerQuestion).value_or(1))
        return;

    CloseMidiOutput();
    const double questionScore = static_cast<double>(roundHalfEven(state_.ScorePercent));
    const QString mode = state_.practice == Practice::Pitches ? QStringLiteral("Scale Steps")
                                                              : QStringLiteral("Intervals");
    const QString record = QStringLiteral(" Tonewise Quiz = ") + mode + QStringLiteral(", ") +
                           clock_.longTime() + QStringLiteral(", ") + state_.Key +
                           QStringLiteral(", Score this question: ") + state_.Score;
    if (!appendScoreLine(record)) {
        // Nothing is counted: the next tick of this question tries the record again.
        dialogs_.information(
            tr("The quiz is still running: answer the next note to try saving again, or choose "
               "File > Quiz Mode > Off to stop the quiz."));
        OpenMidiOutput();
        return;
    }
    state_.QuizTotal += questionScore;

    if (wholeNumber(state_.NumQuestions).value_or(0) == state_.QuestionNumber) {
        finishQuiz();
    } else if (state_.Items == state_.ItemsPerQuestion) {
        state_.StartButton.enabled = true;
        dialogs_.information(
            tr("END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and "
               "CLICK Green Start Button."));
        state_.quizMode = QuizMode::Prepared;
        DrawStaff();
        state_.CorrectCount = 0;
        state_.AttemptCount = 0;
        setItems(QStringLiteral("0"));
        state_.keysMenuEnabled = true;
        state_.practiceMenu.enabled = true;
    }
    OpenMidiOutput();
}

void PitchTrainer::finishQuiz() {
    state_.QuizTotal /= state_.QuestionNumber;
    const QString record = QStringLiteral(" Tonewise Quiz , ") + clock_.shortDate() +
                           QStringLiteral(", ") + state_.QuestShw +
                           QStringLiteral(", Number of Questions = ") + state_.NumQuestions +
                           QStringLiteral(", Number of pitches in questions = ") +
                           state_.ItemsPerQuestion + QStringLiteral(", Overall Average Score = ") +
                           QString::number(roundHalfEven(state_.QuizTotal));
    appendScoreLine(record);
    if (dialogs_.confirm(tr("END OF QUIZ. Do you wish to review score?"))) {
        const scores::ScoreFileResult scores = scoreStore_.read(state_.QuizName);
        if (scores.ok())
            dialogs_.showScores(scores.lines);
        else
            dialogs_.error(scores.error);
    }
    if (dialogs_.confirmDestructive(tr("Save Scores to Floppy disk in A Drive?"))) {
        dialogs_.information(tr("Put Floppy disk in A Drive. If disk is NOT in "
                                "drive, score will NOT be recorded."));
        ScorePrompts(dialogs_).copyToRemovableMedium(scoreStore_.pathFor(state_.QuizName),
                                                     copyFolder_);
    }
    QuizOffClick();
    state_.StartButton.enabled = true;
}

void PitchTrainer::QuizOffClick() {
    if (state_.QuestionNumber < wholeNumber(state_.NumQuestions).value_or(0))
        appendScoreLine(QStringLiteral("User did not complete Tonewise Quiz."));
    state_.NumQuestions = QStringLiteral("0");
    state_.QuestionNumber = 0;
    state_.beginTestEnabled = false;
    state_.reviewScoresEnabled = true;
    state_.advanceMenuEnabled = true;
    state_.quizMode = QuizMode::Off;
    state_.AnsDisplay.enabled = true;
    state_.RepeatNotes.enabled = true;
    state_.repeatLastNoteMenuEnabled = true;
    state_.keysMenuEnabled = true;
    state_.scaleStepsMenuEnabled = true;
    state_.practiceMenu.enabled = true;
    state_.quizOnEnabled = true;
    state_.StartButton.enabled = true;
}

void PitchTrainer::ReviewScoresClick() {
    state_.QuizName = ScorePrompts(dialogs_).askStudentName();
    const scores::ScoreFileResult scores = scoreStore_.read(state_.QuizName);
    if (!scores.ok()) {
        dialogs_.error(scores.error);
        return;
    }
    dialogs_.showScores(scores.lines);
}

// ---------------------------------------------------------------------------------------------
// The staff

void PitchTrainer::DrawStaff() {
    auto& staff = state_.staff;
    staff.clear();
    staff.push_back(StaffGlyph{QStringLiteral("======="), 0, 0, true});
    staff.push_back(sign(QStringLiteral("======="), 0, 20));
    staff.push_back(sign(QStringLiteral("======="), 0, 68));
    staff.push_back(sign(QStringLiteral("?"), 0, 44));
    staff.push_back(sign(QStringLiteral("&"), 0, 12));
    for (const notation::KeySignatureGlyph& glyph :
         notation::keySignatureGlyphs(state_.SignatureKind, state_.SignatureCount))
        staff.push_back(sign(glyph.text, glyph.x, glyph.y));
    if (listener_)
        listener_->staffChanged();
}

void PitchTrainer::DrawNote() {
    auto& staff = state_.staff;
    if (!state_.NoteAccidental.trimmed().isEmpty())
        staff.push_back(sign(state_.NoteAccidental, state_.PenX + 74, state_.NoteY));
    state_.PenX += 8;
    if (state_.NoteY == 28 || state_.NoteY == -20)
        staff.push_back(sign(QStringLiteral("--"), state_.PenX + 71, state_.NoteY));
    staff.push_back(sign(QStringLiteral("w"), state_.PenX + 74, state_.NoteY));
    state_.PenX += 14;
    if (listener_)
        listener_->staffChanged();
}

void PitchTrainer::FormPaint() {
    DrawStaff();
    state_.PenX = 0;
    if (atStart())
        return;
    const std::int32_t noteY = state_.NoteY;
    const QString accidental = state_.NoteAccidental;
    state_.NoteY = state_.ReferenceNoteY;
    state_.NoteAccidental = state_.ReferenceAccidental;
    DrawNote();
    state_.NoteY = noteY;
    state_.NoteAccidental = accidental;
}

} // namespace tonewise
