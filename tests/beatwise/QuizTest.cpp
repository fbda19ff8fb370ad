#include "ScoreFile.h"
#include "ShowingBoundary.h"
#include "TrainerHarness.h"

#include "RtfReader.h"

#include "TestFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kNewTest = QStringLiteral(
    "Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this "
    "CONTINUES A TEST and you need ALL previous scores");

const QString kPerfectLine = QStringLiteral(
    " Beatwise Quiz 07/12/2026, 10:15:30 AM, Rhythm Patterns = Simple/3, Tempo = 72 , Rhythm "
    "Score = 100.00%,  Number of Questions = 2, Av. Hearings = 1.00");

class QuizTest : public TrainerTest {
protected:
    QString folder() const { return store.folder(); }

    // "Prepare Quiz" answered with a name, new test or not, and a number of questions.
    void prepare(const QString& name, bool newTest, const QString& questions) {
        dialogs.inputAnswers = {name, questions};
        dialogs.confirmAnswers = {newTest};
        trainer.PrepareQuizClick();
    }
};

} // namespace

TEST_F(QuizTest, AWholeQuizWritesItsLineAndCopiesTheFile) {
    prepare(QStringLiteral("Scores"), true, QStringLiteral("2"));
    EXPECT_EQ(dialogs.inputsAsked[0].caption, QStringLiteral("Scores File Name"));
    EXPECT_EQ(dialogs.inputsAsked[0].prompt,
              QStringLiteral("Please type your last name OR student ID."));
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, QStringLiteral("Scores"));
    EXPECT_EQ(dialogs.confirmations, QStringList{kNewTest});
    // Erasing is asked so that Enter keeps the scores.
    EXPECT_EQ(dialogs.destructiveConfirmations, QStringList{kNewTest});
    EXPECT_EQ(dialogs.inputsAsked[1].caption, QStringLiteral("Number of Questions"));
    EXPECT_EQ(dialogs.inputsAsked[1].prompt, QStringLiteral("How many test questions?"));
    EXPECT_EQ(dialogs.inputsAsked[1].defaultText, QStringLiteral("6"));
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Select Rhythm Patterns; then Click the Green \"Next Question\" "
                             "button to begin."));
    EXPECT_EQ(state().quizMode, QuizMode::Prepared);
    EXPECT_FALSE(state().prepareQuizEnabled);
    EXPECT_FALSE(state().advanceMenuEnabled);
    EXPECT_FALSE(state().RestScore.enabled);
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    EXPECT_TRUE(store.read(QStringLiteral("Scores")).ok()); // erased: an empty document

    trainer.StartButtonClick();
    EXPECT_EQ(state().quizMode, QuizMode::InProgress);
    EXPECT_TRUE(state().quizInProgressEnabled);
    EXPECT_FALSE(state().rhythmPatternsMenuEnabled);
    EXPECT_FALSE(state().StartButton.enabled);
    enterAnswer();
    trainer.AnsDisplayClick();
    EXPECT_TRUE(state().StartButton.enabled);

    const QString stick = scoreRoot.path() + QStringLiteral("/stick");
    QDir().mkpath(stick);
    dialogs.confirmAnswers = {true, true, true}; // the question, review, copy
    dialogs.folderAnswers = {stick};
    trainer.StartButtonClick();
    enterAnswer();
    trainer.AnsDisplayClick();

    EXPECT_EQ(store.read(QStringLiteral("Scores")).lines, QStringList{kPerfectLine});
    ASSERT_EQ(dialogs.scoresShown.size(), 1u);
    EXPECT_EQ(dialogs.scoresShown[0], QStringList{kPerfectLine});
    EXPECT_TRUE(dialogs.confirmations.contains(
        QStringLiteral("END OF QUIZ. Do you wish to review scores?")));
    EXPECT_EQ(dialogs.confirmations.last(),
              QStringLiteral("Save Scores to Floppy disk in A Drive?"));
    // So is replacing the copy on the disk.
    EXPECT_EQ(dialogs.destructiveConfirmations.last(),
              QStringLiteral("Save Scores to Floppy disk in A Drive?"));
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("Put floppy disk in A Drive. If disk is NOT in drive, score will NOT "
                             "be recorded."));
    const QString copy = stick + QStringLiteral("/Scores.rtf");
    EXPECT_EQ(fileBytes(copy), fileBytes(store.pathFor(QStringLiteral("Scores"))));
    EXPECT_FALSE(QFileInfo(copy).permissions() & QFile::WriteOwner);
    EXPECT_EQ(state().copyFolder, stick);
    EXPECT_TRUE(dialogs.errors.isEmpty());

    // The quiz is over: counters cleared, the displays keep the results until the next question.
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_EQ(state().QuestionCount + state().TotalBeats + state().CorrectBeats +
                  state().HearingCount + state().AdvanceProgress,
              0);
    EXPECT_EQ(state().Score, QStringLiteral("100.00%"));
    EXPECT_TRUE(state().rhythmPatternsMenuEnabled && state().advanceMenuEnabled);
    trainer.StartButtonClick();
    EXPECT_EQ(state().Score, QStringLiteral(" "));
    EXPECT_EQ(state().Items, QStringLiteral(" "));
    EXPECT_EQ(state().AvRepeats, QStringLiteral(" "));
}

