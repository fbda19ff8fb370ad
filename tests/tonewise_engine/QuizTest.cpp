// The quiz: preparing it, its questions, and the records it leaves in the student's score file.

#include "PitchTrainerHarness.h"

#include <QRegularExpression>

namespace tonewise {
namespace {

const QString kNewTest = QStringLiteral(
    "Click YES if this is a NEW TEST and you wish to erase ALL previous scores. Click NO if this "
    "CONTINUES A TEST and you need ALL previous scores");
const QString kEndOfQuestion = QStringLiteral(
    "END OF THIS QUESTION. Change KEY, Select PITCHES or INTERVALS, and CLICK Green Start "
    "Button.");
const QString kNotCompleted = QStringLiteral("User did not complete Tonewise Quiz.");

class Quiz : public PitchTrainerTest {
protected:
    // "Prepare Quiz" answered with a name, new test or not, and the two numbers.
    void prepare(bool newTest, const QString& items, const QString& questions) {
        dialogs.inputAnswers.push_back(QStringLiteral("Smith"));
        dialogs.confirmAnswers.push_back(newTest);
        dialogs.inputAnswers.push_back(items);
        dialogs.inputAnswers.push_back(questions);
        menu({"File", "Quiz Mode", "Prepare Quiz"});
    }
    // One question of the quiz: Start, then wrong and right answers.
    void question(int wrong, int right) { answerFromStart(wrong, right); }
    QStringList fileLines() const {
        QStringList lines = store.read(QStringLiteral("Smith")).lines;
        lines.removeAll(QString());
        return lines;
    }
    static QRegularExpression questionRecord(const QString& mode, const QString& key,
                                             const QString& score) {
        return QRegularExpression(
            QStringLiteral("^ Tonewise Quiz = %1, \\d{1,2}:\\d\\d:\\d\\d [AP]M, %2, Score this "
                           "question: %3$")
                .arg(QRegularExpression::escape(mode), QRegularExpression::escape(key),
                     QRegularExpression::escape(score)));
    }
};

TEST_F(Quiz, PreparingTurnsTheProgressionsOffAndWaitsForStart) {
    settle();
    prepare(true, QStringLiteral("3"), QStringLiteral("2"));
    ASSERT_EQ(dialogs.inputsAsked.size(), 3u);
    EXPECT_EQ(dialogs.inputsAsked[0].caption, "Scores File Name");
    EXPECT_EQ(dialogs.inputsAsked[0].prompt, "Please type your last name OR student ID.");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, "Scores");
    EXPECT_EQ(dialogs.inputsAsked[1].caption, "Number of Question Items");
    EXPECT_EQ(dialogs.inputsAsked[1].defaultText, "40");
    EXPECT_EQ(dialogs.inputsAsked[2].caption, "Number of Questions");
    EXPECT_EQ(dialogs.inputsAsked[2].defaultText, "10");
    EXPECT_EQ(dialogs.confirmations, QStringList{kNewTest});
    EXPECT_EQ(dialogs.informations.back(),
              "Select Key, Scale Steps, Pitches or Intervals, then CLICK green Start Button.");
    EXPECT_EQ(state().quizMode, QuizMode::Prepared);
    EXPECT_TRUE(menuChecked({"File", "Quiz Mode", "Prepare Quiz"}));
    EXPECT_FALSE(state().advanceOn);
    EXPECT_FALSE(state().modulateOn);
    EXPECT_FALSE(state().advanceMenuEnabled);
    EXPECT_FALSE(state().AnsDisplay.enabled);
    EXPECT_FALSE(state().RepeatNotes.enabled);
    EXPECT_FALSE(state().reviewScoresEnabled);
    EXPECT_TRUE(store.read(QStringLiteral("Smith")).ok()) << "a new test starts an empty file";

    // Nothing sounds until Start.
    clearMidi();
    menu({"Key", "1 sharp", "G Major"});
    settle();
    for (const Midi& m : midi())
        EXPECT_NE(m[0], 0x90);

    trainer.StartButtonClick();
    EXPECT_EQ(state().quizMode, QuizMode::InProgress);
    EXPECT_EQ(state().QuestionNumber, 1);
    EXPECT_FALSE(state().StartButton.enabled);
    settle();
    EXPECT_EQ(count(noteOn(67)), 1) << "G Major's tonic, G3";
    EXPECT_FALSE(state().keysMenuEnabled);
    EXPECT_FALSE(state().scaleStepsMenuEnabled);

