#include "PitchQuiz.h"

#include "Clock.h"
#include "Dialogs.h"
#include "OutputChoice.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"
#include "QuizSetup.h"
#include "ScoreFile.h"
#include "ScorePrompts.h"
#include "StaffLayout.h"
#include "WholeNumber.h"

#include <cmath>

namespace tonewise {

namespace {

constexpr int HighestQuizQuestions = 127;

// Halves go to the even neighbour.
long roundHalfEven(double value) {
    return std::lrint(value);
}

// The practice as a quiz line names it.
QString quizModeName(Practice practice) {
    switch (practice) {
    case Practice::Pitches:
        return QStringLiteral("Scale Steps");
    case Practice::Intervals:
        return QStringLiteral("Intervals");
    case Practice::Singing:
        break;
    }
    return QStringLiteral("Singing");
}

} // namespace

void PitchQuiz::QuizOnClick() {
    PitchState& state = parts_.state;
    if (state.quizMode == QuizMode::InProgress) {
        parts_.dialogs.information(
            tr("Please click an answer and continue; OR Click File/Quiz Mode/Off and stop."));
        return;
    }
    enterQuizMode();
    QuizSetup setup(parts_.dialogs, scoreFile_);
    state.QuizName = setup.askStudent();
    if (!setup.eraseIfNewTest(state.QuizName)) {
        QuizOffClick();
        return;
    }
    if (!askItems())
        return;
    if (askQuestionCount()) {
        parts_.dialogs.information(
            tr("Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button."));
        state.beginTestEnabled = true;
    }
    staff_.DrawStaff();
}

void PitchQuiz::enterQuizMode() {
    PitchState& state = parts_.state;
    parts_.trainer.Off1Click();
    parts_.trainer.AutoModOffClick();
    state.reviewScoresEnabled = false;
    state.QuestionNumber = 0;
    state.ScorePercent = 0;
    state.QuizTotal = 0;
    state.advanceOn = false;
    state.advanceMenuEnabled = false;
    state.quizMode = QuizMode::Prepared;
    state.quizOnEnabled = false;
    state.repeatLastNote = RepeatLastNote::DontPlay;
    state.repeatLastNoteMenuEnabled = false;
    state.AnsDisplay.enabled = false;
    state.RepeatNotes.enabled = false;
}

bool PitchQuiz::askItems() {
    // The numbers are kept in their plain decimal form: a question ends when the count of right
    // answers reads the same as the number of items.
    PitchState& state = parts_.state;
    const QString itemsDefault = QStringLiteral("40");
    const QString items =
        parts_.dialogs
            .input(tr("Number of Question Items"),
                   tr("How many Pitches or Intervals in each Question?"), itemsDefault)
            .value_or(itemsDefault);
    const auto itemCount = wholeNumber(items.trimmed());
    if (!itemCount || *itemCount == 1000 || *itemCount < 1) {
        parts_.dialogs.information(tr("Please Begin again and type a valid number"));
        state.ItemsPerQuestion = QStringLiteral("1");
        QuizOffClick();
        return false;
    }
    state.ItemsPerQuestion = QString::number(*itemCount);
    return true;
}

bool PitchQuiz::askQuestionCount() {
    PitchState& state = parts_.state;
    const QString questionsDefault = QStringLiteral("10");
    const QString questions =
        parts_.dialogs
            .input(tr("Number of Questions"), tr("How many Questions in Test?"), questionsDefault)
            .value_or(questionsDefault);
    const auto questionCount = wholeNumber(questions.trimmed());
    if (!questionCount || *questionCount == 1000 || *questionCount < 1 ||
        *questionCount > HighestQuizQuestions) {
        parts_.dialogs.information(tr("Please Begin again and type valid numbers"));
        state.NumQuestions = QStringLiteral("0");
        QuizOffClick();
        return false;
    }
    state.NumQuestions = QString::number(*questionCount);
    return true;
}

bool PitchQuiz::appendScoreLine(const QString& line) {
    try {
        scoreFile_.append(parts_.state.QuizName, line);
    } catch (const ScoreFileFailure& failure) {
        parts_.dialogs.error(failure.text());
        return false;
    }
    return true;
}

void PitchQuiz::QuizQuestionDone() {
    PitchState& state = parts_.state;
    state.keysMenuEnabled = false;
    state.scaleStepsMenuEnabled = false;
    state.practiceMenu.enabled = false;
    if (state.CorrectCount < wholeNumber(state.ItemsPerQuestion).value_or(1))
        return;

    output_.CloseMidiOutput();
    const double questionScore = static_cast<double>(roundHalfEven(state.ScorePercent));
    const QString mode = quizModeName(state.practice);
    const QString record = QStringLiteral(" Tonewise Quiz = ") + mode + QStringLiteral(", ") +
                           clock_.longTime() + QStringLiteral(", ") + state.Key +
                           QStringLiteral(", Score this question: ") + state.Score;
    if (!appendScoreLine(record)) {
        // Nothing is counted: the next tick of this question tries the record again.
        parts_.dialogs.information(
            tr("The quiz is still running: answer the next note to try saving again, or choose "
               "File > Quiz Mode > Off to stop the quiz."));
        output_.OpenMidiOutput();
        return;
    }
    state.QuizTotal += questionScore;

    if (wholeNumber(state.NumQuestions).value_or(0) == state.QuestionNumber)
        finishQuiz();
    else if (state.Items == state.ItemsPerQuestion)
        questionEnded();
    output_.OpenMidiOutput();
}

void PitchQuiz::questionEnded() {
    PitchState& state = parts_.state;
    state.StartButton.enabled = true;
    parts_.dialogs.information(
        tr("END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and "
           "CLICK Green Start Button."));
    state.quizMode = QuizMode::Prepared;
    staff_.DrawStaff();
    state.CorrectCount = 0;
    state.AttemptCount = 0;
    parts_.displays.setItems(QStringLiteral("0"));
    state.keysMenuEnabled = true;
    state.practiceMenu.enabled = true;
}

void PitchQuiz::finishQuiz() {
    PitchState& state = parts_.state;
    state.QuizTotal /= state.QuestionNumber;
    const QString record = QStringLiteral(" Tonewise Quiz , ") + clock_.shortDate() +
                           QStringLiteral(", ") + state.QuestShw +
                           QStringLiteral(", Number of Questions = ") + state.NumQuestions +
                           QStringLiteral(", Number of pitches in questions = ") +
                           state.ItemsPerQuestion + QStringLiteral(", Overall Average Score = ") +
                           QString::number(roundHalfEven(state.QuizTotal));
    appendScoreLine(record);
    if (parts_.dialogs.confirm(tr("END OF QUIZ. Do you wish to review score?"))) {
        try {
            parts_.dialogs.showScores(scoreFile_.read(state.QuizName));
        } catch (const ScoreFileFailure& failure) {
            parts_.dialogs.error(failure.text());
        }
    }
    ScorePrompts(parts_.dialogs)
        .offerCopy(tr("Save Scores to Floppy disk in A Drive?"),
                   tr("Put Floppy disk in A Drive. If disk is NOT in "
                      "drive, score will NOT be recorded."),
                   scoreFile_.pathFor(state.QuizName), copyFolder_);
    QuizOffClick();
    state.StartButton.enabled = true;
}

void PitchQuiz::QuizOffClick() {
    PitchState& state = parts_.state;
    if (state.QuestionNumber < wholeNumber(state.NumQuestions).value_or(0))
        appendScoreLine(QStringLiteral("User did not complete Tonewise Quiz."));
    state.NumQuestions = QStringLiteral("0");
    state.QuestionNumber = 0;
    state.beginTestEnabled = false;
    state.reviewScoresEnabled = true;
    state.advanceMenuEnabled = true;
    state.quizMode = QuizMode::Off;
    state.AnsDisplay.enabled = true;
    state.RepeatNotes.enabled = true;
    state.repeatLastNoteMenuEnabled = true;
    state.keysMenuEnabled = true;
    state.scaleStepsMenuEnabled = true;
    state.practiceMenu.enabled = true;
    state.quizOnEnabled = true;
    state.StartButton.enabled = true;
}

void PitchQuiz::ReviewScoresClick() {
    PitchState& state = parts_.state;
    state.QuizName = ScorePrompts(parts_.dialogs).askStudentName();
    // A file that cannot be read ends the handler: the event boundary tells the student why.
    parts_.dialogs.showScores(scoreFile_.read(state.QuizName));
}

} // namespace tonewise