TEST_F(QuizTest, AQuestionLeftOpenBeforeTheQuizIsNotCountedInIt) {
    const QString counted = QStringLiteral("Number of Questions = 1, Av. Hearings = 1.00");
    // A question heard and left unchecked.
    trainer.StartButtonClick();
    prepare(QStringLiteral("Open"), true, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, false, false};
    answerQuestion();
    ASSERT_EQ(store.read(QStringLiteral("Open")).lines.size(), 1);
    EXPECT_TRUE(store.read(QStringLiteral("Open")).lines[0].endsWith(counted));

    // A question left open after an advance offer was refused.
    trainer.Off2Click();
    dialogs.inputAnswers = {QStringLiteral("1"), QStringLiteral("50")};
    trainer.On1Click();
    answerQuestion();
    answerQuestion();
    dialogs.confirmAnswers = {true, false}; // "Are You certain?", then no to the offer
    trainer.StartButtonClick();
    ASSERT_EQ(state().autoAdvance, AutoAdvance::Off);
    ASSERT_TRUE(state().QuestionOpen);
    prepare(QStringLiteral("Offer"), true, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, false, false};
    answerQuestion();
    ASSERT_EQ(store.read(QStringLiteral("Offer")).lines.size(), 1);
    EXPECT_TRUE(store.read(QStringLiteral("Offer")).lines[0].endsWith(counted));
}

TEST_F(QuizTest, AContinuedTestKeepsEveryEarlierLine) {
    const QStringList earlier = {QStringLiteral(" Beatwise Quiz 01/12/2026, 09:00:00 AM, ..."),
                                 QStringLiteral(" Tonewise Quiz = Intervals, 09:30:00, Key = G "
                                                "Major., Score this question: 80.00%")};
    for (const QString& line : earlier)
        ASSERT_TRUE(store.appendLine(QStringLiteral("Lee"), line).ok());

    prepare(QStringLiteral("Lee"), false, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, false, false};
    answerQuestion(7);
    const QStringList lines = store.read(QStringLiteral("Lee")).lines;
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines.mid(0, 2), earlier);
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral(" Beatwise Quiz 07/12/2026, 10:15:30 AM, ")));
    EXPECT_TRUE(lines[2].endsWith(QStringLiteral(" , Rhythm Score = 0.00%,  Number of Questions "
                                                 "= 1, Av. Hearings = 1.00")));
    EXPECT_TRUE(dialogs.scoresShown.empty());
}