    const PitchMenuItem* prepareItem =
        findMenuItem(menus, state(), {"File", "Quiz Mode", "Prepare Quiz"});
    ASSERT_NE(prepareItem, nullptr);
    EXPECT_FALSE(prepareItem->isEnabled(state()));
    trainer.QuizOnClick();
    EXPECT_EQ(dialogs.informations.back(),
              "Please click an answer and continue; OR Click File/Quiz Mode/Off and stop.");
    EXPECT_EQ(state().quizMode, QuizMode::InProgress);
}

TEST_F(Quiz, WritesARecordPerQuestionAndTheOverallAverage) {
    settle();
    prepare(true, QStringLiteral("3"), QStringLiteral("2"));
    dialogs.confirmAnswers.push_back(true);  // review the scores
    dialogs.confirmAnswers.push_back(false); // no copy
    question(1, 3);                          // 75%
    EXPECT_EQ(dialogs.informations.back(), kEndOfQuestion);
    EXPECT_EQ(state().quizMode, QuizMode::Prepared);
    EXPECT_EQ(state().Items, "0");
    EXPECT_TRUE(state().StartButton.enabled);
    EXPECT_TRUE(state().keysMenuEnabled);
    EXPECT_FALSE(state().scaleStepsMenuEnabled);
    EXPECT_TRUE(output.IsOpen());
    ASSERT_EQ(fileLines().size(), 1);
    EXPECT_TRUE(
        questionRecord("Scale Steps", "Key = C Major.", "75.00%").match(fileLines()[0]).hasMatch())
        << fileLines()[0].toStdString();

    // Between questions the key may change; the reference note is kept off the staff.
    menu({"Key", "1 sharp", "G Major"});
    EXPECT_TRUE(staffHas("w", 82, -80));
    EXPECT_TRUE(staffHas("#", 24, -12));

    question(0, 3); // 100%
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), 3);
    EXPECT_TRUE(
        questionRecord("Scale Steps", "Key = G Major.", "100.00%").match(lines[1]).hasMatch())
        << lines[1].toStdString();
    EXPECT_EQ(lines[2], " Tonewise Quiz , 1/5/2026, Scale-steps = 1, 3, 5., Number of Questions = "
                        "2, Number of pitches in questions = 3, Overall Average Score = 88");
    EXPECT_TRUE(dialogs.confirmations.contains("END OF QUIZ. Do you wish to review score?"));
    EXPECT_TRUE(dialogs.confirmations.contains("Save Scores to Floppy disk in A Drive?"));
    ASSERT_EQ(dialogs.scoresShown.size(), 1u);
    EXPECT_TRUE(dialogs.scoresShown[0].join('\n').contains("Overall Average Score = 88"));
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_EQ(state().NumQuestions, "0");
    EXPECT_TRUE(state().StartButton.enabled);
    EXPECT_TRUE(state().reviewScoresEnabled);
    EXPECT_TRUE(output.IsOpen());

    menu({"File", "Quiz Mode", "Off"});
    EXPECT_EQ(fileLines().size(), 3) << "a finished test is complete";
}

TEST_F(Quiz, AveragesTheRoundedQuestionScoresAndRoundsHalvesToEven) {
    settle();
    // 66.66% counts as 67: (67 + 100) / 2 = 83.5, whose even neighbour is 84.
    prepare(true, QStringLiteral("2"), QStringLiteral("2"));
    dialogs.confirmAnswers.push_back(false);
    dialogs.confirmAnswers.push_back(false);
    question(1, 2);
    question(0, 2);
    ASSERT_EQ(fileLines().size(), 3);
    EXPECT_TRUE(fileLines()[0].endsWith("Score this question: 66.66%"));
    EXPECT_TRUE(fileLines()[2].endsWith(", Overall Average Score = 84"))
        << fileLines()[2].toStdString();

    // (50 + 67) / 2 = 58.5 goes down to 58.
    prepare(true, QStringLiteral("2"), QStringLiteral("2"));
    dialogs.confirmAnswers.push_back(false);
    dialogs.confirmAnswers.push_back(false);
    question(2, 2);
    question(1, 2);
    ASSERT_EQ(fileLines().size(), 3);
    EXPECT_TRUE(fileLines()[2].endsWith(", Overall Average Score = 58"))
        << fileLines()[2].toStdString();
}

