// Intervals practice, the sound options, and key and level changes from the menus.

#include "PitchTrainerHarness.h"

#include <QSet>

namespace tonewise {
namespace {

// Records when each message went out.
class TimedMidi : public PitchTrainerTest {
protected:
    std::vector<std::pair<qint64, Midi>> timed;

    void SetUp() override {
        PitchTrainerTest::SetUp();
        platform.onMessage = [this](const RecordingMidiPlatform::Message& m) {
            timed.push_back({clock.now(), Midi{m.status, m.data1, m.data2}});
        };
    }
    std::vector<qint64> timesOf(const Midi& message) const {
        std::vector<qint64> times;
        for (const auto& [time, m] : timed)
            if (m == message)
                times.push_back(time);
        return times;
    }
    // The notes switched on and not yet off, by every message sent so far.
    QSet<int> sounding() const {
        QSet<int> notes;
        for (const auto& [time, m] : timed) {
            if ((m[0] & 0xF0) == 0x90 && m[2] > 0)
                notes.insert(m[1]);
            else if ((m[0] & 0xF0) == 0x80 || (m[0] & 0xF0) == 0x90)
                notes.remove(m[1]);
        }
        return notes;
    }
};

using IntervalsPractice = TimedMidi;

TEST_F(IntervalsPractice, StartsFromTheTonicSoundedTwiceAndAnsweredAsPerfect1) {
    settle();
    timed.clear();
    const qint64 switched = clock.now();
    menu({"Practice Intervals?", "Intervals"});
    EXPECT_EQ(state().AnsShow, "Click Perfect 1 for first answer.");
    EXPECT_EQ(state().practiceMenu.caption, "Practice Pitches?");
    EXPECT_TRUE(menuChecked({"Practice Pitches?", "Intervals"}));
    EXPECT_FALSE(state().repeatLastNoteMenuEnabled);
    EXPECT_FALSE(state().octaveMenuEnabled);
    EXPECT_FALSE(state().noteNamesMenu.enabled);
    EXPECT_TRUE(state().hintsItem.enabled);
    settle();
    EXPECT_EQ(timesOf(noteOn(60)), (std::vector<qint64>{switched + 10, switched + 610}));
    EXPECT_FALSE(trainer.timer1Armed());

    EXPECT_EQ(key(QStringLiteral("B1")).caption, "P1");
    trainer.KeyClick(u"B1");
    EXPECT_EQ(state().AnsShow, "That is correct: Perfect 1");
    EXPECT_EQ(state().Items, "1");
    EXPECT_EQ(timesOf(noteOn(60)).size(), 3u)
        << "the answered note is struck again as the next reference";
}

TEST_F(IntervalsPractice, KeepsCountingRightAnswersAfterTheSwitch) {
    settle();
    for (int i = 0; i < 5; ++i)
        answerRight();
    ASSERT_EQ(state().Items, "5");
    menu({"Practice Intervals?", "Intervals"});
    EXPECT_EQ(state().Items, "0");
    EXPECT_EQ(state().CorrectCount, 5);
    settle();
    answerRight();
    EXPECT_EQ(state().Items, "6");
    EXPECT_EQ(state().AnsShow, "That is correct: Perfect 1");
}

TEST_F(IntervalsPractice, AnswersAnIntervalBySizeInEitherDirection) {
    settle();
    menu({"Practice Intervals?", "Intervals"});
    settle();
    answerRight();
    EXPECT_EQ(key(QStringLiteral("E2")).caption, "m3");
    bool descending = false;
    bool ascending = false;
    for (int i = 0; i < 300 && !(descending && ascending); ++i) {
        const int interval = state().QuestionPitch - state().PreviousPitch;
        if (interval == -3 || interval == 3) {
            (interval < 0 ? descending : ascending) = true;
            const int correct = state().CorrectCount;
            trainer.KeyClick(u"E2");
            EXPECT_EQ(state().CorrectCount, correct + 1);
            EXPECT_EQ(state().AnsShow, "That is correct: minor 3 (or Aug2)");
            settle();
        } else {
            answerRight();
        }
    }
    EXPECT_TRUE(descending) << "G3 down to E3";
    EXPECT_TRUE(ascending) << "E3 up to G3";

    // A wrong interval asks again.
    const int attempts = state().AttemptCount;
    answerWrong();
    EXPECT_EQ(state().AttemptCount, attempts + 1);
    EXPECT_EQ(state().AnsShow, "Please try again.");
}

TEST_F(IntervalsPractice, OffersTheIntervalKeysOfEachLevel) {
    settle();
    menu({"Practice Intervals?", "Intervals"});
    for (const char* always : {"B1", "E2", "F2", "B2"})
        EXPECT_TRUE(key(QString::fromLatin1(always)).visible) << always;
    for (const char* hidden : {"F1", "A1", "C3sharp", "F4", "Bb4", "B4", "C2", "G3", "E4"})
        EXPECT_FALSE(key(QString::fromLatin1(hidden)).visible) << hidden;
    EXPECT_EQ(key(QStringLiteral("C3")).hint, "minor 6 = Augmented 5");

    menu({"Scale Steps", "1,3,5,7"});
    EXPECT_TRUE(key(QStringLiteral("C3")).visible);
    EXPECT_TRUE(key(QStringLiteral("F3")).visible);
    EXPECT_FALSE(key(QStringLiteral("C2")).visible);
    EXPECT_EQ(state().AnsShow, "Click Perfect 1 for first answer.");

    menu({"Scale Steps", "6,7,1,2,3,4,5,6,7,8"});
    EXPECT_TRUE(key(QStringLiteral("D4")).visible);
    EXPECT_FALSE(key(QStringLiteral("E4")).visible);
    menu({"Scale Steps", "5-1-8 + Parallel 3,6,7"});
    EXPECT_TRUE(key(QStringLiteral("E4")).enabled);
    EXPECT_FALSE(key(QStringLiteral("F4")).visible);

    menu({"Practice Pitches?", "Pitches"});
    for (std::size_t i = 0; i < state().keys.size(); ++i) {
        const KeyControl& control = state().keys[i];
        EXPECT_TRUE(control.visible && control.enabled) << KeyboardKeys()[i].name.toStdString();
        EXPECT_EQ(control.captionMargin, 0);
        if (!KeyboardKeys()[i].black) {
            EXPECT_EQ(control.caption, "");
        }
    }
    EXPECT_EQ(key(QStringLiteral("C3")).hint, "Middle C is C3");
    EXPECT_EQ(state().practiceMenu.caption, "Practice Intervals?");
    EXPECT_FALSE(state().hintsItem.enabled);
}

TEST_F(IntervalsPractice, KeepsTheHintSettingAcrossPitchesPractice) {
    settle();
    menu({"Practice Intervals?", "Intervals"});
    menu({"Help", "Interval Hints On?"});
    EXPECT_EQ(state().hintsItem.caption, "Interval Hints Off?");
    EXPECT_TRUE(key(QStringLiteral("E2")).showHint);
    menu({"Practice Pitches?", "Pitches"});
    EXPECT_FALSE(key(QStringLiteral("E2")).showHint);
    menu({"Practice Intervals?", "Intervals"});
    EXPECT_TRUE(key(QStringLiteral("E2")).showHint);
    EXPECT_EQ(key(QStringLiteral("E2")).hint, "minor 3 = Augmented 2");
}

// With Sustain On a note sounds until its note-off: a key, level or practice change in the
// middle of a question must not leave the question note ringing under the new exercise.
class ChangeMidQuestion : public TimedMidi {
protected:
    // Right answers at steps 1 to 5 of C Major until the question note is neither C3 nor D3,
    // the tonics before and after, then `change`; the note asked before the change is returned.
    int changeMidQuestion(bool intervals, const QStringList& change) {
        menu({"Scale Steps", "1,2,3,4,5"});
        if (intervals)
            menu({"Practice Intervals?", "Intervals"});
        settle();
        for (int i = 0; i < 20 && (state().QuestionPitch == 60 || state().QuestionPitch == 62); ++i)
            answerRight();
        const int questionNote = state().QuestionPitch;
        EXPECT_TRUE(sounding().contains(questionNote));
        menu(change);
        settle();
        return questionNote;
    }
};

TEST_F(ChangeMidQuestion, OfKeyInIntervalsPracticeSilencesTheQuestionNote) {
    const int questionNote = changeMidQuestion(true, {"Key", "2 sharps", "D Major"});
    EXPECT_FALSE(sounding().contains(questionNote)) << "note " << questionNote;
    EXPECT_EQ(sounding(), QSet<int>{62}) << "the new tonic alone";
}

TEST_F(ChangeMidQuestion, OfLevelInIntervalsPracticeSilencesTheQuestionNote) {
    const int questionNote = changeMidQuestion(true, {"Scale Steps", "1,2,3,4,5,6,7,8"});
    EXPECT_FALSE(sounding().contains(questionNote)) << "note " << questionNote;
    EXPECT_EQ(sounding(), QSet<int>{60}) << "the tonic alone";
}

TEST_F(ChangeMidQuestion, ToIntervalsPracticeSilencesTheQuestionNote) {
    const int questionNote = changeMidQuestion(false, {"Practice Intervals?", "Intervals"});
    EXPECT_FALSE(sounding().contains(questionNote)) << "note " << questionNote;
    EXPECT_EQ(sounding(), QSet<int>{60}) << "the tonic alone";
}

using SoundOptions = TimedMidi;

TEST_F(SoundOptions, SustainOffEndsTheQuestionNote800MillisecondsAfterItsTick) {
    settle();
    menu({"Midi", "Sustain", "Sustain Off"});
    timed.clear();
    const qint64 start = clock.now();
    trainer.StartButtonClick();
    clock.advance(10);
    EXPECT_TRUE(trainer.timer3Armed());
    clock.advance(799);
    const auto offsBefore = timesOf(noteOff(60)).size();
    clock.advance(1);
    const auto offs = timesOf(noteOff(60));
    ASSERT_EQ(offs.size(), offsBefore + 1);
    EXPECT_EQ(offs.back(), start + 810);
    EXPECT_FALSE(trainer.timer3Armed());

    menu({"Midi", "Sustain", "Sustain On"});
    settle();
    EXPECT_FALSE(trainer.timer3Armed());
}

TEST_F(SoundOptions, PlayLastNoteAgainStrikesTheAnsweredNoteAndWaitsLonger) {
    settle();
    menu({"Repeat Last Note?", "Play last note again"});
    answerRight(); // the tick after this answer takes the longer interval
    const int question = state().QuestionPitch;
    timed.clear();
    const qint64 clicked = clock.now();
    trainer.KeyClick(keyFor(question));
    EXPECT_EQ(timesOf(noteOn(question)), std::vector<qint64>{clicked});
    clock.advance(599);
    EXPECT_TRUE(trainer.timer1Armed());
    clock.advance(1);
    EXPECT_FALSE(trainer.timer1Armed());
    EXPECT_EQ(timesOf(noteOff(question)).back(), clicked + 600) << "the tick ends the reference";

    menu({"Repeat Last Note?", "Don't play again"});
    answerRight();
    timed.clear();
    trainer.KeyClick(keyFor(state().QuestionPitch));
    EXPECT_TRUE(timesOf(noteOn(state().QuestionPitch)).empty());
}

TEST_F(SoundOptions, EightvaLowerSoundsAndWritesTheNextNotesAnOctaveDown) {
    settle();
    trainer.KeyClick(u"C3");
    settle();
    clearMidi();
    const int reference = state().PreviousPitch;
    menu({"Octave?", "8va Lower"});
    EXPECT_EQ(midi(), std::vector<Midi>{noteOff(reference)});
    trainer.StartButtonClick();
    settle();
    EXPECT_EQ(state().QuestionPitch, 48);
    EXPECT_EQ(state().LetterName, "C2");
    EXPECT_EQ(count(noteOn(48)), 1);
    trainer.KeyClick(u"C2");
    EXPECT_TRUE(staffHas("w", 82, 56));
    menu({"Octave?", "Treble Clef"});
    trainer.StartButtonClick();
    settle();
    EXPECT_EQ(state().QuestionPitch, 60);
}

TEST_F(SoundOptions, AllNotesOffSilencesNotes0To109) {
    settle();
    clearMidi();
    menu({"Midi", "All Notes Off"});
    std::vector<Midi> expected;
    for (int note = 0; note <= 109; ++note)
        expected.push_back(noteOff(note));
    EXPECT_EQ(midi(), expected);
}

TEST_F(SoundOptions, TheInstrumentPromptSendsAProgramChangeWithinRange) {
    settle();
    answerRight();
    clearMidi();
    dialogs.inputAnswers.push_back(QStringLiteral("abc"));
    menu({"Midi", "Instrument"});
    ASSERT_EQ(dialogs.inputsAsked.size(), 1u);
    EXPECT_EQ(dialogs.inputsAsked[0].caption, "MIDI Instrument");
    EXPECT_EQ(dialogs.inputsAsked[0].prompt, "MIDI Instrument Number between 0 and 127?");
    EXPECT_EQ(dialogs.inputsAsked[0].defaultText, "0");
    EXPECT_EQ(state().Instrument, 1);
    EXPECT_EQ(midi(), std::vector<Midi>{programChange(1)});
    settle();
    EXPECT_GE(count(noteOn(state().QuestionPitch)), 1) << "the notes are heard again";

    clearMidi();
    dialogs.inputAnswers.push_back(QStringLiteral("200"));
    menu({"Midi", "Instrument"});
    EXPECT_EQ(dialogs.inputsAsked.back().defaultText, "1");
    EXPECT_EQ(state().Instrument, 1);
    settle();
    EXPECT_TRUE(midi().empty()) << "a refused number sends nothing";

    // The error tone hands back to the chosen instrument.
    answerWrong();
    EXPECT_EQ(count(programChange(113)), 1);
    EXPECT_EQ(count(programChange(1)), 1);
}

TEST_F(SoundOptions, AnOutputChosenFromTheListIsOpenedAndHidesTheList) {
    settle();
    menu({"Midi", "Outputs"});
    EXPECT_TRUE(state().cmbOutput.visible);
    ASSERT_EQ(state().cmbOutput.entries, QStringList{"Built-in synthesizer"});
    const int opened = platform.opened;
    trainer.cmbOutputChange(0);
    EXPECT_EQ(platform.opened, opened + 1);
    EXPECT_TRUE(output.IsOpen());
    EXPECT_FALSE(state().cmbOutput.visible);
    EXPECT_FALSE(state().cmbOutput.enabled);
}

using KeysAndLevels = PitchTrainerTest;

TEST_F(KeysAndLevels, AKeyChosenAtTheStartSoundsItsTonic) {
    const PitchMenuItem* item = findMenuItem(menus, state(), {"Key", "2 sharps", "D Major"});
    ASSERT_NE(item, nullptr);
    item->triggered(trainer);
    EXPECT_EQ(state().Key, "Key = D Major.");
    EXPECT_EQ(state().KeyIndex, 8);
    EXPECT_EQ(state().AnsShow, "Please play first scale step of new key.");
    EXPECT_TRUE(menuChecked({"Key", "2 sharps", "D Major"}));
    EXPECT_TRUE(menuChecked({"Key", "0 signature", "C Major"})) << "another radio group";
    EXPECT_EQ(state().StepList.mid(0, 3), (QStringList{"D3", "F#3", "A3"}));
    settle();
    EXPECT_EQ(state().QuestionPitch, 62);
    EXPECT_EQ(count(noteOn(62)), 1);
    EXPECT_EQ(count(noteOn(60)), 0);
    trainer.KeyClick(u"D3");
    EXPECT_EQ(state().AnsShow, "That is correct: D3");
}

TEST_F(KeysAndLevels, AKeyChangeDuringTheExerciseAsksTheSameStepInTheNewKey) {
    settle();
    answerRight();
    const int step = state().QuestionStep;
    const int reference = state().PreviousPitch;
    clearMidi();
    menu({"Key", "1 flat", "F Major"});
    EXPECT_EQ(state().Key, "Key = F Major.");
    EXPECT_EQ(state().AnsShow, "Please play second note.");
    EXPECT_TRUE(staffHas("b", 24, 4));
    EXPECT_TRUE(staffHas("b", 24, 60));
    // The reference note of the old key keeps its own accidental under the new signature.
    EXPECT_TRUE(staffHas("n", 74, state().ReferenceNoteY));
    settle();
    EXPECT_EQ(state().QuestionStep, step);
    EXPECT_EQ(state().LetterName, state().StepList.at(step));
    EXPECT_EQ(count(noteOn(reference)), 1) << "the reference note, then the question";
    EXPECT_EQ(count(noteOn(state().QuestionPitch)), 1);
    const QString expectedAccidental = state().LetterName.contains('b') ? "b" : "n";
    trainer.KeyClick(keyFor(state().QuestionPitch));
    EXPECT_EQ(state().Items, "2");
    EXPECT_TRUE(staffHas(expectedAccidental, 96, state().NoteY))
        << "the first answer in the new key is written with its accidental";
}

TEST_F(KeysAndLevels, ALevelAsksItsOwnStepsOnly) {
    settle();
    menu({"Scale Steps", "1,2,3,4,5,6,7,8"});
    EXPECT_EQ(state().QuestShw, "Scale-steps = 1, 2, 3, 4, 5, 6, 7, 8.");
    EXPECT_EQ(state().StepCount, 8);
    EXPECT_TRUE(menuChecked({"Scale Steps", "1,2,3,4,5,6,7,8"}));
    EXPECT_FALSE(menuChecked({"Scale Steps", "1,3,5"}));
    settle();
    QSet<QString> asked;
    for (int i = 0; i < 38; ++i) {
        asked.insert(state().LetterName);
        answerRight();
    }
    EXPECT_EQ(asked, (QSet<QString>{"C3", "D3", "E3", "F3", "G3", "A3", "B3", "C4"}));

    menu({"Scale Steps", "5-1-8 + Parallel 3"});
    EXPECT_EQ(state().QuestShw, "Scale-steps = 5 - 1 - 8 + parallel 3");
    EXPECT_EQ(state().StepCount, 12);
    EXPECT_TRUE(state().ParallelLevelActive);
}

TEST_F(KeysAndLevels, GbMajorUnderAParallelLevelBecomesFSharpMajor) {
    settle();
    menu({"Scale Steps", "1-8 + Parallel 3"});
    menu({"Key", "6 flats", "Gb Major"});
    EXPECT_EQ(dialogs.informations.count(
                  "F# Major/minor is the enharmonic equivalent to Gb Major/minor without double "
                  "flats."),
              1);
    EXPECT_EQ(state().Key, "Key = F# Major.");
    EXPECT_EQ(state().SignatureKind, "#");
    EXPECT_EQ(state().SignatureCount, 6);
    EXPECT_TRUE(menuChecked({"Key", "6 sharps", "F# Major"}));
    EXPECT_FALSE(menuChecked({"Key", "6 flats", "Gb Major"}));
    EXPECT_TRUE(menuChecked({"Scale Steps", "1-8 + Parallel 3"}));
    EXPECT_EQ(state().StepList.at(8), "A3") << "F# Major's parallel 3";
}

TEST_F(KeysAndLevels, DbMajorUnderAParallelLevelBecomesCSharpMinor) {
    settle();
    menu({"Scale Steps", "5-1-8 + Parallel 3,6"});
    menu({"Key", "5 flats", "Db Major"});
    EXPECT_EQ(dialogs.informations.count(
                  "C# minor/Major is the enharmonic equivalent to Db Major/minor without double "
                  "flats."),
              1);
    EXPECT_EQ(state().Key, "Key = C# Harmonic Minor.");
    EXPECT_EQ(state().SignatureKind, "#");
    EXPECT_EQ(state().SignatureCount, 4);
    EXPECT_EQ(state().signatureSubmenuMark, 7) << "\"4 sharps\" is marked";
    EXPECT_FALSE(menuChecked({"Key", "5 flats", "Db Major"}));
}

TEST_F(KeysAndLevels, AParallelLevelChosenInGbMajorMovesToFSharpMajor) {
    settle();
    menu({"Key", "6 flats", "Gb Major"});
    EXPECT_EQ(state().Key, "Key = Gb Major.") << "a plain level keeps Gb Major";
    EXPECT_TRUE(dialogs.informations.size() == 1);
    menu({"Scale Steps", "5-1-8 + Parallel 3,6,7"});
    EXPECT_EQ(dialogs.informations.count(
                  "F# Major/minor is the enharmonic equivalent to Gb Major/minor without double "
                  "flats."),
              1);
    EXPECT_EQ(state().Key, "Key = F# Major.");
    EXPECT_TRUE(menuChecked({"Scale Steps", "5-1-8 + Parallel 3,6,7"}));
    EXPECT_EQ(state().StepCount, 16);
}

TEST_F(KeysAndLevels, AParallelLevelReplacesOnlyTheKeyInUse) {
    settle();
    menu({"Key", "5 flats", "Db Major"});
    menu({"Key", "4 sharps", "E Major"});
    ASSERT_TRUE(menuChecked({"Key", "5 flats", "Db Major"})) << "another radio group";
    // The mark left on Db Major is not the key in use: E Major stays, without a message.
    const auto shown = dialogs.informations.size();
    menu({"Scale Steps", "1-8 + Parallel 3,6"});
    EXPECT_EQ(dialogs.informations.size(), shown);
    EXPECT_EQ(state().Key, "Key = E Major.");
    EXPECT_EQ(state().StepList.at(0), "E3");

    // Db Major in use: it hands over to C# Minor, once, and loses its mark.
    menu({"Key", "5 flats", "Db Major"});
    EXPECT_EQ(dialogs.informations.mid(shown),
              (QStringList{"C# minor/Major is the enharmonic equivalent to Db Major/minor "
                           "without double flats."}));
    EXPECT_EQ(state().Key, "Key = C# Harmonic Minor.");
    EXPECT_FALSE(menuChecked({"Key", "5 flats", "Db Major"}));
}

TEST_F(KeysAndLevels, NoteNamesFollowTheChosenNaming) {
    settle();
    trainer.SyllablesClick(); // while "Note Names Off" is marked
    EXPECT_EQ(key(QStringLiteral("C3")).caption, " ") << "names are off";
    trainer.KeyClick(u"C3");
    EXPECT_EQ(state().AnsShow, QString::fromUtf8("That is correct: Dó3"));
    menu({"Note Names On?", "Note Names On", "Letter Note Names"});
    EXPECT_EQ(state().noteNamesMenu.caption, "Note Names Off?");
    EXPECT_EQ(key(QStringLiteral("C3")).caption, "C");
    EXPECT_EQ(key(QStringLiteral("A1")).caption, "A");
    EXPECT_EQ(key(QStringLiteral("C3sharp")).caption, " ");
    menu({"Note Names Off?", "Note Names Off"});
    EXPECT_EQ(key(QStringLiteral("C3")).caption, "");
}

} // namespace
} // namespace tonewise
