// Start-up, the question cycle of Pitches practice, answers, score and the staff.

#include "PianoKeyboard.h"
#include "PitchSounds.h"
#include "PitchTrainerHarness.h"

#include <QSet>

namespace tonewise {
namespace {

const QString kStartupBox = QStringLiteral(
    "When Tonewise Opens, Please Click Help Menu, Select \"Help Topics\", then Select and Read "
    "HOW TO USE TONEWISE \"Question Content and Order.\" Thanks, - Orin Vascombe");

using StartUp = PitchTrainerTest;

TEST_F(StartUp, ShowsTheTextsAndMarksOfAFreshExercise) {
    EXPECT_EQ(state().Key, "Key = C Major.");
    EXPECT_EQ(state().QuestShw, "Scale-steps = 1, 3, 5.");
    EXPECT_EQ(state().AnsShow, "Select Key and scale-steps from Menu or click middle C.");
    EXPECT_EQ(state().Score, "Start");
    EXPECT_EQ(state().Items, "");
    EXPECT_EQ(state().AdvanceCount, "40");
    EXPECT_EQ(state().AdvancePercent, "90");
    EXPECT_EQ(state().NumQuestions, "0");
    EXPECT_EQ(state().StepCount, 3);

    EXPECT_TRUE(menuChecked({"Key", "0 signature", "C Major"}));
    EXPECT_TRUE(menuChecked({"Scale Steps", "1,3,5"}));
    EXPECT_TRUE(menuChecked({"Octave?", "Treble Clef"}));
    EXPECT_TRUE(menuChecked({"Practice Intervals?", "Pitches"}));
    EXPECT_TRUE(menuChecked({"Note Names On?", "Note Names Off"}));
    EXPECT_FALSE(menuChecked({"Note Names On?", "Note Names On"}));
    EXPECT_EQ(state().naming, NoteNaming::Letters);
    EXPECT_TRUE(menuChecked({"Midi", "Sustain", "Sustain On"}));
    EXPECT_TRUE(menuChecked({"Advance?", "AutoAdvance", "Advance On"}));
    EXPECT_TRUE(menuChecked({"Advance?", "AutoModulate", "Modulate Off"}));
    EXPECT_TRUE(menuChecked({"Repeat Last Note?", "Don't play again"}));
    EXPECT_TRUE(menuChecked({"File", "Quiz Mode", "Off"}));

    EXPECT_EQ(dialogs.informations, QStringList{kStartupBox});
    EXPECT_EQ(platform.openDevice, -1) << "the built-in synthesizer stands for the mapper";
    EXPECT_FALSE(state().cmbOutput.visible);
    EXPECT_EQ(key(QStringLiteral("C3")).hint, "Middle C is C3");
    // Only staves and clefs until the first answer.
    EXPECT_EQ(staff().size(), 4u);
}

TEST_F(StartUp, StrikesMiddleCExactlyOnceAfterTenMilliseconds) {
    EXPECT_EQ(count(noteOn(60)), 0);
    clock.advance(9);
    EXPECT_EQ(count(noteOn(60)), 0);
    clock.advance(1);
    EXPECT_EQ(count(noteOn(60)), 1);
    settle();
    EXPECT_EQ(count(noteOn(60)), 1);
    for (const Midi& m : midi())
        EXPECT_TRUE(m[0] == 0x80 || m == noteOn(60)) << "nothing but the tonic is sounded";
    EXPECT_EQ(state().QuestionPitch, 60);
    EXPECT_EQ(state().LetterName, "C3");
    EXPECT_FALSE(trainer.timer1Armed());
}

using PitchesExercise = PitchTrainerTest;

TEST_F(PitchesExercise, CountsRightAnswersAndNamesEachNote) {
    settle();
    trainer.KeyClick(u"C3");
    EXPECT_EQ(state().Items, "1");
    EXPECT_EQ(state().Score, "100.00%");
    EXPECT_EQ(state().AnsShow, "That is correct: C3");

    QSet<int> asked;
    int previousStep = state().QuestionStep;
    settle();
    // 39 right answers stay below the advance threshold of 40.
    for (int question = 2; question <= 39; ++question) {
        ASSERT_FALSE(trainer.timer1Armed());
        EXPECT_NE(state().QuestionStep, previousStep) << "question " << question;
        previousStep = state().QuestionStep;
        asked.insert(state().QuestionPitch);
        const QString name = state().LetterName;
        answerRight();
        EXPECT_EQ(state().AnsShow, "That is correct: " + name);
        EXPECT_EQ(state().Items, QString::number(question));
    }
    EXPECT_EQ(state().Score, "100.00%");
    EXPECT_EQ(state().CorrectCount, 39);
    EXPECT_EQ(state().AttemptCount, 39);
    EXPECT_TRUE(dialogs.confirmations.isEmpty());
    EXPECT_EQ(asked, (QSet<int>{60, 64, 67})) << "\"1,3,5\" asks C3, E3 and G3 only";
}

TEST_F(PitchesExercise, ShowsTheScoreAsATruncatedPercentage) {
    settle();
    answerRight();
    answerRight();
    answerWrong();
    EXPECT_EQ(state().Score, "66.66%");
    answerRight();
    EXPECT_EQ(state().Score, "75.00%");
    EXPECT_EQ(state().Items, "3");

    trainer.StartButtonClick();
    EXPECT_EQ(state().Score, "Start");
    EXPECT_EQ(state().Items, "0");
    EXPECT_EQ(state().AnsShow, "Starting note is first scale-step.");
    settle();
    EXPECT_EQ(state().QuestionPitch, 60) << "Start begins again from the tonic";
    answerRight();
    for (int wrong = 0; wrong < 6; ++wrong)
        answerWrong();
    EXPECT_EQ(state().Score, "14.28%");
    EXPECT_EQ(state().Items, "1");
    EXPECT_EQ(state().AttemptCount, 7);
}

TEST_F(PitchesExercise, IgnoresClicksWhileTheNextQuestionIsOnItsWay) {
    trainer.KeyClick(u"C3"); // before the first note has sounded
    EXPECT_EQ(state().AttemptCount, 0);
    EXPECT_EQ(state().Score, "Start");
    settle();
    trainer.KeyClick(u"C3");
    ASSERT_TRUE(trainer.timer1Armed());
    clearMidi();
    const QString shown = state().AnsShow;
    trainer.KeyClick(u"C3");
    trainer.KeyClick(u"D3");
    EXPECT_EQ(state().CorrectCount, 1);
    EXPECT_EQ(state().AttemptCount, 1);
    EXPECT_EQ(state().AnsShow, shown);
    EXPECT_TRUE(midi().empty());
}

TEST_F(PitchesExercise, AWrongAnswerSoundsTheErrorToneThenReplaysBothNotes) {
    settle();
    answerRight();
    const int reference = state().PreviousPitch;
    const int question = state().QuestionPitch;
    ASSERT_NE(reference, question);
    clearMidi();
    trainer.KeyClick(keyFor(question + 1));
    EXPECT_EQ(midi(), (std::vector<Midi>{noteOff(question), programChange(113), noteOn(81)}));
    EXPECT_EQ(state().AnsShow, "Please play second note.");
    EXPECT_EQ(state().Score, "50.00%");
    EXPECT_TRUE(state().RepeatPending);

    clearMidi();
    clock.advance(99);
    EXPECT_TRUE(midi().empty());
    clock.advance(1);
    EXPECT_EQ(midi(), (std::vector<Midi>{noteOff(81), programChange(0), noteOff(reference),
                                         noteOff(question), noteOn(reference)}));
    clearMidi();
    clock.advance(300);
    EXPECT_EQ(midi(), (std::vector<Midi>{noteOff(reference), noteOn(question)}))
        << "the same question again after its reference";
    EXPECT_EQ(state().QuestionPitch, question);
    answerRight();
    EXPECT_EQ(state().Score, "66.66%");
}

TEST_F(PitchesExercise, NextAnswerNamesTheQuestionWithoutCountingIt) {
    settle();
    answerRight();
    const QString name = state().LetterName;
    trainer.AnsDisplayClick();
    EXPECT_EQ(dialogs.informations.back(), "The next answer is: " + name);
    EXPECT_EQ(state().AttemptCount, 1);

    trainer.SyllablesClick();
    trainer.AnsDisplayClick();
    EXPECT_EQ(dialogs.informations.back(), "The next answer is: " + syllableName(name));

    menu({"Practice Intervals?", "Intervals"});
    settle();
    trainer.AnsDisplayClick();
    EXPECT_EQ(dialogs.informations.back(), "The next answer is: Perfect 1");
    EXPECT_EQ(state().AttemptCount, 1);
}

using Staff = PitchTrainerTest;

TEST_F(Staff, DrawsTheReferenceNoteAndTheAnsweredNote) {
    settle();
    trainer.KeyClick(u"C3");
    EXPECT_TRUE(staffHas("--", 79, 28));
    EXPECT_TRUE(staffHas("w", 82, 28));
    settle();
    // Answer until C3 is the reference and E3 the question.
    for (int i = 0; i < 200 && !(state().PreviousPitch == 60 && state().QuestionPitch == 64); ++i)
        answerRight();
    ASSERT_EQ(state().PreviousPitch, 60);
    ASSERT_EQ(state().QuestionPitch, 64);
    EXPECT_EQ(staff().size(), 6u) << "staves, clefs and the reference note";
    trainer.KeyClick(u"E3");
    const std::vector<StaffGlyph> expected{{"=======", 0, 20}, {"=======", 0, 68}, {"?", 0, 44},
                                           {"&", 0, 12},       {"--", 79, 28},     {"w", 82, 28},
                                           {"w", 104, 20}};
    EXPECT_EQ(staff(), expected);
    EXPECT_EQ(state().PenX, 44);
}

TEST_F(Staff, WritesTheRaisedSeventhOfAMinorKeyWithItsSharp) {
    settle();
    menu({"Key", "0 signature", "A minor"});
    menu({"Scale Steps", "7,1,2,3,4,5,6,7,8"});
    settle();
    answerRight();
    for (int i = 0; i < 300 && state().QuestionPitch != 68; ++i)
        answerRight();
    ASSERT_EQ(state().LetterName, "G#3");
    trainer.KeyClick(u"G3sharp");
    EXPECT_TRUE(staffHas("#", 96, 12));
    EXPECT_TRUE(staffHas("w", 104, 12));
    for (const StaffGlyph& glyph : staff())
        EXPECT_FALSE(glyph.y < 20 && glyph.x < 70 && glyph.text == "#")
            << "A minor has no signature";
}

TEST_F(Staff, WritesAParallelNoteAndTheNextPlainNoteWithTheirAccidentals) {
    settle();
    menu({"Scale Steps", "1-8 + Parallel 3"});
    settle();
    answerRight();
    answerRight(); // past the first answer after the level change
    for (int i = 0; i < 300 && state().LetterName != "Eb3"; ++i)
        answerRight();
    ASSERT_EQ(state().LetterName, "Eb3");
    trainer.KeyClick(u"D3sharp");
    EXPECT_TRUE(staffHas("b", 96, 20));
    settle();
    EXPECT_TRUE(staffHas("b", 74, 20)) << "the reference keeps its flat";
    const int y = state().NoteY;
    trainer.KeyClick(keyFor(state().QuestionPitch));
    EXPECT_TRUE(staffHas("n", 96, y)) << "the plain note after it cancels the flat";
    settle();
    const int nextY = state().NoteY;
    if (state().LetterName != "Eb3") {
        trainer.KeyClick(keyFor(state().QuestionPitch));
        for (const StaffGlyph& glyph : staff())
            EXPECT_FALSE(glyph.x == 96 && glyph.y == nextY) << "no accidental on a plain note";
    }
}

TEST_F(Staff, ShowsTheSignatureOfTheChosenKey) {
    settle();
    menu({"Key", "6 sharps", "F# Major"});
    EXPECT_TRUE(staffHas("#", 62, -8));
    EXPECT_TRUE(staffHas("#", 62, 48));
    EXPECT_TRUE(staffHas("#", 56, 8));
    EXPECT_TRUE(staffHas("#", 56, 36));
    menu({"Key", "6 flats", "Eb Minor"});
    int flats = 0;
    for (const StaffGlyph& glyph : staff())
        flats += glyph.text == "b" ? 1 : 0;
    EXPECT_EQ(flats, 12);
    EXPECT_TRUE(staffHas("b", 62, 0));
    EXPECT_TRUE(staffHas("b", 62, 56));
}

// The synthesizer loads the sounds of these keys only: every key of the keyboard, and the error
// tone's, must be among them, whatever the instrument.
TEST(PitchSounds, CoverTheKeyboardAndTheErrorTone) {
    const midi::KeyLimits limits = PitchSounds::keyLimits();
    for (int key = LowestKeyMidi; key <= HighestKeyMidi; ++key)
        EXPECT_TRUE(limits.forBank(0).test(static_cast<std::size_t>(key))) << key;
    EXPECT_TRUE(limits.forBank(0).test(OutputChoice::ErrorToneNote));
    EXPECT_LT(limits.forBank(0).count(), 128u);
}

} // namespace
} // namespace tonewise
