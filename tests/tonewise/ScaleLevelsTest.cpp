#include "ScaleLevels.h"
#include "PianoKeyboard.h"
#include "SpelledPitchTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace tonewise;

namespace {

KeyStepTable tableOf(int keyIndex) {
    KeyStepTable table;
    SetDefaultKeyTable(table);
    applyKeyStepTable(table, MusicKeys()[keyIndex]);
    return table;
}

QStringList asked(const QStringList& stepList, const ScaleLevel& level) {
    return stepList.mid(0, level.StepCount);
}

// The KeyStepTable columns a plain level's caption names: steps before the first "1" lie below
// the tonic (7 is column 9, 6 column 10, 5 column 11).
std::set<int> columnsNamedBy(const QString& caption) {
    std::set<int> columns;
    bool belowTonic = true;
    for (const QString& step : caption.split(u',')) {
        const int number = step.toInt();
        if (number == 1)
            belowTonic = false;
        columns.insert(belowTonic ? 16 - number : number);
    }
    return columns;
}

} // namespace

TEST(ScaleLevels, TwentyOneLevelsInMenuOrder) {
    QStringList items;
    for (const ScaleLevel& level : ScaleLevels())
        items << level.item;
    EXPECT_EQ(items.join(' '), "Level0 Level1 Level2 Level6 Level3 Level5 Level8 Level4 Level7 "
                               "Level9 Level95 Level10 Level11 Level12 Level13 Mixed0 Mixed1 "
                               "Mixed2 Mixed3 Mixed4 Mixed5");
    const auto& levels = ScaleLevels();
    EXPECT_EQ(levels[0].QuestShwText, "Scale-steps = 1, 3, 5.");
    EXPECT_EQ(levels[16].caption, "1-8 + Parallel 3,6");
    EXPECT_EQ(levels[16].QuestShwText, "Scale-steps = 1 - 8 + Parallel 3,6.");
    EXPECT_EQ(levels[20].QuestShwText, "Scale-steps = 5 - 1 - 8 + parallel 3,6,7");
    EXPECT_EQ(findLevelByCaption(u" 1-8 + Parallel 3,6 "), &levels[16]);
    EXPECT_EQ(findLevelByCaption(u"1,2"), nullptr);
    for (const ScaleLevel& level : levels) {
        EXPECT_EQ(level.endsAutoAdvance, level.item == "Mixed5");
        EXPECT_EQ(level.silencesQuestionNote, level.item == "Level0");
        EXPECT_EQ(level.parallel, level.item.startsWith("Mixed"));
    }
}

TEST(ScaleLevels, EachLevelAsksTheStepsOfItsCaption) {
    for (const ScaleLevel& level : ScaleLevels()) {
        SCOPED_TRACE(level.caption.toStdString());
        std::set<int> order(level.columnOrder.begin(), level.columnOrder.end());
        EXPECT_EQ(order.size(), 16u);
        EXPECT_EQ(*order.begin(), 1);
        EXPECT_EQ(*order.rbegin(), 16);
        const std::set<int> askedColumns(level.columnOrder.begin(),
                                         level.columnOrder.begin() + level.StepCount);
        if (!level.parallel) {
            EXPECT_EQ(askedColumns, columnsNamedBy(level.caption));
            EXPECT_LE(level.StepCount, 11) << "more than 11 steps only in parallel levels";
            continue;
        }
        // The altered notes come after the plain ones: from position 8 in "1-8 + Parallel",
        // from position 11 in "5-1-8 + Parallel"; the staff relies on it.
        const int firstAltered = level.caption.startsWith(u'1') ? 8 : 11;
        for (int position = 0; position < level.StepCount; ++position)
            EXPECT_EQ(level.columnOrder[position] >= 12, position >= firstAltered) << position;
    }
}

TEST(ScaleLevels, StepListsOfTheTellingLevels) {
    const auto& levels = ScaleLevels();
    const QStringList cMajor135 = RebuildStepList(tableOf(CMajorIndex), levels[0]);
    EXPECT_EQ(cMajor135.join(' '), "C3 E3 G3 D3 F3 A3 B3 C4 B2 A2 G2 Eb3 Ab3 Ab2 Bb3 Bb2");
    EXPECT_EQ(asked(cMajor135, levels[0]).join(' '), "C3 E3 G3");

    const ScaleLevel& sevenToEight = *findLevelByCaption(u"7,1,2,3,4,5,6,7,8");
    EXPECT_EQ(asked(RebuildStepList(tableOf(1), sevenToEight), sevenToEight).join(' '),
              "A3 B3 C4 D4 E4 F4 G#4 A4 G#3");

    const ScaleLevel& mixed2 = *findLevelByCaption(u"1-8 + Parallel 3,6,7");
    EXPECT_EQ(asked(RebuildStepList(tableOf(CMajorIndex), mixed2), mixed2).join(' '),
              "C3 D3 E3 F3 G3 A3 B3 C4 Eb3 Ab3 Bb3");
    const ScaleLevel& mixed5 = levels[20];
    EXPECT_EQ(asked(RebuildStepList(tableOf(CMajorIndex), mixed5), mixed5).size(), 16);

    // Re-choosing a level rebuilds the same list.
    EXPECT_EQ(RebuildStepList(tableOf(5), mixed2), RebuildStepList(tableOf(5), mixed2));
}

