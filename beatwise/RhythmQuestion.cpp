#include "RhythmQuestion.h"

#include "BeatDrawing.h"
#include "Dialogs.h"
#include "Random.h"
#include "RhythmPlayer.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"

namespace {

const QString kCheckAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"));

} // namespace

void RhythmQuestion::StartButtonClick() {
    RhythmState& state = parts_.state;
    stopIfPlaying();
    if (!parts_.dialogs.confirm(tr("Are You certain?")))
        return;
    parts_.trainer.stopTapping(); // the taps were for the old question
    startCounting();

    state.PlayParts.clear();
    player_.SetChannel(RhythmPlayer::kPercussionChannel);
    state.Repetir.enabled = true;
    if (state.autoAdvance == AutoAdvance::On)
        parts_.trainer.OfferNextLevel();

    state.ScorePending = true;
    state.AnsDisplay.caption = kCheckAnswer;
    state.DisplayAnsVisible = false;
    parts_.trainer.ClearAnswerRow();
    drawQuestion();
    player_.PlayString(joinedParts());
}

void RhythmQuestion::startCounting() {
    RhythmState& state = parts_.state;
    if (state.QuizJustEnded) {
        state.QuizJustEnded = false;
        state.Score = QStringLiteral(" ");
        state.Items = QStringLiteral(" ");
        state.AvRepeats = QStringLiteral(" ");
    }
    if (state.quizMode == QuizMode::Prepared) {
        state.quizInProgressEnabled = true;
        state.quizMode = QuizMode::InProgress;
        state.rhythmPatternsMenuEnabled = false;
        state.StartButton.enabled = false;
    }
    // In a quiz "Next Question" stays disabled until the answer is checked.
    if (state.quizMode == QuizMode::InProgress)
        state.StartButton.enabled = false;
    // Several questions started without checking count one hearing.
    if (!state.QuestionOpen) {
        ++state.HearingCount;
        state.QuestionOpen = true;
    }
}

void RhythmQuestion::drawQuestion() {
    RhythmState& state = parts_.state;
    state.BeatColumn = RhythmCatalogue::kFirstBeatColumn;
    state.TempoFactor = Tempo::factor(state.Speed);
    computeDurations();
    const Meter meter = state.meter;
    state.questionMeter = meter;
    appendFrameParts(meter);
    for (int column : {0, 1, 9})
        state.DisplayAns[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(meter, column);

    random_.reseedFromClock();
    state.CurrentPattern = BeatDrawing::first(state.PatternCount, random_);
    buildBeat(meter);
    for (int beat = 1; beat < RhythmCatalogue::kBeats; ++beat) {
        state.CurrentPattern =
            BeatDrawing::next(meter, state.PatternCount, state.CurrentPattern, random_);
        buildBeat(meter);
    }
    state.PlayParts.append(RhythmCatalogue::framePart(meter, 9, state.durations));
}

void RhythmQuestion::buildBeat(Meter meter) {
    RhythmState& state = parts_.state;
    state.BeatNote = RhythmCatalogue::beatNote(state.BeatColumn);
    appendBeatNotes(meter);
    state.QuestionPatterns[static_cast<std::size_t>(
        state.BeatColumn - RhythmCatalogue::kFirstBeatColumn)] = state.CurrentPattern;
    PatternGlyph();
    state.DisplayAns[static_cast<std::size_t>(state.BeatColumn)] = state.CurrentGlyph;
    ++state.BeatColumn;
}

void RhythmQuestion::RepetirClick() {
    if (player_.IsPlaying()) {
        player_.Stop();
        return;
    }
    player_.PlayString(joinedParts());
    // A replay after the question was checked is not counted.
    if (parts_.state.QuestionOpen)
        ++parts_.state.HearingCount;
}

void RhythmQuestion::SpeedChange(int speed) {
    RhythmState& state = parts_.state;
    state.Speed = Tempo::snapped(speed);
    state.TempoFactor = Tempo::factor(state.Speed);
    computeDurations();
    // The stored question is rebuilt in the meter it was drawn in, whatever meter is chosen now;
    // the new tempo is heard at the next "Stop/Repeat".
    const Meter meter = state.questionMeter;
    state.PlayParts.clear();
    appendFrameParts(meter);
    for (int column = RhythmCatalogue::kFirstBeatColumn;
         column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
        state.BeatColumn = column;
        state.CurrentPattern = state.QuestionPatterns[static_cast<std::size_t>(
            column - RhythmCatalogue::kFirstBeatColumn)];
        state.BeatNote = RhythmCatalogue::beatNote(column);
        appendBeatNotes(meter);
    }
    state.PlayParts.append(RhythmCatalogue::framePart(meter, 9, state.durations));
}

void RhythmQuestion::AllNotesOff1Click() {
    // One silent note event per key, time step 0 and duration 0; key 127 is left out.
    for (int key = 0; key < 127; ++key)
        player_.PlayString(QStringLiteral("00;N%1;00, ").arg(key));
}

void RhythmQuestion::PatternGlyph() {
    RhythmState& state = parts_.state;
    if (const auto glyph = RhythmCatalogue::answerGlyph(state.meter, state.CurrentPattern))
        state.CurrentGlyph = *glyph;
}

void RhythmQuestion::AppendBeatNotes() {
    appendBeatNotes(parts_.state.meter);
}

void RhythmQuestion::appendBeatNotes(Meter meter) {
    RhythmState& state = parts_.state;
    if (const auto part =
            RhythmCatalogue::beatPart(meter, state.CurrentPattern, state.BeatNote, state.durations))
        state.PlayParts.append(*part);
}

void RhythmQuestion::appendFrameParts(Meter meter) {
    RhythmState& state = parts_.state;
    state.PlayParts.append(RhythmCatalogue::framePart(meter, 0, state.durations));
    state.PlayParts.append(RhythmCatalogue::framePart(meter, 1, state.durations));
}

void RhythmQuestion::computeDurations() {
    parts_.state.durations = Tempo::durations(parts_.state.TempoFactor);
}

QString RhythmQuestion::joinedParts() const {
    return parts_.state.PlayParts.join(QString());
}

void RhythmQuestion::stopIfPlaying() {
    if (player_.IsPlaying())
        player_.Stop();
}

void RhythmQuestion::stop() {
    player_.Stop();
}
