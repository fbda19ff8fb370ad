#include "RhythmTrainer.h"

#include "BeatDrawing.h"
#include "Clock.h"
#include "Dialogs.h"
#include "Random.h"
#include "RhythmPlayer.h"
#include "ScorePrompts.h"
#include "TwoDecimalText.h"

#include "ScoreStore.h"

#include <algorithm>

namespace {

const QString kCheckAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"));
const QString kCheckRhythm = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Rhythm"));
const QString kHideAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Hide Answer"));

constexpr int kLastAnswerColumn = 10; // the entry point after column 9: the row is full

} // namespace

RhythmTrainer::RhythmTrainer(Dialogs& dialogs, RhythmPlayer& player, Random& random, Clock& clock,
                             const scores::ScoreStore& scoreStore)
    : dialogs_(dialogs), player_(player), random_(random), clock_(clock), scoreStore_(scoreStore) {
    // The window as it is designed, before FormCreate: simple captions, every button shown,
    // "Quiz in Progress" disabled.
    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i)
        state_.patternButtons[static_cast<std::size_t>(i)].caption =
            *RhythmCatalogue::caption(Meter::Simple, i);
}

// ---------------------------------------------------------------------------------------------
// Start-up

void RhythmTrainer::FormCreate() {
    state_.LevelLabel = QStringLiteral("Simple/3");
    LevelXClick();
    state_.AdvanceProgress = -1;
    state_.MarkedColumn = 0;
    state_.AdvanceAnswers = QStringLiteral("20");
    state_.AdvanceScore = QStringLiteral("90");
    state_.StartButton.enabled = true;
    state_.PlayParts.clear();
    state_.TotalBeats = 0;
    state_.CorrectBeats = 0;
    state_.Score.clear();
    state_.PatternCount = 3;
    state_.QuestionCount = 0;
    SimpleClick();
}

// ---------------------------------------------------------------------------------------------
// Meter and level

void RhythmTrainer::LevelXClick() {
    selectLevel(3, false);
}
void RhythmTrainer::Level0Click() {
    selectLevel(4, false);
}
void RhythmTrainer::Level1Click() {
    selectLevel(5, false);
}
void RhythmTrainer::Level2Click() {
    selectLevel(6, false);
}
void RhythmTrainer::Level3Click() {
    selectLevel(7, false);
}
// The items of 8 patterns and more exist in the simple meter only; their handlers always write
// the simple label.
void RhythmTrainer::Level4Click() {
    selectLevel(8, true);
}
void RhythmTrainer::Level5Click() {
    selectLevel(9, true);
}
void RhythmTrainer::Level6Click() {
    selectLevel(10, true);
}
void RhythmTrainer::Level7Click() {
    selectLevel(11, true);
}
void RhythmTrainer::Level8Click() {
    selectLevel(12, true);
}
void RhythmTrainer::Level9Click() {
    selectLevel(13, true);
}
void RhythmTrainer::Level10Click() {
    selectLevel(14, true);
}
void RhythmTrainer::Level11Click() {
    selectLevel(15, true);
}

void RhythmTrainer::LevelClick(int level) {
    switch (level) {
    case 3:
        return LevelXClick();
    case 4:
        return Level0Click();
    case 5:
        return Level1Click();
    case 6:
        return Level2Click();
    case 7:
        return Level3Click();
    case 8:
        return Level4Click();
    case 9:
        return Level5Click();
    case 10:
        return Level6Click();
    case 11:
        return Level7Click();
    case 12:
        return Level8Click();
    case 13:
        return Level9Click();
    case 14:
        return Level10Click();
    case 15:
        return Level11Click();
    default:
        return;
    }
}

