#include "NoteStringTiming.h"
#include "TrainerHarness.h"

#include "Tempo.h"

namespace {

const QString kEmpty = QStringLiteral("   ");

RhythmState::Row startRow() {
    RhythmState::Row row;
    row.fill(kEmpty);
    row[0] = QStringLiteral("ee ");
    row[1] = QStringLiteral("q");
    row[9] = QStringLiteral("q");
    row[10] = QString();
    return row;
}

} // namespace

// --- Start-up
// -------------------------------------------------------------------------------------

TEST_F(TrainerTest, StartsInSimpleMeterAtLevel3WithNothingScored) {
    const RhythmState& s = state();
    EXPECT_EQ(s.meter, Meter::Simple);
    EXPECT_EQ(s.simpleLevelMark, 3);
    EXPECT_EQ(s.compoundLevelMark, 3);
    EXPECT_EQ(s.PatternCount, 3);
    EXPECT_EQ(s.LevelLabel, QStringLiteral("Simple/3"));
    EXPECT_EQ(visibleButtons(), 3);
    EXPECT_TRUE(s.patternButtons[2].visible && s.patternButtons[2].enabled);
    EXPECT_FALSE(s.patternButtons[3].visible || s.patternButtons[3].enabled);
    EXPECT_EQ(s.patternButtons[1].caption, QStringLiteral("ee "));
    EXPECT_EQ(s.Speed, 72);
    EXPECT_TRUE(s.PlayParts.isEmpty());
    EXPECT_EQ(s.QuestionPatterns, (std::array<int, 7>{}));
    EXPECT_FALSE(s.Repetir.enabled);
    EXPECT_TRUE(s.StartButton.enabled);
    EXPECT_FALSE(s.DisplayAnsVisible);
    EXPECT_EQ(s.ShowRes, startRow());
    EXPECT_EQ(s.AnswerCursor, 2);
    EXPECT_EQ(s.MarkedColumn, 0);
    EXPECT_EQ(s.HearingCount + s.QuestionCount + s.TotalBeats + s.CorrectBeats, 0);
    EXPECT_FALSE(s.QuestionOpen || s.ScorePending);
    EXPECT_TRUE(s.Score.isEmpty() && s.Items.isEmpty() && s.AvRepeats.isEmpty());
    EXPECT_EQ(s.AnsDisplay.caption, QStringLiteral("Check Answer"));
    EXPECT_EQ(s.autoAdvance, AutoAdvance::On);
    EXPECT_EQ(s.AdvanceAnswers, QStringLiteral("20"));
    EXPECT_EQ(s.AdvanceScore, QStringLiteral("90"));
    EXPECT_EQ(s.AdvanceProgress, -1);
    EXPECT_EQ(s.quizMode, QuizMode::Off);
    EXPECT_TRUE(s.prepareQuizEnabled);
    EXPECT_FALSE(s.quizInProgressEnabled);
    EXPECT_FALSE(s.QuizJustEnded);
    EXPECT_TRUE(s.ScoresName.isEmpty() && s.QuizQuestions.isEmpty());
}

// --- Meter and level
// ------------------------------------------------------------------------------

TEST_F(TrainerTest, LevelsShowTheirButtonsAndHighestLevelsEndAutoAdvance) {
    trainer.Level9Click();
    EXPECT_EQ(visibleButtons(), 13);
    EXPECT_TRUE(state().patternButtons[12].visible); // n
    EXPECT_FALSE(state().patternButtons[13].visible || state().patternButtons[14].visible);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Simple/13"));
    EXPECT_EQ(state().simpleLevelMark, 13);
    EXPECT_EQ(state().autoAdvance, AutoAdvance::On);

    trainer.Level11Click();
    EXPECT_EQ(visibleButtons(), 15);
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);

    trainer.On1Click();
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("This is the highest level in simple meter! Congratulations!"));
    EXPECT_TRUE(dialogs.inputsAsked.empty());
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
}

