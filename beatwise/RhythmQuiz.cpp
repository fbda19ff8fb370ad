#include "RhythmQuiz.h"

#include "Clock.h"
#include "Dialogs.h"
#include "QuizSetup.h"
#include "RhythmQuestion.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"
#include "ScoreFile.h"
#include "ScorePrompts.h"

void RhythmQuiz::PrepareQuizClick() {
    RhythmState& state = parts_.state;
    enterQuizMode();
    QuizSetup setup(parts_.dialogs, scoreFile_);
    state.ScoresName = setup.askStudent();
    // Erasing is asked so that Enter keeps the scores.
    if (!setup.eraseIfNewTest(state.ScoresName)) {
        Off2Click();
        return;
    }
    askQuestionCount();
    state.prepareQuizEnabled = false;
}

void RhythmQuiz::enterQuizMode() {
    RhythmState& state = parts_.state;
    state.advanceMenuEnabled = false;
    parts_.trainer.Off1Click();
    parts_.trainer.LevelXClick();

    question_.stop();
    state.Repetir.enabled = false;
    state.DisplayAnsVisible = false;
    parts_.trainer.ClearAnswerRow();

    state.quizMode = QuizMode::Prepared;
    state.RestScore.enabled = false;
    state.StartButton.enabled = true;

    state.TotalBeats = 0;
    state.HearingCount = 0;
    state.QuestionCount = 0;
    state.CorrectBeats = 0;
    parts_.trainer.forgetOpenQuestion();
    state.AvRepeats.clear();
    state.Items.clear();
    state.Score.clear();
}

void RhythmQuiz::askQuestionCount() {
    RhythmState& state = parts_.state;
    const auto length = parts_.dialogs.input(tr("Number of Questions"),
                                             tr("How many test questions?"), QStringLiteral("6"));
    state.QuizQuestions = length.value_or(QStringLiteral("6"));

    bool whole = false;
    const int questions = state.QuizQuestions.trimmed().toInt(&whole);
    // A quiz of no questions could never end, so it is refused like any other invalid number.
    if (!whole || questions == 1000 || questions <= 0) {
        parts_.dialogs.information(tr("Please Begin again and type a valid number"));
        state.QuizQuestions = QStringLiteral("1");
        parts_.trainer.Off1Click();
    } else {
        parts_.dialogs.information(
            tr("Select Rhythm Patterns; then Click the Green \"Next Question\" button to begin."));
    }
}

void RhythmQuiz::Off2Click() {
    RhythmState& state = parts_.state;
    question_.stopIfPlaying();
    state.StartButton.enabled = true;
    state.QuizJustEnded = true;
    state.advanceMenuEnabled = true;
    state.quizInProgressEnabled = false;
    state.quizMode = QuizMode::Off;
    state.prepareQuizEnabled = true;
    state.rhythmPatternsMenuEnabled = true;
    state.RestScore.enabled = true;
}

void RhythmQuiz::ViewScores1Click() {
    parts_.state.ScoresName = ScorePrompts(parts_.dialogs).askStudentName();
    // A file that cannot be read ends the handler: the event boundary tells the student why.
    parts_.dialogs.showScores(scoreFile_.read(parts_.state.ScoresName));
}

QString RhythmQuiz::quizLine() const {
    const RhythmState& state = parts_.state;
    return QStringLiteral(" Beatwise Quiz ") + clock_.shortDate() + QStringLiteral(", ") +
           clock_.longTime() + QStringLiteral(", Rhythm Patterns = ") + state.LevelLabel +
           QStringLiteral(", Tempo = ") + QString::number(state.Speed) +
           QStringLiteral(" , Rhythm Score = ") + state.Score +
           QStringLiteral(",  Number of Questions = ") + state.Items +
           QStringLiteral(", Av. Hearings = ") + state.AvRepeats;
}

void RhythmQuiz::finishQuiz() {
    RhythmState& state = parts_.state;
    ScoreFile::Saved saved;
    try {
        saved = scoreFile_.append(state.ScoresName, quizLine());
    } catch (const ScoreFileFailure& failure) {
        // The quiz goes on with its results, so that saving can be tried again; "Next Question"
        // stays off so that no further question runs past the end of the quiz.
        state.StartButton.enabled = false;
        parts_.dialogs.error(tr("%1 The quiz is still running and its results are kept: "
                                "press the answer button again to save them, or choose "
                                "Quiz Mode > Off to stop the quiz.")
                                 .arg(failure.text()));
        return;
    }

    state.TotalBeats = 0;
    state.AdvanceProgress = 0;
    state.HearingCount = 0;
    state.QuestionCount = 0;
    state.CorrectBeats = 0;
    state.QuestionOpen = false;
    state.ScorePending = false;
    Off2Click();

    if (parts_.dialogs.confirm(tr("END OF QUIZ. Do you wish to review scores?")))
        parts_.dialogs.showScores(saved.lines);
    // The copy replaces an earlier one on the disk.
    ScorePrompts(parts_.dialogs)
        .offerCopy(tr("Save Scores to Floppy disk in A Drive?"),
                   tr("Put floppy disk in A Drive. If disk is NOT in drive, score will NOT be "
                      "recorded."),
                   saved.path, state.copyFolder);
}