TEST(ScaleLevels, AutoAdvanceOrderAndIntervalKeys) {
    for (int level = 0; level < LevelCount - 1; ++level)
        EXPECT_EQ(nextLevelIndex(level), level + 1);
    EXPECT_EQ(ScaleLevels()[nextLevelIndex(20)].caption, "5,6,7,1,2,3,4,5,6,7,8");

    const QStringList& fourteen = LevelIntervalKeys();
    EXPECT_EQ(fourteen.size(), 14);
    for (const char* untouched : {"B1", "E2", "F2", "B2"})
        EXPECT_FALSE(fourteen.contains(untouched));
    for (const ScaleLevel& level : ScaleLevels()) {
        for (const QString& key : level.intervalKeysOn) {
            EXPECT_TRUE(fourteen.contains(key)) << key.toStdString();
            EXPECT_GE(findKeyboardKey(key)->intervalSemitones, 1);
        }
    }
    const auto& levels = ScaleLevels();
    EXPECT_TRUE(levels[0].intervalKeysOn.isEmpty());
    EXPECT_EQ(levels[7].intervalKeysOn.join(' '), "C3 F3"); // "1,3,5,7"
    EXPECT_EQ(levels[12].intervalKeysOn.size(), 10);        // as "1,...,8" plus A3
    EXPECT_TRUE(levels[12].intervalKeysOn.contains("A3"));
    EXPECT_EQ(levels[13].intervalKeysOn.size(), 13);
    EXPECT_FALSE(levels[13].intervalKeysOn.contains("E4"));
    for (int level : {14, 18, 19, 20})
        EXPECT_EQ(levels[level].intervalKeysOn, fourteen);
}

TEST(ScaleLevels, ParallelLevelsReplaceDbAndGbMajorWithTheirMessages) {
    const auto& levels = ScaleLevels();
    EXPECT_FALSE(replacementOnLevelSelect(levels[14], DbMajorIndex));
    EXPECT_FALSE(replacementOnLevelSelect(levels[15], CMajorIndex));
    const auto db = replacementOnLevelSelect(levels[15], DbMajorIndex);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->byKey, CsharpMinorIndex);
    EXPECT_EQ(db->message, "C# minor/Major is the enharmonic equivalent to Db Major/minor without "
                           "double flats.");
    const auto gb = replacementOnLevelSelect(levels[18], GbMajorIndex);
    ASSERT_TRUE(gb);
    EXPECT_EQ(gb->byKey, FsharpMajorIndex);
    EXPECT_EQ(gb->message, "F# Major/minor is the enharmonic equivalent of Gb Major/minor without "
                           "double flats.");
    EXPECT_EQ(levels[20].dbMessage, "C# Minor/Major is the enharmonic equivalent to Db "
                                    "Major/minor without double flats.");
    EXPECT_EQ(levels[20].gbMessage, "F# Major/minor is the enharmonic equivalent to Gb "
                                    "Major/minor without double flats.");
}

// Whatever key was chosen before (Db and Gb Major keep its parallel columns), every asked name
// is a row of the table and can be played on the keyboard, an octave lower too.
TEST(ScaleLevels, EveryKeyAndLevelAsksPlayableSpelledPitches) {
    for (int previous = 0; previous < KeyCount; ++previous) {
        for (const MusicKey& chosen : MusicKeys()) {
            for (const ScaleLevel& level : ScaleLevels()) {
                int keyIndex = chosen.KeyIndex;
                if (const auto replacement = replacementOnLevelSelect(level, keyIndex))
                    keyIndex = replacement->byKey;
                KeyStepTable table;
                SetDefaultKeyTable(table);
                applyKeyStepTable(table, MusicKeys()[previous]);
                applyKeyStepTable(table, MusicKeys()[keyIndex]);
                const QStringList stepList = RebuildStepList(table, level);
                ASSERT_EQ(stepList.size(), 16);
                for (int step = 0; step < level.StepCount; ++step) {
                    const auto position = spelledPositionOf(stepList[step]);
                    ASSERT_TRUE(position)
                        << chosen.caption.toStdString() << " " << level.caption.toStdString() << " "
                        << stepList[step].toStdString();
                    const int sounding = SpelledPitchTable()[*position].midi;
                    const int lower = ApplySpelledIndex(OctaveLower(*position), 0).QuestionPitch;
                    EXPECT_EQ(lower, sounding - 12);
                    EXPECT_TRUE(keyboardKeyForMidi(sounding));
                    EXPECT_TRUE(keyboardKeyForMidi(lower));
                }
            }
        }
    }
}