TEST_F(Quiz, RecordsIntervalsPracticeAndTheKeyOfTheQuestion) {
    settle();
    prepare(true, QStringLiteral("2"), QStringLiteral("1"));
    dialogs.confirmAnswers.push_back(false);
    dialogs.confirmAnswers.push_back(false);
    menu({"Key", "0 signature", "A minor"});
    menu({"Practice Intervals?", "Intervals"});
    question(0, 2);
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(questionRecord("Intervals", "Key = A Harmonic Minor.", "100.00%")
                    .match(lines[0])
                    .hasMatch())
        << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(", Number of Questions = 1, Number of pitches in questions = 2, "
                                  "Overall Average Score = 100"));
}

TEST_F(Quiz, ContinuingATestKeepsEarlierRecordsOfBothTrainers) {
    const QString rhythmLine = QStringLiteral(" Beatwise Quiz, earlier record");
    ASSERT_TRUE(store.appendLine(QStringLiteral("Smith"), rhythmLine).ok());
    settle();
    prepare(false, QStringLiteral("3"), QStringLiteral("10"));
    question(0, 3);
    const QStringList lines = fileLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], rhythmLine);
    EXPECT_TRUE(
        questionRecord("Scale Steps", "Key = C Major.", "100.00%").match(lines[1]).hasMatch());

    menu({"File", "Quiz Mode", "Off"});
    EXPECT_EQ(fileLines(), (QStringList{lines[0], lines[1], kNotCompleted}));
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_TRUE(state().AnsDisplay.enabled);
    EXPECT_TRUE(state().RepeatNotes.enabled);
    EXPECT_TRUE(state().advanceMenuEnabled);
    EXPECT_TRUE(state().scaleStepsMenuEnabled);
}

TEST_F(Quiz, ANewTestErasesTheFile) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Smith"), QStringLiteral("old")).ok());
    settle();
    prepare(true, QStringLiteral("3"), QStringLiteral("10"));
    EXPECT_TRUE(fileLines().isEmpty());
}

TEST_F(Quiz, OffWithoutATestWritesNothing) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Smith"), QStringLiteral("old")).ok());
    settle();
    menu({"File", "Quiz Mode", "Off"});
    EXPECT_EQ(fileLines(), QStringList{"old"});

    // Off while prepared but before the first question counts as not completed.
    prepare(false, QStringLiteral("3"), QStringLiteral("10"));
    menu({"File", "Quiz Mode", "Off"});
    EXPECT_EQ(fileLines(), (QStringList{"old", kNotCompleted}));
}

TEST_F(Quiz, RefusesNumbersThatAreNotCounts) {
    settle();
    dialogs.inputAnswers.push_back(QStringLiteral("Smith"));
    dialogs.inputAnswers.push_back(QStringLiteral("1000"));
    menu({"File", "Quiz Mode", "Prepare Quiz"});
    EXPECT_EQ(dialogs.informations.back(), "Please Begin again and type a valid number");
    EXPECT_EQ(dialogs.inputsAsked.size(), 2u) << "the number of questions is not asked";
    EXPECT_EQ(state().ItemsPerQuestion, "1");
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_TRUE(state().quizOnEnabled);

    prepare(true, QStringLiteral("abc"), QString());
    EXPECT_EQ(dialogs.informations.back(), "Please Begin again and type a valid number");
    dialogs.inputAnswers.clear();

    prepare(true, QStringLiteral("3"), QStringLiteral("many"));
    EXPECT_EQ(dialogs.informations.back(), "Please Begin again and type valid numbers");
    EXPECT_EQ(state().NumQuestions, "0");
    EXPECT_EQ(state().quizMode, QuizMode::Off);
    EXPECT_TRUE(fileLines().isEmpty()) << "no test was set, so nothing is left unfinished";
}

TEST_F(Quiz, ViewScoresShowsTheStudentsFile) {
    ASSERT_TRUE(store.appendLine(QStringLiteral("Smith"), QStringLiteral("a record")).ok());
    dialogs.inputAnswers.push_back(QStringLiteral("Smith"));
    menu({"File", "View Scores"});
    ASSERT_EQ(dialogs.scoresShown.size(), 1u);
    EXPECT_TRUE(dialogs.scoresShown[0].contains("a record"));
    EXPECT_EQ(state().QuizName, "Smith");
}

} // namespace
} // namespace tonewise