TEST_F(TrainerTest, CompoundMeterRelabelsSevenButtonsAndKeepsTheLevelUntilOneIsChosen) {
    trainer.Level1Click(); // simple, 5 patterns
    trainer.CompoundClick();
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Check Rhythm"));
    EXPECT_EQ(state().ShowRes[0], QStringLiteral("eee "));
    EXPECT_EQ(state().ShowRes[1], QStringLiteral("q   ."));
    EXPECT_EQ(state().PatternCount, 5);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Simple/5"));
    trainer.Level0Click(); // compound, 4 patterns
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Compound/4"));
    EXPECT_EQ(state().compoundLevelMark, 4);
    EXPECT_EQ(visibleButtons(), 4);
    const char16_t* captions[] = {u"q   .", u"eee ", u"  q  e ", u"e q"};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(state().patternButtons[static_cast<std::size_t>(i)].caption,
                  QString::fromUtf16(captions[i]));

    // In compound meter k shows "ä q" and writes "  ä  q"; l writes "ä ä e".
    trainer.Level3Click();
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off); // 7 is the highest compound level
    EXPECT_EQ(state().patternButtons[6].caption, QStringLiteral("\u00E4 q"));
    trainer.kClick();
    trainer.lClick();
    EXPECT_EQ(state().ShowRes[2], QStringLiteral("  \u00E4  q"));
    EXPECT_EQ(state().ShowRes[3], QStringLiteral("\u00E4 \u00E4 e"));

    // Back to simple: the level stays, the captions return, the rest stays hidden.
    trainer.SimpleClick();
    EXPECT_EQ(state().PatternCount, 7);
    EXPECT_EQ(state().patternButtons[6].caption, QStringLiteral("\u00E4  xx "));
    EXPECT_EQ(visibleButtons(), 7);
    EXPECT_FALSE(state().Repetir.enabled);
    trainer.kClick();
    EXPECT_EQ(state().ShowRes[2], QStringLiteral("\u00E4  xx"));
    trainer.Level4Click();
    EXPECT_EQ(visibleButtons(), 8);
}

TEST_F(TrainerTest, LevelThreeMarksBothThreePatternItems) {
    trainer.Level2Click();
    trainer.CompoundClick();
    trainer.Level2Click();
    EXPECT_EQ(state().simpleLevelMark, 6);
    EXPECT_EQ(state().compoundLevelMark, 6);
    trainer.LevelXClick();
    EXPECT_EQ(state().compoundLevelMark, 3);
    EXPECT_EQ(state().simpleLevelMark, 3);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Compound/3"));
}

TEST_F(TrainerTest, CompoundMeterBringsAHigherSimpleLevelDownToSeven) {
    trainer.Level8Click(); // 12 patterns
    trainer.CompoundClick();
    EXPECT_EQ(state().PatternCount, 7);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Compound/7"));
    EXPECT_EQ(state().compoundLevelMark, 7);
    EXPECT_EQ(visibleButtons(), 7);
    for (int q = 0; q < 30; ++q) {
        trainer.StartButtonClick();
        for (int p : state().QuestionPatterns)
            ASSERT_LT(p, 7);
        EXPECT_EQ(state().PlayParts.size(), 10);
    }
}

TEST_F(TrainerTest, PassingOverCompoundGivesTheSimpleLevelBack) {
    trainer.Level6Click(); // simple, 10 patterns
    trainer.CompoundClick();
    ASSERT_EQ(state().LevelLabel, QStringLiteral("Compound/7"));
    trainer.SimpleClick(); // the menu closes without a level chosen
    EXPECT_EQ(state().meter, Meter::Simple);
    EXPECT_EQ(state().PatternCount, 10);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Simple/10"));
    EXPECT_EQ(state().simpleLevelMark, 10);
    EXPECT_EQ(state().compoundLevelMark, 3);
    EXPECT_EQ(visibleButtons(), 10);

    // A quiz prepared now records the simple level it is played at.
    trainer.Level4Click(); // 8 patterns
    dialogs.inputAnswers = {QStringLiteral("Hover"), QStringLiteral("1")};
    dialogs.confirmAnswers = {true};
    trainer.PrepareQuizClick();
    trainer.Level5Click(); // 9 patterns
    trainer.CompoundClick();
    trainer.SimpleClick();
    dialogs.confirmAnswers = {true, false, false};
    answerQuestion();
    EXPECT_TRUE(store.read(QStringLiteral("Hover"))
                    .lines.value(0)
                    .contains(QStringLiteral("Rhythm Patterns = Simple/9,")));

    // A compound level chosen after the guard is kept when the meter changes back.
    trainer.Level8Click();
    trainer.CompoundClick();
    trainer.Level2Click(); // compound, 6 patterns
    trainer.SimpleClick();
    EXPECT_EQ(state().PatternCount, 6);
    EXPECT_EQ(state().compoundLevelMark, 6);
}