TEST_F(QuizTest, AnInvalidLengthGivesAOneQuestionQuiz) {
    for (const char* typed : {"abc", "1000", "0", "-3"}) {
        trainer.Off2Click();
        dialogs.inputAnswers = {QStringLiteral("20"), QStringLiteral("90")};
        trainer.On1Click(); // auto-advance back on, to see it switched off again
        ASSERT_EQ(state().autoAdvance, AutoAdvance::On);
        prepare(QStringLiteral("Scores"), false, QString::fromUtf8(typed));
        EXPECT_EQ(dialogs.informations.last(),
                  QStringLiteral("Please Begin again and type a valid number"))
            << typed;
        EXPECT_EQ(state().QuizQuestions, QStringLiteral("1"));
        EXPECT_EQ(state().quizMode, QuizMode::Prepared);
        EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    }
    dialogs.confirmAnswers = {true, false, false};
    answerQuestion();
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_EQ(store.read(QStringLiteral("Scores")).lines.size(), 1);
}

TEST_F(QuizTest, RefusedNamesAreAskedAgain) {
    dialogs.inputAnswers = {QStringLiteral("../teacher"), QStringLiteral("  "),
                            QStringLiteral(" Smith "), QStringLiteral("3")};
    dialogs.confirmAnswers = {true};
    trainer.PrepareQuizClick();
    ASSERT_EQ(dialogs.informations.size(), 3);
    EXPECT_TRUE(dialogs.informations[0].startsWith(
        QStringLiteral("This name cannot be used for a score file: it contains \"/\"")));
    EXPECT_TRUE(dialogs.informations[1].contains(QStringLiteral("it is empty")));
    EXPECT_EQ(dialogs.inputsAsked[1].defaultText, QStringLiteral("../teacher"));
    EXPECT_EQ(state().ScoresName, QStringLiteral("Smith"));
    EXPECT_EQ(state().QuizQuestions, QStringLiteral("3"));
    EXPECT_TRUE(QFileInfo::exists(folder() + QStringLiteral("/Smith.rtf")));
    EXPECT_FALSE(QFileInfo::exists(scoreRoot.path() + QStringLiteral("/teacher.rtf")));
}

TEST_F(QuizTest, AFailedWriteKeepsTheQuizRunningUntilItCanBeSaved) {
    prepare(QStringLiteral("Scores"), true, QStringLiteral("1"));
    // The score file cannot be replaced: a folder stands in its place.
    const QString path = store.pathFor(QStringLiteral("Scores"));
    QFile::remove(path);
    ASSERT_TRUE(QDir().mkpath(path));

    answerQuestion();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QDir::toNativeSeparators(path)));
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("press the answer button again")));
    EXPECT_EQ(state().quizMode, QuizMode::InProgress);
    EXPECT_EQ(state().QuestionCount, 1);
    EXPECT_EQ(state().TotalBeats, 7);
    EXPECT_EQ(state().HearingCount, 1);
    EXPECT_FALSE(state().StartButton.enabled); // no question past the end of the quiz

    ASSERT_TRUE(QDir(path).removeRecursively());
    dialogs.confirmAnswers = {false, false};
    trainer.AnsDisplayClick(); // "Hide Answer" tries again
    EXPECT_EQ(dialogs.errors.size(), 1);
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    const QStringList lines = store.read(QStringLiteral("Scores")).lines;
    ASSERT_EQ(lines.size(), 1);
    EXPECT_TRUE(lines[0].contains(QStringLiteral("Rhythm Score = 100.00%,  Number of Questions = "
                                                 "1, Av. Hearings = 1.00")));
}

