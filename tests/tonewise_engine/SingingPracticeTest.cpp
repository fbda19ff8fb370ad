// Singing practice and sung answers: the question is written and its tonic sounded, a sung note
// answers in the question's octave unless its octave is to count, and the quiz names the
// practice "Singing".

#include "PitchAnswers.h"
#include "PitchTrainerHarness.h"
#include "SungAnswerSource.h"
#include "SungPitch.h"
#include "TunerFace.h"

namespace tonewise {
namespace {

class SingingPractice : public PitchTrainerTest {
protected:
    PitchAnswers answers{trainer};
    SungAnswerSource sung{trainer.state(), answers};

    void sing(int note, double cents = 0) {
        listening::HeardNote heard;
        heard.note = note;
        heard.cents = cents;
        heard.timeMs = static_cast<double>(clock.now());
        sung.heard(heard);
    }
    // How many whole notes the staff shows.
    int notesOnStaff() const {
        int notes = 0;
        for (const StaffGlyph& glyph : state().staff)
            notes += glyph.text == QLatin1String("w") ? 1 : 0;
        return notes;
    }
};

TEST(SungPitch, FoldsIntoTheQuestionsOctaveUnlessExact) {
    EXPECT_EQ(sungAnswerPitch(52, 64, false), 64); // E2 sung for E3
    EXPECT_EQ(sungAnswerPitch(76, 64, false), 64); // E4 sung for E3
    EXPECT_EQ(sungAnswerPitch(51, 64, false), 63); // a semitone flat stays a semitone flat
    EXPECT_EQ(sungAnswerPitch(53, 64, false), 65);
    EXPECT_EQ(sungAnswerPitch(58, 64, false), 70); // a tritone counts upwards
    EXPECT_EQ(sungAnswerPitch(52, 64, true), 52);
    EXPECT_EQ(sungNoteName(60), QStringLiteral("C3"));
    EXPECT_EQ(sungNoteName(66), QStringLiteral("F#3"));
    EXPECT_EQ(sungNoteName(41), QStringLiteral("F1"));
}

TEST(SungPitch, StaffHeightFollowsThePitch) {
    EXPECT_DOUBLE_EQ(sungStaffY(41), 72); // F1, as the spelled pitch table places it
    EXPECT_DOUBLE_EQ(sungStaffY(60), 28); // middle C on its ledger line
    EXPECT_DOUBLE_EQ(sungStaffY(81), -20);
    // Between two notes the height lies between theirs, and it goes up with the pitch.
    EXPECT_LT(sungStaffY(60.5), sungStaffY(60));
    EXPECT_GT(sungStaffY(60.5), sungStaffY(62));
    // Beyond the keyboard it is held at its ends.
    EXPECT_DOUBLE_EQ(sungStaffY(30), sungStaffY(41));
    EXPECT_DOUBLE_EQ(sungStaffY(100), sungStaffY(83));

    listening::TunerReading reading;
    EXPECT_FALSE(tunerFace(reading).sung);
    reading = {0, true, 69.3, 69, 30.4};
    const TunerFace face = tunerFace(reading);
    EXPECT_TRUE(face.sung);
    EXPECT_EQ(face.name, QStringLiteral("A3"));
    EXPECT_EQ(face.cents, 30);
}

TEST_F(SingingPractice, ASungNoteAnswersInPitchesPracticeInAnyOctave) {
    settle();
    const int asked = state().QuestionPitch;
    sing(asked - 12, 12); // a bass, an octave below
    EXPECT_EQ(state().CorrectCount, 1);
    settle();
    // With the octave counting, the same octave below is wrong.
    trainer.ExactOctaveClick();
    EXPECT_TRUE(state().exactOctave);
    const int attempts = state().AttemptCount;
    sing(state().QuestionPitch - 12);
    EXPECT_EQ(state().AttemptCount, attempts + 1);
    EXPECT_EQ(state().CorrectCount, 1);
}

TEST_F(SingingPractice, NothingSungAnswersInIntervalsPractice) {
    trainer.IntervalsClick();
    settle();
    const int attempts = state().AttemptCount;
    sing(state().QuestionPitch);
    EXPECT_EQ(state().AttemptCount, attempts);
}

TEST_F(SingingPractice, TheQuestionIsWrittenAndItsTonicSounded) {
    trainer.SelectKey(MusicKeys()[2 * 2].KeyIndex); // another key than C major
    trainer.SingingClick();
    EXPECT_EQ(state().practice, Practice::Singing);
    EXPECT_EQ(state().practiceMenu.caption, QStringLiteral("Practice Pitches?"));
    clearMidi();
    settle();
    const int tonic = *midiNoteOf(state().QuestList.column(1));
    EXPECT_EQ(state().ReferencePitch, tonic);
    EXPECT_EQ(count(noteOn(tonic)), 1);
    EXPECT_EQ(notesOnStaff(), 1);
    EXPECT_EQ(state().AnsShow, QStringLiteral("Please sing the written note."));

    // Right: the written note plays, and the next question is written without being played.
    const int first = state().QuestionPitch;
    clearMidi();
    sing(first);
    EXPECT_EQ(state().CorrectCount, 1);
    EXPECT_EQ(count(noteOn(first)), 1);
    clearMidi();
    settle();
    const int second = state().QuestionPitch;
    EXPECT_EQ(count(noteOn(tonic)), 1);
    if (second != tonic) {
        EXPECT_EQ(count(noteOn(second)), 0);
    }
    EXPECT_EQ(notesOnStaff(), 1);

    // Wrong: the error tone, then the written note; the question stays for another try.
    clearMidi();
    sing(second + 1);
    EXPECT_EQ(state().AttemptCount, 2);
    settle();
    EXPECT_EQ(count(noteOn(81)), 1);
    EXPECT_EQ(count(noteOn(second)), 1);
    EXPECT_EQ(state().QuestionPitch, second);
    sing(second);
    EXPECT_EQ(state().CorrectCount, 2);
}

TEST_F(SingingPractice, TheNoteIsNamedWhenNamesAreOn) {
    trainer.NoteNamesClick();
    trainer.LettersClick();
    trainer.SingingClick();
    settle();
    EXPECT_EQ(state().AnsShow, QStringLiteral("Please sing %1.").arg(state().LetterName));
    trainer.SyllablesClick();
    trainer.RepeatNotesClick();
    settle();
    EXPECT_EQ(state().AnsShow,
              QStringLiteral("Please sing %1.").arg(syllableName(state().LetterName)));
}

TEST_F(SingingPractice, LeavingSingingSilencesTheTonic) {
    trainer.SingingClick();
    settle();
    const int tonic = state().ReferencePitch;
    clearMidi();
    trainer.ScalestepsClick();
    EXPECT_EQ(state().practice, Practice::Pitches);
    EXPECT_GE(count(noteOff(tonic)), 1);
}

TEST_F(SingingPractice, AQuizLineNamesThePractice) {
    trainer.SingingClick();
    settle();
    dialogs.inputAnswers = {QStringLiteral("Carol"), QStringLiteral("2"), QStringLiteral("1")};
    dialogs.confirmAnswers = {true, false, false};
    trainer.QuizOnClick();
    trainer.StartButtonClick();
    settle();
    for (int i = 0; i < 3 && state().quizMode == QuizMode::InProgress; ++i) {
        sing(state().QuestionPitch);
        settle();
    }
    const QString text = store.read(QStringLiteral("Carol")).lines.join(QLatin1Char('\n'));
    EXPECT_TRUE(text.contains(QStringLiteral("Tonewise Quiz = Singing, "))) << text.toStdString();
}

} // namespace
} // namespace tonewise