TEST_F(TrainerTest, LevelChangesKeepTheAnswerQuestionAndScore) {
    answerQuestion();
    trainer.StartButtonClick();
    trainer.qClick();
    const RhythmState before = state();
    player.playing = true;
    trainer.Level1Click();
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(state().ShowRes, before.ShowRes);
    EXPECT_EQ(state().DisplayAns, before.DisplayAns);
    EXPECT_EQ(state().PlayParts, before.PlayParts);
    EXPECT_EQ(state().Score, before.Score);
    EXPECT_EQ(state().QuestionOpen, before.QuestionOpen);
}

// --- Questions and sound
// --------------------------------------------------------------------------

TEST_F(TrainerTest, NextQuestionDrawsPlaysAndShowsTenParts) {
    player.playing = true;
    trainer.StartButtonClick();
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(dialogs.confirmations, QStringList{QStringLiteral("Are You certain?")});
    EXPECT_EQ(player.channel, 9);
    EXPECT_TRUE(state().Repetir.enabled);
    EXPECT_TRUE(state().QuestionOpen && state().ScorePending);
    EXPECT_EQ(state().HearingCount, 1);
    ASSERT_EQ(state().PlayParts.size(), 10);
    ASSERT_EQ(player.played.size(), 1);
    EXPECT_EQ(player.played[0], state().PlayParts.join(QString()));

    const TempoDurations d = Tempo::durations(Tempo::factor(72));
    for (int beat = 0; beat < 7; ++beat) {
        const int p = state().QuestionPatterns[static_cast<std::size_t>(beat)];
        const int column = beat + 2;
        EXPECT_EQ(state().DisplayAns[static_cast<std::size_t>(column)],
                  *RhythmCatalogue::answerGlyph(Meter::Simple, p));
        // Low and high congas alternate, starting low.
        const QString note = column % 2 == 0 ? QStringLiteral("N64") : QStringLiteral("N63");
        EXPECT_EQ(state().PlayParts[column], *RhythmCatalogue::beatPart(Meter::Simple, p, note, d));
    }
    EXPECT_EQ(state().DisplayAns[0], QStringLiteral("ee "));
    EXPECT_EQ(state().DisplayAns[9], QStringLiteral("q"));
    EXPECT_FALSE(state().DisplayAnsVisible);
}

TEST_F(TrainerTest, DecliningAreYouCertainChangesNothingButTheStop) {
    answerQuestion();
    const RhythmState before = state();
    player.playing = true;
    dialogs.confirmAnswers = {false};
    trainer.StartButtonClick();
    EXPECT_EQ(player.stops, 1);
    EXPECT_EQ(player.played.size(), 1);
    EXPECT_EQ(state().QuestionPatterns, before.QuestionPatterns);
    EXPECT_EQ(state().ShowRes, before.ShowRes);
    EXPECT_EQ(state().HearingCount, before.HearingCount);
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Hide Answer"));
}