TEST_F(QuizTest, AnUnreadableScoreFileIsLeftAloneAndTheStudentToldWhereTheScoreWent) {
    QDir().mkpath(folder());
    const QString path = store.pathFor(QStringLiteral("Kim"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("notes typed in a text editor\n");
    }
    prepare(QStringLiteral("Kim"), false, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, true, false};
    answerQuestion();
    EXPECT_EQ(fileBytes(path), QByteArray("notes typed in a text editor\n"));
    EXPECT_TRUE(dialogs.informations.filter(QStringLiteral("Kim (2).rtf")).size() == 1);
    const QString beside = folder() + QStringLiteral("/Kim (2).rtf");
    EXPECT_EQ(scores::RtfReader::read(fileBytes(beside)).lines.size(), 1);
    ASSERT_EQ(dialogs.scoresShown.size(), 1u);
    EXPECT_EQ(dialogs.scoresShown[0].size(), 1);
    EXPECT_EQ(state().quizMode, QuizMode::Off);
}

TEST_F(QuizTest, ViewScoresDuringAQuizRedirectsTheResult) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Other"), QStringLiteral("other's line")).ok());
    prepare(QStringLiteral("Scores"), true, QStringLiteral("1"));
    trainer.StartButtonClick();
    dialogs.inputAnswers = {QStringLiteral("Other")};
    trainer.ViewScores1Click();
    ASSERT_EQ(dialogs.scoresShown.size(), 1u);
    EXPECT_EQ(dialogs.scoresShown[0], QStringList{QStringLiteral("other's line")});
    EXPECT_EQ(state().ScoresName, QStringLiteral("Other"));
    enterAnswer();
    dialogs.confirmAnswers = {false, false};
    trainer.AnsDisplayClick();
    EXPECT_EQ(store.read(QStringLiteral("Other")).lines.size(), 2);
    EXPECT_TRUE(store.read(QStringLiteral("Scores")).lines.isEmpty());
}

TEST_F(QuizTest, ViewingAMissingFileSaysSoAndShowsNoWindow) {
    dialogs.inputAnswers = {QStringLiteral("Nobody"), QStringLiteral("Nobody")};
    // The failure leaves the handler; the event boundary that runs it tells the student.
    EXPECT_THROW(trainer.ViewScores1Click(), ScoreFileFailure);
    EXPECT_EQ(state().ScoresName, QStringLiteral("Nobody"));
    ShowingBoundary(dialogs).run([this] { trainer.ViewScores1Click(); });
    EXPECT_TRUE(dialogs.scoresShown.empty());
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(
        dialogs.errors[0].startsWith(QStringLiteral("There is no score file for \"Nobody\"")));
}

TEST_F(QuizTest, DuringAQuizNextQuestionWorksOncePerAnsweredQuestion) {
    prepare(QStringLiteral("Scores"), true, QStringLiteral("3"));
    // While prepared, meter, level and tempo may still change.
    EXPECT_TRUE(state().rhythmPatternsMenuEnabled);
    trainer.CompoundClick();
    trainer.Level0Click();
    trainer.SpeedChange(90);
    trainer.StartButtonClick();
    EXPECT_FALSE(state().StartButton.enabled);
    EXPECT_FALSE(state().rhythmPatternsMenuEnabled);
    enterAnswer();
    trainer.AnsDisplayClick();
    EXPECT_TRUE(state().StartButton.enabled);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Compound/4"));

    // Quiz mode off by hand writes nothing and keeps the partial results.
    trainer.Off2Click();
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_FALSE(state().quizInProgressEnabled);
    EXPECT_TRUE(state().prepareQuizEnabled && state().RestScore.enabled);
    EXPECT_EQ(state().QuestionCount, 1);
    EXPECT_TRUE(store.read(QStringLiteral("Scores")).lines.isEmpty());
    trainer.StartButtonClick();
    EXPECT_EQ(state().Items, QStringLiteral(" "));
}

TEST_F(QuizTest, TheCopyFolderIsAskedWithTheLastChoiceAndCanBeDeclined) {
    const QString stick = scoreRoot.path() + QStringLiteral("/stick");
    QDir().mkpath(stick);
    prepare(QStringLiteral("Ann"), true, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, false, true};
    dialogs.folderAnswers = {std::nullopt};
    answerQuestion();
    EXPECT_EQ(dialogs.informations.last(), QStringLiteral("The scores were not copied."));
    EXPECT_FALSE(QFileInfo::exists(stick + QStringLiteral("/Ann.rtf")));

    prepare(QStringLiteral("Ann"), false, QStringLiteral("1"));
    dialogs.confirmAnswers = {true, false, true};
    dialogs.folderAnswers = {scoreRoot.path() + QStringLiteral("/gone")};
    answerQuestion();
    ASSERT_EQ(dialogs.errors.size(), 1);
    EXPECT_TRUE(dialogs.errors[0].contains(QStringLiteral("NOT copied")));
    EXPECT_EQ(store.read(QStringLiteral("Ann")).lines.size(), 2);
}
