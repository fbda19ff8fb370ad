// The rhythm trainer's answer sink: a pattern answers through its button's handler, from any
// source, and a button the student could not click answers nothing.

#include "PatternAnswers.h"
#include "TrainerHarness.h"

namespace {

class PatternAnswersTest : public TrainerTest {
protected:
    PatternAnswers answers{trainer};
};

TEST_F(PatternAnswersTest, PatternsFromAnySourceFillTheRowAsClicksWould) {
    trainer.StartButtonClick();
    // A whole row at once, as beats tapped in time give it once they are written as patterns.
    for (int beat = 0; beat < 7; ++beat)
        answers.answer({state().QuestionPatterns[static_cast<std::size_t>(beat)]});
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().Score, QStringLiteral("100.00%"));
}

TEST_F(PatternAnswersTest, AButtonTheStudentCouldNotClickAnswersNothing) {
    // Level 3 shows q, w and u only.
    EXPECT_TRUE(answers.canAnswer(2));
    EXPECT_FALSE(answers.canAnswer(3));
    EXPECT_FALSE(answers.canAnswer(-1));
    EXPECT_FALSE(answers.canAnswer(15));
    answers.answer({3});
    EXPECT_EQ(state().AnswerCursor, 2);
    answers.answer({1});
    EXPECT_EQ(state().AnswerCursor, 3);
    EXPECT_EQ(state().ShowRes[2], *RhythmCatalogue::answerGlyph(Meter::Simple, 1));
}

} // namespace