TEST_F(TrainerTest, SevenQuarterBeatsAtTempo60SoundWhereTheyShould) {
    // Before the first question the stored beats are all quarter notes.
    trainer.SpeedChange(60);
    const auto timing = NoteStringTiming::of(state().PlayParts.join(QString()));
    std::vector<int> times;
    std::vector<int> keys;
    for (const TimedNote& note : timing.notes) {
        times.push_back(note.time);
        keys.push_back(note.key);
    }
    EXPECT_EQ(times, (std::vector<int>{0, 50, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    EXPECT_EQ(keys, (std::vector<int>{50, 50, 65, 64, 63, 64, 63, 64, 63, 64, 48}));
    EXPECT_TRUE(player.played.isEmpty()); // a tempo change plays nothing
}

TEST_F(TrainerTest, CompoundQuestionAtTempo60KeepsItsBeatsOnTheGrid) {
    trainer.CompoundClick();
    trainer.Level3Click();
    trainer.SpeedChange(60);
    trainer.StartButtonClick();
    int time = 0;
    std::vector<int> starts;
    for (const QString& part : state().PlayParts) {
        starts.push_back(time);
        time += NoteStringTiming::of(part).end;
    }
    EXPECT_EQ(starts, (std::vector<int>{0, 99, 198, 297, 396, 495, 594, 693, 792, 891}));
    const auto clicks = NoteStringTiming::of(state().PlayParts[0]).notes;
    ASSERT_EQ(clicks.size(), 3u);
    EXPECT_EQ(clicks[1].time, 33);
    EXPECT_EQ(clicks[2].time, 66);
    EXPECT_EQ(state().DisplayAns[0], QStringLiteral("eee "));
    EXPECT_EQ(state().DisplayAns[9], QStringLiteral("q   ."));
}

TEST_F(TrainerTest, RepeatStopsOrReplaysAndCountsOnlyOpenQuestions) {
    trainer.StartButtonClick();
    trainer.RepetirClick();
    trainer.RepetirClick();
    EXPECT_EQ(player.played.size(), 3);
    EXPECT_EQ(player.played[2], player.played[0]);
    player.playing = true;
    trainer.RepetirClick(); // stops only
    EXPECT_EQ(player.played.size(), 3);
    EXPECT_EQ(state().HearingCount, 3);
    enterAnswer();
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().AvRepeats, QStringLiteral("3.00"));
    trainer.RepetirClick(); // after checking: heard, not counted
    EXPECT_EQ(player.played.size(), 4);
    EXPECT_EQ(state().HearingCount, 3);
}

TEST_F(TrainerTest, TwoQuestionsWithoutCheckingCountOneHearing) {
    trainer.StartButtonClick();
    trainer.StartButtonClick();
    EXPECT_EQ(state().HearingCount, 1);
    enterAnswer();
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().QuestionCount, 1);
    EXPECT_EQ(state().AvRepeats, QStringLiteral("1.00"));
}

TEST_F(TrainerTest, ATempoChangePlaysTheSameBeatsAtTheNewTempo) {
    trainer.Level11Click();
    trainer.StartButtonClick();
    const auto patterns = state().QuestionPatterns;
    trainer.SpeedChange(36);
    trainer.RepetirClick();
    const TempoDurations d = Tempo::durations(1.66);
    QString expected = RhythmCatalogue::framePart(Meter::Simple, 0, d) +
                       RhythmCatalogue::framePart(Meter::Simple, 1, d);
    for (int beat = 0; beat < 7; ++beat)
        expected +=
            *RhythmCatalogue::beatPart(Meter::Simple, patterns[static_cast<std::size_t>(beat)],
                                       RhythmCatalogue::beatNote(beat + 2), d);
    expected += RhythmCatalogue::framePart(Meter::Simple, 9, d);
    EXPECT_EQ(player.played.last(), expected);
    EXPECT_TRUE(expected.startsWith(QStringLiteral("N50;82, 82;N50;82, 82;N65;165, 165;")));
    EXPECT_EQ(state().QuestionPatterns, patterns);
    EXPECT_EQ(state().Speed, 36);

    // After a switch of meter the stored question is still rebuilt in its own meter.
    trainer.CompoundClick();
    trainer.SpeedChange(60);
    ASSERT_EQ(state().PlayParts.size(), 10);
    EXPECT_EQ(state().PlayParts[1], QStringLiteral("N65;100, 100;"));
}

TEST_F(TrainerTest, AllNotesOffSends127SilentNotes) {
    trainer.AllNotesOff1Click();
    ASSERT_EQ(player.played.size(), 127);
    EXPECT_EQ(player.played.first(), QStringLiteral("00;N0;00, "));
    EXPECT_EQ(player.played.last(), QStringLiteral("00;N126;00, "));
}

// --- Answers and score
// ----------------------------------------------------------------------------

TEST_F(TrainerTest, ScoresAreCumulativeAndTruncated) {
    answerQuestion();
    EXPECT_EQ(state().Score, QStringLiteral("100.00%"));
    EXPECT_EQ(state().Items, QStringLiteral("1"));
    EXPECT_EQ(state().AvRepeats, QStringLiteral("1.00"));
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Hide Answer"));
    EXPECT_TRUE(state().DisplayAnsVisible);

    answerQuestion(1);
    EXPECT_EQ(state().Score, QStringLiteral("92.85%")); // 13 of 14
    EXPECT_EQ(state().wrongCells[2], true);
    EXPECT_EQ(std::count(state().wrongCells.begin(), state().wrongCells.end(), true), 1);

    trainer.RestScoreClick();
    answerQuestion(1);
    EXPECT_EQ(state().Score, QStringLiteral("85.71%"));
    EXPECT_DOUBLE_EQ(state().LastScore, 600.0 / 7.0);
}

TEST_F(TrainerTest, MissingBeatsAreWrongAndFramedUntilTheRowChanges) {
    trainer.StartButtonClick();
    for (int beat = 0; beat < 4; ++beat)
        click(state().QuestionPatterns[static_cast<std::size_t>(beat)]);
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().CorrectBeats, 4);
    for (int column = 2; column <= 8; ++column)
        EXPECT_EQ(state().wrongCells[static_cast<std::size_t>(column)], column >= 6) << column;

    // Writing a framed cell takes its frame away; the others stay.
    trainer.ShowResMouseDown(6);
    trainer.qClick();
    EXPECT_FALSE(state().wrongCells[6]);
    EXPECT_TRUE(state().wrongCells[7]);
    trainer.EraseAllChdsClick();
    EXPECT_EQ(std::count(state().wrongCells.begin(), state().wrongCells.end(), true), 0);
}

