// Every way of answering comes in through the trainer's answer sink: a pitch sung or played
// answers as a click on its key, and the MIDI keyboard is one such source.

#include "MidiInput.h"
#include "MidiKeyboardSource.h"
#include "PitchAnswers.h"
#include "PitchTrainerHarness.h"
#include "PlayedMidiInput.h"

#include "Failure.h"

namespace tonewise {
namespace {

class AnswerSources : public PitchTrainerTest {
protected:
    PitchAnswers answers{trainer};
};

TEST_F(AnswerSources, ASungPitchAnswersAsAClickOnItsKey) {
    settle();
    const int asked = state().QuestionPitch;
    // Slightly flat and heard a little while ago: still the pitch of the key.
    answers.answer({asked, -30.0, clock.now() - 40});
    EXPECT_EQ(state().CorrectCount, 1);
    EXPECT_EQ(state().AnsShow, QStringLiteral("That is correct: C3"));
    settle();

    // A pitch beyond the keyboard's F1 .. B4 answers nothing at all.
    const int attempts = state().AttemptCount;
    answers.answer({30});
    answers.answer({96});
    EXPECT_EQ(state().AttemptCount, attempts);
    EXPECT_FALSE(answers.canAnswer(30));
}

TEST_F(AnswerSources, AKeyTheStudentCouldNotClickAnswersNothing) {
    trainer.IntervalsClick();
    settle();
    // In Intervals practice the keys below the interval keys are hidden.
    ASSERT_FALSE(key(QStringLiteral("F1")).visible);
    EXPECT_FALSE(answers.canAnswer(41));
    const int attempts = state().AttemptCount;
    answers.answer({41});
    EXPECT_EQ(state().AttemptCount, attempts);
    // The unison key answers the first interval.
    answers.answer({findKeyboardKey(intervalKeyFor(0))->midi}); // B1: Perfect 1
    EXPECT_EQ(state().CorrectCount, 1);
}

TEST_F(AnswerSources, AMidiKeyboardFeedsTheSameSink) {
    PlayedMidiInput input({QStringLiteral("Midi Through"), QStringLiteral("Piano")});
    MidiKeyboardSource source(input, answers);
    std::vector<std::pair<QString, bool>> touches;
    source.onTouch([&touches](const KeyboardTouch& t) { touches.push_back({t.key, t.pressed}); });
    QString lost;
    source.onLost([&lost](const QString& port) { lost = port; });

    source.openPreferred();
    EXPECT_EQ(source.openPort(), QStringLiteral("Piano")) << "never the loop-back";
    settle();
    input.play(0x90, state().QuestionPitch, 100);
    input.play(0x80, state().QuestionPitch, 0);
    EXPECT_EQ(state().CorrectCount, 1);
    EXPECT_EQ(touches, (std::vector<std::pair<QString, bool>>{{QStringLiteral("C3"), true},
                                                              {QStringLiteral("C3"), false}}));

    try {
        source.open(QStringLiteral("Gone"));
        FAIL() << "a port that is not there opens";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.text(), QStringLiteral("The MIDI input \"Gone\" is not connected."));
    }
    input.unplug();
    EXPECT_EQ(lost, QStringLiteral("Piano"));
}

} // namespace
} // namespace tonewise
