// Auto-advance through the levels and auto-modulation through the keys.

#include "PitchTrainerHarness.h"

namespace tonewise {
namespace {

const QString kAdvanceQuestion40 = QStringLiteral(
    "Congratulations! You have 40 or more correct answers with a score above 90%. Advance to "
    "next level?");

class AutoAdvance : public PitchTrainerTest {
protected:
    // Wrong answers first, then right ones, from a fresh Start.
    void answer(int wrong, int right) { answerFromStart(wrong, right); }
    // Thresholds typed at "Advance On".
    void advanceOn(const QString& count, const QString& percent) {
        dialogs.inputAnswers.push_back(count);
        dialogs.inputAnswers.push_back(percent);
        menu({"Advance?", "AutoAdvance", "Advance On"});
        settle();
    }
};

TEST_F(AutoAdvance, Needs40RightAnswersAndAScoreAbove90Percent) {
    settle();
    answer(5, 45); // 45 of 50 is 90.0%
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(state().levelMark, 0);

    answer(1, 39); // 39 of 40
    EXPECT_TRUE(dialogs.confirmations.isEmpty());

    answer(4, 40); // 40 of 44 is 90.9%
    EXPECT_EQ(dialogs.confirmations, QStringList{kAdvanceQuestion40});
    EXPECT_EQ(state().QuestShw, "Scale-steps = 1, 2, 3, 5.");
    EXPECT_TRUE(menuChecked({"Scale Steps", "1,2,3,5"}));
    EXPECT_EQ(state().Score, "Advance");
    EXPECT_EQ(state().Items, "0");
    EXPECT_EQ(state().CorrectCount, 0);
    EXPECT_EQ(state().AttemptCount, 0);
}

TEST_F(AutoAdvance, MovesThroughTheLevelsInMenuOrder) {
    settle();
    advanceOn(QStringLiteral("2"), QStringLiteral("50"));
    EXPECT_EQ(state().AdvanceCount, "2");
    EXPECT_EQ(state().AdvancePercent, "50");
    EXPECT_EQ(state().Items, "0");
    const QStringList order{"Scale-steps = 1, 2, 3, 5.", "Scale-steps = 1, 3, 4, 5.",
                            "Scale-steps = 1, 2, 3, 4, 5.", "Scale-steps = 1, 3, 5, 6."};
    for (const QString& next : order) {
        answerRight();
        answerRight();
        EXPECT_EQ(state().QuestShw, next);
        EXPECT_EQ(state().Score, "Advance");
        // The exercise goes on at the new level.
        EXPECT_LT(state().QuestionStep, state().StepCount);
        EXPECT_EQ(state().LetterName, state().StepList.at(state().QuestionStep));
    }
    EXPECT_EQ(dialogs.confirmations.size(), 4);
    EXPECT_EQ(dialogs.confirmations.front(),
              "Congratulations! You have 2 or more correct answers with a score above 50%. "
              "Advance to next level?");
}

TEST_F(AutoAdvance, NoKeepsTheLevelAndZeroesTheCounters) {
    settle();
    advanceOn(QStringLiteral("2"), QStringLiteral("50"));
    dialogs.confirmAnswers.push_back(false);
    answerRight();
    answerRight();
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(state().Score, "Repeat");
    EXPECT_EQ(state().Items, "0");
    EXPECT_EQ(state().CorrectCount, 0);
    EXPECT_EQ(state().AttemptCount, 0);
    EXPECT_EQ(state().levelMark, 0);
    EXPECT_TRUE(state().advanceOn);
    answerRight();
    EXPECT_EQ(state().Items, "1");
}

TEST_F(AutoAdvance, NormalisesTheThresholdsTyped) {
    settle();
    advanceOn(QStringLiteral("abc"), QStringLiteral("-5"));
    EXPECT_EQ(state().AdvanceCount, "40");
    EXPECT_EQ(state().AdvancePercent, "90");
    ASSERT_EQ(dialogs.inputsAsked.size(), 2u);
    EXPECT_EQ(dialogs.inputsAsked[0].caption, "AutoAdvance : Correct answers?");
    EXPECT_EQ(dialogs.inputsAsked[0].prompt, "How many correct answers?");
    EXPECT_EQ(dialogs.inputsAsked[1].caption, "AutoAdvance : Score?");
    EXPECT_EQ(dialogs.inputsAsked[1].prompt, "What percent correct answers?");

    advanceOn(QStringLiteral("0"), QStringLiteral("xyz"));
    EXPECT_EQ(state().AdvanceCount, "40");
    EXPECT_EQ(state().AdvancePercent, "90");

    // A cancelled percentage switches auto-advance off.
    dialogs.inputAnswers.push_back(QStringLiteral("12"));
    dialogs.inputAnswers.push_back(std::nullopt);
    menu({"Advance?", "AutoAdvance", "Advance On"});
    EXPECT_EQ(state().AdvanceCount, "12");
    EXPECT_TRUE(menuChecked({"Advance?", "AutoAdvance", "Advance Off"}));
}

TEST_F(AutoAdvance, StopsAtTheHighestLevel) {
    settle();
    menu({"Scale Steps", "5-1-8 + Parallel 3,6"});
    advanceOn(QStringLiteral("1"), QStringLiteral("50"));
    answerRight();
    EXPECT_EQ(state().QuestShw, "Scale-steps = 5 - 1 - 8 + parallel 3,6,7");
    EXPECT_TRUE(menuChecked({"Advance?", "AutoAdvance", "Advance Off"}));
    EXPECT_FALSE(state().advanceOn);
    answerRight();
    answerRight();
    EXPECT_EQ(dialogs.confirmations.size(), 1) << "no advance beyond the highest level";

    const auto asked = dialogs.inputsAsked.size();
    menu({"Advance?", "AutoAdvance", "Advance On"});
    EXPECT_EQ(dialogs.informations.back(),
              "Congratulations! This is the highest level! Select another key, fewer "
              "scale-steps, and turn Auto Advance on again.");
    EXPECT_EQ(dialogs.inputsAsked.size(), asked);
    EXPECT_FALSE(state().advanceOn);
}

TEST_F(AutoAdvance, OffStopsTheTest) {
    settle();
    menu({"Advance?", "AutoAdvance", "Advance Off"});
    answer(0, 41);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(state().Items, "41");
}

using AutoModulate = PitchTrainerTest;

TEST_F(AutoModulate, ChangesToAnotherKeyWithAtMostFourSharpsOrFlats) {
    settle();
    dialogs.inputAnswers.push_back(QStringLiteral("1"));
    dialogs.inputAnswers.push_back(QStringLiteral("50"));
    menu({"Advance?", "AutoModulate", "Modulate On"});
    EXPECT_EQ(dialogs.inputsAsked.front().caption, "AutoModulate : Correct answers?");
    EXPECT_TRUE(menuChecked({"Advance?", "AutoModulate", "Modulate On"}));
    EXPECT_TRUE(menuChecked({"Advance?", "AutoAdvance", "Advance Off"}));
    settle();
    for (int change = 0; change < 40; ++change) {
        const int before = state().KeyIndex;
        answerRight();
        ASSERT_EQ(dialogs.confirmations.size(), change + 1);
        EXPECT_NE(state().KeyIndex, before);
        EXPECT_LE(state().KeyIndex, 17);
        EXPECT_EQ(state().Key, MusicKeys().at(state().KeyIndex).keyText);
        EXPECT_EQ(state().Score, "New Scale");
        EXPECT_EQ(state().Items, "0");
        EXPECT_EQ(state().StepList.at(0), MusicKeys().at(state().KeyIndex).steps.column(1));
    }
    EXPECT_EQ(dialogs.confirmations.front(),
              "Congratulations! You have 1 or more correct answers with a score more than 50%. "
              "Change scale and key?");
}

TEST_F(AutoModulate, NoSwitchesItOffAndKeepsTheCounters) {
    settle();
    dialogs.inputAnswers.push_back(QStringLiteral("2"));
    dialogs.inputAnswers.push_back(QStringLiteral("50"));
    menu({"Advance?", "AutoModulate", "Modulate On"});
    settle();
    dialogs.confirmAnswers.push_back(false);
    answerRight();
    answerRight();
    EXPECT_EQ(dialogs.confirmations.size(), 1);
    EXPECT_EQ(state().KeyIndex, 0);
    EXPECT_EQ(state().CorrectCount, 2);
    EXPECT_TRUE(menuChecked({"Advance?", "AutoModulate", "Modulate Off"}));
    answerRight();
    EXPECT_EQ(dialogs.confirmations.size(), 1);
}

} // namespace
} // namespace tonewise