TEST_F(TrainerTest, EntryRunsToColumnNineThenRefusesWithTheButtonsMessage) {
    trainer.StartButtonClick();
    enterAnswer();
    trainer.wClick(); // the eighth click overwrites the closing beat
    EXPECT_EQ(state().ShowRes[9], QStringLiteral("ee"));
    EXPECT_EQ(state().AnswerCursor, 10);
    const auto row = state().ShowRes;
    trainer.wClick();
    trainer.qClick();
    EXPECT_EQ(dialogs.informations,
              (QStringList{QStringLiteral("That was the last beat to answer."),
                           QStringLiteral("That was the last beat.")}));
    EXPECT_EQ(state().ShowRes, row);
    // Column 9 is never compared.
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().Score, QStringLiteral("100.00%"));
}

TEST_F(TrainerTest, ClickingACellMovesTheEntryPointAndMarksIt) {
    trainer.StartButtonClick();
    trainer.ShowResMouseDown(4);
    EXPECT_EQ(state().entryFrameColumn, 4);
    EXPECT_EQ(state().MarkedColumn, 4);
    trainer.wClick();
    EXPECT_EQ(state().ShowRes[4], QStringLiteral("ee"));
    EXPECT_EQ(state().AnswerCursor, 5);
    EXPECT_EQ(state().entryFrameColumn, -1);

    trainer.ShowResMouseDown(7);
    EXPECT_EQ(state().entryFrameColumn, 7);
    trainer.ShowResMouseDown(7); // the same cell twice: unmarked
    EXPECT_EQ(state().entryFrameColumn, -1);
    EXPECT_EQ(state().AnswerCursor, 7);
    trainer.ShowResMouseDown(0); // count-in cells can be written too
    trainer.uClick();
    EXPECT_EQ(state().ShowRes[0], QStringLiteral("13q"));
}

TEST_F(TrainerTest, CheckingWithoutAnOpenQuestionOnlyHidesTheQuestionRow) {
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().QuestionCount, 0);
    EXPECT_TRUE(state().Items.isEmpty());
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Check Answer"));

    answerQuestion();
    trainer.AnsDisplayClick(); // "Hide Answer"
    EXPECT_FALSE(state().DisplayAnsVisible);
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Check Answer"));
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().QuestionCount, 1);
    EXPECT_EQ(state().TotalBeats, 7);
}

