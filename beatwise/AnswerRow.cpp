#include "AnswerRow.h"

#include "Dialogs.h"
#include "RhythmQuestion.h"
#include "RhythmQuiz.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"
#include "TwoDecimalText.h"

#include <algorithm>

namespace {

const QString kCheckAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"));
const QString kHideAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Hide Answer"));

constexpr int kLastAnswerColumn = 10; // the entry point after column 9: the row is full

} // namespace

void AnswerRow::PatternClick(int pattern) {
    RhythmState& state = parts_.state;
    if (pattern < 0 || pattern >= RhythmCatalogue::kSimplePatterns)
        return;
    // The buttons beyond the compound catalogue always enter their simple glyphs.
    const Meter meter = pattern < RhythmCatalogue::kCompoundPatterns ? state.meter : Meter::Simple;
    const QString glyph = *RhythmCatalogue::answerGlyph(meter, pattern);

    // Entry runs up to column 9 (an eighth click overwrites the closing beat); the ninth click
    // only gets the message.
    if (state.AnswerCursor == kLastAnswerColumn) {
        parts_.dialogs.information(pattern == 0 ? tr("That was the last beat.")
                                                : tr("That was the last beat to answer."));
        return;
    }
    const auto column = static_cast<std::size_t>(state.AnswerCursor);
    state.ShowRes[column] = glyph;
    state.wrongCells[column] = false;
    if (state.entryFrameColumn == state.AnswerCursor)
        state.entryFrameColumn = -1;
    ++state.AnswerCursor;
}

void AnswerRow::ShowResMouseDown(int column) {
    RhythmState& state = parts_.state;
    column = std::clamp(column, 0, RhythmCatalogue::kColumns - 1);
    state.AnswerCursor = static_cast<qint8>(column);
    // The black frame moves to the clicked cell; clicking the marked cell again unmarks it.
    state.entryFrameColumn = column == state.MarkedColumn ? -1 : column;
    state.MarkedColumn = column;
}

void AnswerRow::ClearAnswerRow() {
    RhythmState& state = parts_.state;
    for (int column : {0, 1, 9})
        state.ShowRes[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(state.meter, column);
    for (int column = RhythmCatalogue::kFirstBeatColumn;
         column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column)
        state.ShowRes[static_cast<std::size_t>(column)] = RhythmCatalogue::emptyCell();
    state.AnswerCursor = RhythmCatalogue::kFirstBeatColumn;
    state.wrongCells.fill(false);
    state.entryFrameColumn = -1;
}

void AnswerRow::AnsDisplayClick() {
    RhythmState& state = parts_.state;
    if (state.quizMode == QuizMode::InProgress)
        state.StartButton.enabled = true;

    if (state.QuestionOpen) {
        countQuestion();
    } else {
        state.DisplayAnsVisible = false;
        state.AnsDisplay.caption = kCheckAnswer;
    }
    // The strip of a tapped answer comes with the result, before a quiz's closing boxes.
    parts_.trainer.showTapFeedback();

    if (state.quizMode == QuizMode::InProgress &&
        state.QuizQuestions.trimmed().toInt() == state.QuestionCount)
        quiz_.finishQuiz();
}

void AnswerRow::countQuestion() {
    RhythmState& state = parts_.state;
    question_.stopIfPlaying();
    if (state.autoAdvance == AutoAdvance::On)
        ++state.AdvanceProgress;
    ++state.QuestionCount;
    state.Items = QString::number(state.QuestionCount);
    state.QuestionOpen = false;
    state.LastScore =
        static_cast<double>(state.HearingCount) / static_cast<double>(state.QuestionCount);
    state.AvRepeats = twoDecimalText(state.HearingCount, state.QuestionCount);

    // "Check Rhythm" (left by a switch to the compound meter) counts without scoring.
    if (state.AnsDisplay.caption == kCheckAnswer && state.ScorePending)
        scoreAnswer();
}

void AnswerRow::scoreAnswer() {
    RhythmState& state = parts_.state;
    state.DisplayAnsVisible = true;
    state.TotalBeats += RhythmCatalogue::kBeats;
    for (int column = RhythmCatalogue::kFirstBeatColumn;
         column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column) {
        const auto c = static_cast<std::size_t>(column);
        if (state.ShowRes[c] == state.DisplayAns[c])
            ++state.CorrectBeats;
        else
            state.wrongCells[c] = true;
    }
    state.LastScore = 100.0 * state.CorrectBeats / state.TotalBeats;
    state.Score =
        twoDecimalText(100 * qint64(state.CorrectBeats), state.TotalBeats) + QLatin1Char('%');
    state.ScorePending = false;
    state.AnsDisplay.caption = kHideAnswer;
}

void AnswerRow::RestScoreClick() {
    RhythmState& state = parts_.state;
    state.QuestionCount = 0;
    state.TotalBeats = 0;
    state.CorrectBeats = 0;
    state.HearingCount = 0;
    forgetOpenQuestion();
    state.Score.clear();
    state.Items.clear();
    state.AvRepeats.clear();
    state.DisplayAnsVisible = false;
    state.AnsDisplay.caption = kCheckAnswer;
    ClearAnswerRow();
}

void AnswerRow::forgetOpenQuestion() {
    // Its hearings went with the old count, so checking it must not count it, and the next
    // question counts its first hearing again.
    parts_.state.QuestionOpen = false;
    parts_.state.ScorePending = false;
}