void RhythmTrainer::selectLevel(int level, bool alwaysSimpleLabel) {
    const bool simple = state_.meter == Meter::Simple;
    state_.LevelLabel =
        (simple || alwaysSimpleLabel ? QStringLiteral("Simple/%1") : QStringLiteral("Compound/%1"))
            .arg(level);
    state_.StartButton.enabled = true;
    stopIfPlaying();
    // The highest level of a meter ends auto-advance.
    if ((!simple && level == RhythmCatalogue::highestLevel(Meter::Compound)) ||
        level == RhythmCatalogue::highestLevel(Meter::Simple))
        Off1Click();
    state_.PatternCount = static_cast<quint8>(level);
    if (simple)
        state_.simpleLevelMark = level;
    else if (level <= RhythmCatalogue::highestLevel(Meter::Compound))
        state_.compoundLevelMark = level;
    // "3 patterns" of either meter also marks the simple "3 patterns".
    if (level == 3)
        state_.simpleLevelMark = 3;
    // A level chosen is the level: none is given back by the simple meter any more.
    state_.levelBeforeCompound = 0;
    showPatternButtons(level);
}

void RhythmTrainer::SimpleClick() {
    state_.StartButton.enabled = true;
    stopIfPlaying();
    state_.Repetir.enabled = false;
    state_.DisplayAnsVisible = false;
    state_.AnsDisplay.caption = kCheckAnswer;
    ClearAnswerRow();
    state_.meter = Meter::Simple;
    for (int column : {0, 1, 9})
        state_.ShowRes[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(Meter::Simple, column);
    for (int i = 0; i < RhythmCatalogue::kCompoundPatterns; ++i)
        state_.patternButtons[static_cast<std::size_t>(i)].caption =
            *RhythmCatalogue::caption(Meter::Simple, i);
    restoreLevelBeforeCompound();
}

void RhythmTrainer::CompoundClick() {
    state_.StartButton.enabled = true;
    stopIfPlaying();
    state_.DisplayAnsVisible = false;
    // Until the next question, checking counts the question without scoring it.
    state_.AnsDisplay.caption = kCheckRhythm;
    ClearAnswerRow();
    state_.meter = Meter::Compound;
    for (int column : {0, 1, 9})
        state_.ShowRes[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(Meter::Compound, column);
    for (int i = 0; i < RhythmCatalogue::kCompoundPatterns; ++i)
        state_.patternButtons[static_cast<std::size_t>(i)].caption =
            *RhythmCatalogue::caption(Meter::Compound, i);
    for (int i = RhythmCatalogue::kCompoundPatterns; i < RhythmCatalogue::kSimplePatterns; ++i) {
        state_.patternButtons[static_cast<std::size_t>(i)].visible = false;
        state_.patternButtons[static_cast<std::size_t>(i)].enabled = false;
    }
    // The compound meter has seven patterns: a simple level above that comes down to 7, so that
    // no question is drawn from patterns the meter lacks even if no level is chosen next. The
    // simple level is remembered: passing over "Compound" on the way to "Simple" gives it back.
    const int highest = RhythmCatalogue::highestLevel(Meter::Compound);
    if (state_.PatternCount > highest) {
        state_.levelBeforeCompound = state_.PatternCount;
        state_.compoundMarkBeforeCompound = state_.compoundLevelMark;
        state_.PatternCount = static_cast<quint8>(highest);
        state_.LevelLabel = QStringLiteral("Compound/%1").arg(highest);
        state_.compoundLevelMark = highest;
    }
}

void RhythmTrainer::restoreLevelBeforeCompound() {
    const int level = state_.levelBeforeCompound;
    if (level == 0)
        return;
    state_.levelBeforeCompound = 0;
    state_.PatternCount = static_cast<quint8>(level);
    state_.LevelLabel = QStringLiteral("Simple/%1").arg(level);
    state_.simpleLevelMark = level;
    state_.compoundLevelMark = state_.compoundMarkBeforeCompound;
    showPatternButtons(level);
}

void RhythmTrainer::showPatternButtons(int level) {
    for (int i = 3; i < RhythmCatalogue::kSimplePatterns; ++i) {
        ControlState& button = state_.patternButtons[static_cast<std::size_t>(i)];
        button.visible = i < level;
        button.enabled = i < level;
    }
}

// ---------------------------------------------------------------------------------------------
// Questions and sound

void RhythmTrainer::StartButtonClick() {
    stopIfPlaying();
    if (!dialogs_.confirm(tr("Are You certain?")))
        return;

    if (state_.QuizJustEnded) {
        state_.QuizJustEnded = false;
        state_.Score = QStringLiteral(" ");
        state_.Items = QStringLiteral(" ");
        state_.AvRepeats = QStringLiteral(" ");
    }
    if (state_.quizMode == QuizMode::Prepared) {
        state_.quizInProgressEnabled = true;
        state_.quizMode = QuizMode::InProgress;
        state_.rhythmPatternsMenuEnabled = false;
        state_.StartButton.enabled = false;
    }
    // In a quiz "Next Question" stays disabled until the answer is checked.
    if (state_.quizMode == QuizMode::InProgress)
        state_.StartButton.enabled = false;
    // Several questions started without checking count one hearing.
    if (!state_.QuestionOpen) {
        ++state_.HearingCount;
        state_.QuestionOpen = true;
    }

    state_.PlayParts.clear();
    player_.SetChannel(RhythmPlayer::kPercussionChannel);
    state_.Repetir.enabled = true;
    if (state_.autoAdvance == AutoAdvance::On)
        OfferNextLevel();

    state_.ScorePending = true;
    state_.AnsDisplay.caption = kCheckAnswer;
    state_.DisplayAnsVisible = false;
    ClearAnswerRow();

    state_.BeatColumn = RhythmCatalogue::kFirstBeatColumn;
    state_.TempoFactor = Tempo::factor(state_.Speed);
    computeDurations();
    const Meter meter = state_.meter;
    state_.questionMeter = meter;
    appendFrameParts(meter);
    for (int column : {0, 1, 9})
        state_.DisplayAns[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(meter, column);

    random_.reseedFromClock();
    state_.CurrentPattern = BeatDrawing::first(state_.PatternCount, random_);
    buildBeat(meter);
    for (int beat = 1; beat < RhythmCatalogue::kBeats; ++beat) {
        state_.CurrentPattern =
            BeatDrawing::next(meter, state_.PatternCount, state_.CurrentPattern, random_);
        buildBeat(meter);
    }
    state_.PlayParts.append(RhythmCatalogue::framePart(meter, 9, state_.durations));
    player_.PlayString(joinedParts());
}

void RhythmTrainer::buildBeat(Meter meter) {
    state_.BeatNote = RhythmCatalogue::beatNote(state_.BeatColumn);
    appendBeatNotes(meter);
    state_.QuestionPatterns[static_cast<std::size_t>(
        state_.BeatColumn - RhythmCatalogue::kFirstBeatColumn)] = state_.CurrentPattern;
    PatternGlyph();
    state_.DisplayAns[static_cast<std::size_t>(state_.BeatColumn)] = state_.CurrentGlyph;
    ++state_.BeatColumn;
}

void RhythmTrainer::RepetirClick() {
    if (player_.IsPlaying()) {
        player_.Stop();
        return;
    }
    player_.PlayString(joinedParts());
    // A replay after the question was checked is not counted.
    if (state_.QuestionOpen)
        ++state_.HearingCount;
}

void RhythmTrainer::SpeedChange(int speed) {
    state_.Speed = Tempo::snapped(speed);
    state_.TempoFactor = Tempo::factor(state_.Speed);
    computeDurations();
    // The stored question is rebuilt in the meter it was drawn in, whatever meter is chosen now;
    // the new tempo is heard at the next "Stop/Repeat".
    const Meter meter = state_.questionMeter;
    state_.PlayParts.clear();
    appendFrameParts(meter);
    for (int column = RhythmCatalogue::kFirstBeatColumn;
         column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
        state_.BeatColumn = column;
        state_.CurrentPattern = state_.QuestionPatterns[static_cast<std::size_t>(
            column - RhythmCatalogue::kFirstBeatColumn)];
        state_.BeatNote = RhythmCatalogue::beatNote(column);
        appendBeatNotes(meter);
    }
    state_.PlayParts.append(RhythmCatalogue::framePart(meter, 9, state_.durations));
}

void RhythmTrainer::AllNotesOff1Click() {
    // One silent note event per key, time step 0 and duration 0; key 127 is left out.
    for (int key = 0; key < 127; ++key)
        player_.PlayString(QStringLiteral("00;N%1;00, ").arg(key));
}

void RhythmTrainer::PatternGlyph() {
    if (const auto glyph = RhythmCatalogue::answerGlyph(state_.meter, state_.CurrentPattern))
        state_.CurrentGlyph = *glyph;
}

void RhythmTrainer::AppendBeatNotes() {
    appendBeatNotes(state_.meter);
}

void RhythmTrainer::appendBeatNotes(Meter meter) {
    if (const auto part = RhythmCatalogue::beatPart(meter, state_.CurrentPattern, state_.BeatNote,
                                                    state_.durations))
        state_.PlayParts.append(*part);
}

void RhythmTrainer::appendFrameParts(Meter meter) {
    state_.PlayParts.append(RhythmCatalogue::framePart(meter, 0, state_.durations));
    state_.PlayParts.append(RhythmCatalogue::framePart(meter, 1, state_.durations));
}

void RhythmTrainer::computeDurations() {
    state_.durations = Tempo::durations(state_.TempoFactor);
}

QString RhythmTrainer::joinedParts() const {
    return state_.PlayParts.join(QString());
}

void RhythmTrainer::stopIfPlaying() {
    if (player_.IsPlaying())
        player_.Stop();
}

// ---------------------------------------------------------------------------------------------
// Answer entry and checking

void RhythmTrainer::qClick() {
    PatternClick(0);
}
void RhythmTrainer::wClick() {
    PatternClick(1);
}
void RhythmTrainer::uClick() {
    PatternClick(2);
}
void RhythmTrainer::oClick() {
    PatternClick(3);
}
void RhythmTrainer::lClick() {
    PatternClick(4);
}
void RhythmTrainer::sClick() {
    PatternClick(5);
}
void RhythmTrainer::kClick() {
    PatternClick(6);
}
void RhythmTrainer::mClick() {
    PatternClick(7);
}
void RhythmTrainer::jClick() {
    PatternClick(8);
}
void RhythmTrainer::iClick() {
    PatternClick(9);
}
void RhythmTrainer::hClick() {
    PatternClick(10);
}
void RhythmTrainer::yClick() {
    PatternClick(11);
}
void RhythmTrainer::nClick() {
    PatternClick(12);
}
void RhythmTrainer::bClick() {
    PatternClick(13);
}
void RhythmTrainer::rClick() {
    PatternClick(14);
}

void RhythmTrainer::PatternClick(int pattern) {
    if (pattern < 0 || pattern >= RhythmCatalogue::kSimplePatterns)
        return;
    // The buttons beyond the compound catalogue always enter their simple glyphs.
    const Meter meter = pattern < RhythmCatalogue::kCompoundPatterns ? state_.meter : Meter::Simple;
    const QString glyph = *RhythmCatalogue::answerGlyph(meter, pattern);

    // Entry runs up to column 9 (an eighth click overwrites the closing beat); the ninth click
    // only gets the message.
    if (state_.AnswerCursor == kLastAnswerColumn) {
        dialogs_.information(pattern == 0 ? tr("That was the last beat.")
                                          : tr("That was the last beat to answer."));
        return;
    }
    const auto column = static_cast<std::size_t>(state_.AnswerCursor);
    state_.ShowRes[column] = glyph;
    state_.wrongCells[column] = false;
    if (state_.entryFrameColumn == state_.AnswerCursor)
        state_.entryFrameColumn = -1;
    ++state_.AnswerCursor;
}

void RhythmTrainer::ShowResMouseDown(int column) {
    column = std::clamp(column, 0, RhythmCatalogue::kColumns - 1);
    state_.AnswerCursor = static_cast<qint8>(column);
    // The black frame moves to the clicked cell; clicking the marked cell again unmarks it.
    state_.entryFrameColumn = column == state_.MarkedColumn ? -1 : column;
    state_.MarkedColumn = column;
}

void RhythmTrainer::ClearAnswerRow() {
    for (int column : {0, 1, 9})
        state_.ShowRes[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(state_.meter, column);
    for (int column = RhythmCatalogue::kFirstBeatColumn;
         column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column)
        state_.ShowRes[static_cast<std::size_t>(column)] = RhythmCatalogue::emptyCell();
    state_.AnswerCursor = RhythmCatalogue::kFirstBeatColumn;
    state_.wrongCells.fill(false);
    state_.entryFrameColumn = -1;
}

void RhythmTrainer::AnsDisplayClick() {
    if (state_.quizMode == QuizMode::InProgress)
        state_.StartButton.enabled = true;

    if (state_.QuestionOpen) {
        stopIfPlaying();
        if (state_.autoAdvance == AutoAdvance::On)
            ++state_.AdvanceProgress;
        ++state_.QuestionCount;
        state_.Items = QString::number(state_.QuestionCount);
        state_.QuestionOpen = false;
        state_.LastScore =
            static_cast<double>(state_.HearingCount) / static_cast<double>(state_.QuestionCount);
        state_.AvRepeats = twoDecimalText(state_.HearingCount, state_.QuestionCount);

        // "Check Rhythm" (left by a switch to the compound meter) counts without scoring.
        if (state_.AnsDisplay.caption == kCheckAnswer && state_.ScorePending) {
            state_.DisplayAnsVisible = true;
            state_.TotalBeats += RhythmCatalogue::kBeats;
            for (int column = RhythmCatalogue::kFirstBeatColumn;
                 column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
                const auto c = static_cast<std::size_t>(column);
                if (state_.ShowRes[c] == state_.DisplayAns[c])
                    ++state_.CorrectBeats;
                else
                    state_.wrongCells[c] = true;
            }
            state_.LastScore = 100.0 * state_.CorrectBeats / state_.TotalBeats;
            state_.Score = twoDecimalText(100 * qint64(state_.CorrectBeats), state_.TotalBeats) +
                           QLatin1Char('%');
            state_.ScorePending = false;
            state_.AnsDisplay.caption = kHideAnswer;
        }
    } else {
        state_.DisplayAnsVisible = false;
        state_.AnsDisplay.caption = kCheckAnswer;
    }

    if (state_.quizMode == QuizMode::InProgress &&
        state_.QuizQuestions.trimmed().toInt() == state_.QuestionCount)
        finishQuiz();
}

void RhythmTrainer::EraseAllChdsClick() {
    ClearAnswerRow();
}

void RhythmTrainer::RestScoreClick() {
    state_.QuestionCount = 0;
    state_.TotalBeats = 0;
    state_.CorrectBeats = 0;
    state_.HearingCount = 0;
    forgetOpenQuestion();
    state_.Score.clear();
    state_.Items.clear();
    state_.AvRepeats.clear();
    state_.DisplayAnsVisible = false;
    state_.AnsDisplay.caption = kCheckAnswer;
    ClearAnswerRow();
}

void RhythmTrainer::forgetOpenQuestion() {
    // A question started before the counters were reset belongs to the old count: its hearings
    // went with it, so checking it must not count it, and the next question counts its first
    // hearing again.
    state_.QuestionOpen = false;
    state_.ScorePending = false;
}

// ---------------------------------------------------------------------------------------------
// Auto-advance

void RhythmTrainer::On1Click() {
    const bool simple = state_.meter == Meter::Simple;
    if (state_.PatternCount >= RhythmCatalogue::highestLevel(state_.meter)) {
        dialogs_.information(simple
                                 ? tr("This is the highest level in simple meter! Congratulations!")
                                 : tr("This is the highest level in compound meter! "
                                      "Congratulations!"));
        return;
    }
    askThresholds();
}

void RhythmTrainer::askThresholds() {
    const bool simple = state_.meter == Meter::Simple;
    const auto answers = dialogs_.input(tr("AutoAdvance : Correct answers?"),
                                        tr("How many correct answers?"), state_.AdvanceAnswers);
    if (answers)
        state_.AdvanceAnswers = *answers;
    state_.AdvanceAnswers = wholeNumberOr(state_.AdvanceAnswers, QStringLiteral("20"));

    const auto score = dialogs_.input(
        tr("AutoAdvance : Score?"),
        simple ? tr("What percent correct answers?") : tr("What score??"), state_.AdvanceScore);
    if (score)
        state_.AdvanceScore = *score;
    // Both meters keep the thresholds whole numbers above 0, so the test at the next question
    // can always read them.
    state_.AdvanceScore = wholeNumberOr(state_.AdvanceScore, QStringLiteral("90"));

    if (!answers)
        return;
    if (score) {
        state_.autoAdvance = AutoAdvance::On;
        state_.AdvanceProgress = 0;
    } else {
        state_.autoAdvance = AutoAdvance::Off;
    }
}

QString RhythmTrainer::wholeNumberOr(const QString& text, const QString& fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value <= 0)
        return fallback;
    return QString::number(value);
}

void RhythmTrainer::Off1Click() {
    state_.autoAdvance = AutoAdvance::Off;
}

void RhythmTrainer::OfferNextLevel() {
    if (state_.AdvanceProgress < state_.AdvanceAnswers.trimmed().toInt())
        return;
    // The score must exceed the threshold.
    if (state_.AdvanceScore.trimmed().toInt() >= state_.LastScore)
        return;
    const QString message =
        tr("Congratulations! You have at least %1 correct answers with a score of %2% or better. "
           "Advance to next level?")
            .arg(state_.AdvanceAnswers, state_.AdvanceScore);
    if (state_.PatternCount >= RhythmCatalogue::highestLevel(state_.meter))
        return;
    if (dialogs_.confirm(message)) {
        state_.AdvanceProgress = 0;
        LevelClick(state_.PatternCount + 1);
    } else {
        Off1Click();
    }
}

// ---------------------------------------------------------------------------------------------
// Quiz

void RhythmTrainer::PrepareQuizClick() {
    state_.advanceMenuEnabled = false;
    Off1Click();
    LevelXClick();

    player_.Stop();
    state_.Repetir.enabled = false;
    state_.DisplayAnsVisible = false;
    ClearAnswerRow();

    state_.quizMode = QuizMode::Prepared;
    state_.RestScore.enabled = false;
    state_.StartButton.enabled = true;

    state_.TotalBeats = 0;
    state_.HearingCount = 0;
    state_.QuestionCount = 0;
    state_.CorrectBeats = 0;
    forgetOpenQuestion();
    state_.AvRepeats.clear();
    state_.Items.clear();
    state_.Score.clear();

    state_.ScoresName = ScorePrompts(dialogs_).askStudentName();

    // Erasing is asked so that Enter keeps the scores.
    if (dialogs_.confirmDestructive(tr(
            "Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO "
            "if this CONTINUES A TEST and you need ALL previous scores"))) {
        const scores::ScoreFileResult erased = scoreStore_.erase(state_.ScoresName);
        if (!erased.ok()) {
            dialogs_.error(tr("%1 The quiz was not prepared.").arg(erased.error));
            Off2Click();
            return;
        }
        if (!erased.notice.isEmpty())
            dialogs_.information(erased.notice);
    }

    const auto length = dialogs_.input(tr("Number of Questions"), tr("How many test questions?"),
                                       QStringLiteral("6"));
    state_.QuizQuestions = length.value_or(QStringLiteral("6"));

    bool whole = false;
    const int questions = state_.QuizQuestions.trimmed().toInt(&whole);
    // A quiz of no questions could never end, so it is refused like any other invalid number.
    if (!whole || questions == 1000 || questions <= 0) {
        dialogs_.information(tr("Please Begin again and type a valid number"));
        state_.QuizQuestions = QStringLiteral("1");
        Off1Click();
    } else {
        dialogs_.information(
            tr("Select Rhythm Patterns; then Click the Green \"Next Question\" button to begin."));
    }
    state_.prepareQuizEnabled = false;
}

void RhythmTrainer::Off2Click() {
    stopIfPlaying();
    state_.StartButton.enabled = true;
    state_.QuizJustEnded = true;
    state_.advanceMenuEnabled = true;
    state_.quizInProgressEnabled = false;
    state_.quizMode = QuizMode::Off;
    state_.prepareQuizEnabled = true;
    state_.rhythmPatternsMenuEnabled = true;
    state_.RestScore.enabled = true;
}

void RhythmTrainer::ViewScores1Click() {
    state_.ScoresName = ScorePrompts(dialogs_).askStudentName();
    const scores::ScoreFileResult scores = scoreStore_.read(state_.ScoresName);
    if (!scores.ok()) {
        dialogs_.error(scores.error);
        return;
    }
    dialogs_.showScores(scores.lines);
}

QString RhythmTrainer::quizLine() const {
    return QStringLiteral(" Beatwise Quiz ") + clock_.shortDate() + QStringLiteral(", ") +
           clock_.longTime() + QStringLiteral(", Rhythm Patterns = ") + state_.LevelLabel +
           QStringLiteral(", Tempo = ") + QString::number(state_.Speed) +
           QStringLiteral(" , Rhythm Score = ") + state_.Score +
           QStringLiteral(",  Number of Questions = ") + state_.Items +
           QStringLiteral(", Av. Hearings = ") + state_.AvRepeats;
}

void RhythmTrainer::finishQuiz() {
    const QString line = quizLine();
    const scores::ScoreFileResult saved = scoreStore_.appendLine(state_.ScoresName, line);
    if (!saved.ok()) {
        // The quiz goes on with its results, so that saving can be tried again; "Next Question"
        // stays off so that no further question runs past the end of the quiz.
        state_.StartButton.enabled = false;
        dialogs_.error(tr("%1 The quiz is still running and its results are kept: "
                          "press the answer button again to save them, or choose "
                          "Quiz Mode > Off to stop the quiz.")
                           .arg(saved.error));
        return;
    }
    if (listener_)
        listener_->scoreLineAppended(saved.path, line);
    if (!saved.notice.isEmpty())
        dialogs_.information(saved.notice);

    state_.TotalBeats = 0;
    state_.AdvanceProgress = 0;
    state_.HearingCount = 0;
    state_.QuestionCount = 0;
    state_.CorrectBeats = 0;
    state_.QuestionOpen = false;
    state_.ScorePending = false;
    Off2Click();

    if (dialogs_.confirm(tr("END OF QUIZ. Do you wish to review scores?")))
        dialogs_.showScores(saved.lines);
    // The copy replaces an earlier one on the disk.
    if (dialogs_.confirmDestructive(tr("Save Scores to Floppy disk in A Drive?"))) {
        dialogs_.information(
            tr("Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be recorded."));
        ScorePrompts(dialogs_).copyToRemovableMedium(saved.path, state_.copyFolder);
    }
}