TEST_F(TrainerTest, CheckRhythmCountsTheQuestionWithoutScoringIt) {
    trainer.StartButtonClick();
    trainer.CompoundClick();
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().Items, QStringLiteral("1"));
    EXPECT_EQ(state().AvRepeats, QStringLiteral("1.00"));
    EXPECT_EQ(state().TotalBeats, 0);
    EXPECT_TRUE(state().Score.isEmpty());
    EXPECT_FALSE(state().DisplayAnsVisible);
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Check Rhythm"));
    EXPECT_DOUBLE_EQ(state().LastScore, 1.0); // the hearings average
    trainer.StartButtonClick();
    EXPECT_EQ(state().AnsDisplay.caption, QStringLiteral("Check Answer"));
}

TEST_F(TrainerTest, ResetScoreStartsANewCountWithoutTheOpenQuestion) {
    answerQuestion(2);
    trainer.StartButtonClick();
    trainer.qClick();
    trainer.RestScoreClick();
    EXPECT_EQ(state().QuestionCount + state().TotalBeats + state().CorrectBeats +
                  state().HearingCount,
              0);
    EXPECT_TRUE(state().Score.isEmpty() && state().Items.isEmpty() && state().AvRepeats.isEmpty());
    EXPECT_EQ(state().ShowRes[2], kEmpty);
    EXPECT_EQ(state().AdvanceProgress, 0); // -1 at start-up, one question answered

    // The question heard before the reset is not part of the new count: checking it counts
    // nothing, and the next question's first hearing is counted.
    trainer.AnsDisplayClick();
    EXPECT_EQ(state().QuestionCount, 0);
    EXPECT_TRUE(state().AvRepeats.isEmpty());
    answerQuestion();
    EXPECT_EQ(state().Items, QStringLiteral("1"));
    EXPECT_EQ(state().AvRepeats, QStringLiteral("1.00"));
    EXPECT_EQ(state().Score, QStringLiteral("100.00%"));
}

// --- Auto-advance
// ---------------------------------------------------------------------------------

namespace {

bool isOffer(const QString& text) {
    return text.startsWith(QLatin1String("Congratulations! You have at least "));
}

} // namespace

TEST_F(TrainerTest, FirstOfferComesAtTheTwentySecondQuestionFromStartUp) {
    for (int question = 1; question <= 21; ++question)
        answerQuestion();
    EXPECT_FALSE(dialogs.confirmations.filter(QStringLiteral("Congratulations")).size());
    dialogs.confirmAnswers = {true, true}; // "Are You certain?", then the offer
    trainer.StartButtonClick();
    EXPECT_EQ(dialogs.confirmations.last(),
              QStringLiteral("Congratulations! You have at least 20 correct answers with a score "
                             "of 90% or better. Advance to next level?"));
    EXPECT_EQ(state().PatternCount, 4);
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Simple/4"));
    EXPECT_EQ(state().AdvanceProgress, 0);
    // The new question is drawn at the new level.
    EXPECT_EQ(visibleButtons(), 4);
}

TEST_F(TrainerTest, AfterSwitchingOnTheOfferComesAtTheTwentyFirstQuestion) {
    dialogs.inputAnswers = {QStringLiteral("20"), QStringLiteral("90")};
    trainer.On1Click();
    EXPECT_EQ(state().AdvanceProgress, 0);
    for (int question = 1; question <= 20; ++question)
        answerQuestion();
    dialogs.confirmAnswers = {true, false}; // No to the offer
    trainer.StartButtonClick();
    ASSERT_TRUE(isOffer(dialogs.confirmations.last()));
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    EXPECT_EQ(state().PatternCount, 3);
}

TEST_F(TrainerTest, TheScoreMustExceedTheThreshold) {
    dialogs.inputAnswers = {QStringLiteral("20"), QStringLiteral("90")};
    trainer.On1Click();
    for (int question = 1; question <= 20; ++question)
        answerQuestion(question <= 14 ? 1 : 0); // 126 of 140 beats: exactly 90%
    trainer.StartButtonClick();
    EXPECT_EQ(dialogs.confirmations.filter(QStringLiteral("Congratulations")).size(), 0);
    enterAnswer();
    trainer.AnsDisplayClick(); // 133 of 147
    trainer.StartButtonClick();
    EXPECT_EQ(dialogs.confirmations.filter(QStringLiteral("Congratulations")).size(), 1);
}

TEST_F(TrainerTest, AdvancingToTheHighestLevelEndsAutoAdvance) {
    trainer.Level10Click(); // 14 patterns
    dialogs.inputAnswers = {QStringLiteral("1"), QStringLiteral("50")};
    trainer.On1Click();
    answerQuestion();
    trainer.StartButtonClick();
    EXPECT_EQ(state().PatternCount, 15);
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
}

TEST_F(TrainerTest, CompoundMeterAdvancesThreeToSeven) {
    trainer.CompoundClick();
    trainer.LevelXClick();
    dialogs.inputAnswers = {QStringLiteral("1"), QStringLiteral("50")};
    trainer.On1Click();
    EXPECT_EQ(dialogs.inputsAsked[1].prompt, QStringLiteral("What score??"));
    std::vector<int> levels;
    for (int question = 0; question < 6; ++question) {
        answerQuestion();
        levels.push_back(state().PatternCount);
    }
    EXPECT_EQ(levels, (std::vector<int>{3, 4, 5, 6, 7, 7}));
    EXPECT_EQ(state().LevelLabel, QStringLiteral("Compound/7"));
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    trainer.On1Click();
    EXPECT_EQ(dialogs.informations.last(),
              QStringLiteral("This is the highest level in compound meter! Congratulations!"));
}

TEST_F(TrainerTest, ThresholdsAreWholeNumbersAboveZeroInBothMeters) {
    dialogs.inputAnswers = {QStringLiteral("abc"), QStringLiteral("95")};
    trainer.On1Click();
    EXPECT_EQ(state().AdvanceAnswers, QStringLiteral("20"));
    EXPECT_EQ(state().AdvanceScore, QStringLiteral("95"));
    EXPECT_EQ(dialogs.inputsAsked[0].caption, QStringLiteral("AutoAdvance : Correct answers?"));
    EXPECT_EQ(dialogs.inputsAsked[0].prompt, QStringLiteral("How many correct answers?"));
    EXPECT_EQ(dialogs.inputsAsked[1].caption, QStringLiteral("AutoAdvance : Score?"));
    EXPECT_EQ(dialogs.inputsAsked[1].prompt, QStringLiteral("What percent correct answers?"));
    EXPECT_EQ(dialogs.inputsAsked[1].defaultText, QStringLiteral("90"));

    dialogs.inputAnswers = {QStringLiteral("0"), QStringLiteral(" 07 ")};
    trainer.On1Click();
    EXPECT_EQ(state().AdvanceAnswers, QStringLiteral("20"));
    EXPECT_EQ(state().AdvanceScore, QStringLiteral("7"));

    trainer.CompoundClick();
    dialogs.inputAnswers = {QStringLiteral("many"), QStringLiteral("-5")};
    trainer.On1Click();
    EXPECT_EQ(state().AdvanceAnswers, QStringLiteral("20"));
    EXPECT_EQ(state().AdvanceScore, QStringLiteral("90"));
    trainer.StartButtonClick(); // the test at the next question reads them
    EXPECT_EQ(state().PlayParts.size(), 10);
}

TEST_F(TrainerTest, CancellingTheThresholdBoxes) {
    trainer.Off1Click();
    dialogs.inputAnswers = {std::nullopt, QStringLiteral("80")};
    trainer.On1Click(); // first box cancelled: the marks stay
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    EXPECT_EQ(state().AdvanceScore, QStringLiteral("80"));

    dialogs.inputAnswers = {QStringLiteral("5"), std::nullopt};
    trainer.On1Click(); // second box cancelled: off
    EXPECT_EQ(state().autoAdvance, AutoAdvance::Off);
    EXPECT_EQ(state().AdvanceAnswers, QStringLiteral("5"));

    dialogs.inputAnswers = {QStringLiteral("5"), QStringLiteral("80")};
    trainer.On1Click();
    EXPECT_EQ(state().autoAdvance, AutoAdvance::On);
    EXPECT_EQ(state().AdvanceProgress, 0);
}
