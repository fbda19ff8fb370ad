#include "ScaleLevels.h"

#include <algorithm>

namespace tonewise {

namespace {

struct LevelRow {
    const char* item;
    const char* caption;
    const char* questShw;
    const char* columns; // empty: columns 1 to 16 in order
    int stepCount;
    const char* intervalKeys;
};

constexpr const char* StepsUpToFive = "C2 D2 G2";
constexpr const char* UpToOctave = "C2 D2 G2 A2 C3 D3 E3 F3 G3";
constexpr const char* AllIntervalKeys = "C2 D2 G2 A2 C3 D3 E3 F3 G3 A3 B3 C4 D4 E4";

constexpr LevelRow LevelRows[LevelCount] = {
    {"Level0", "1,3,5", "Scale-steps = 1, 3, 5.", "1 3 5 2 4 6 7 8 9 10 11 12 13 14 15 16", 3, ""},
    {"Level1", "1,2,3,5", "Scale-steps = 1, 2, 3, 5.", "1 3 5 2 4 6 7 8 9 10 11 12 13 14 15 16", 4,
     StepsUpToFive},
    {"Level2", "1,3,4,5", "Scale-steps = 1, 3, 4, 5.", "1 3 5 4 2 6 7 8 9 10 11 12 13 14 15 16", 4,
     StepsUpToFive},
    {"Level6", "1,2,3,4,5", "Scale-steps = 1, 2, 3, 4, 5.", "", 5, StepsUpToFive},
    {"Level3", "1,3,5,6", "Scale-steps = 1, 3, 5, 6.", "1 3 5 6 2 4 7 8 9 10 11 12 13 14 15 16", 4,
     "C2 D2 G2 C3 D3"},
    {"Level5", "1,2,3,5,6", "Scale-steps = 1, 2, 3, 5, 6.",
     "1 2 3 5 6 4 7 8 9 10 11 12 13 14 15 16", 5, "C2 D2 G2 A2 C3 D3"},
    {"Level8", "1,2,3,4,5,6", "Scale-steps = 1, 2, 3, 4, 5, 6.", "", 6, "C2 D2 G2 A2 C3 D3"},
    {"Level4", "1,3,5,7", "Scale-steps = 1, 3, 5, 7.", "1 3 5 7 2 4 6 8 9 10 11 12 13 14 15 16", 4,
     "C3 F3"},
    {"Level7", "1,3,4,5,7", "Scale-steps = 1, 3, 4, 5, 7.",
     "1 3 4 5 7 2 6 8 9 10 11 12 13 14 15 16", 5, "C2 D2 G2 A2 C3 F3"},
    {"Level9", "1,3,4,5,6,7", "Scale-steps = 1, 3, 4, 5, 6, 7.",
     "1 3 4 5 6 7 2 8 9 10 11 12 13 14 15 16", 6, "C2 D2 G2 A2 C3 D3 F3"},
    {"Level95", "1,2,3,4,5,6,7", "Scale-steps = 1, 2, 3, 4, 5, 6, 7.", "", 7,
     "C2 D2 G2 A2 C3 D3 F3"},
    {"Level10", "1,2,3,4,5,6,7,8", "Scale-steps = 1, 2, 3, 4, 5, 6, 7, 8.", "", 8, UpToOctave},
    {"Level11", "7,1,2,3,4,5,6,7,8", "Scale-steps = 7, 1, 2, 3, 4, 5, 6, 7, 8.", "", 9,
     "C2 D2 G2 A2 C3 D3 E3 F3 G3 A3"},
    {"Level12", "6,7,1,2,3,4,5,6,7,8", "Scale-steps = 6, 7, 1, 2, 3, 4, 5, 6, 7, 8.", "", 10,
     "C2 D2 G2 A2 C3 D3 E3 F3 G3 A3 B3 C4 D4"},
    {"Level13", "5,6,7,1,2,3,4,5,6,7,8", "Scale-steps = 5, 6, 7, 1, 2, 3, 4, 5, 6, 7, 8.", "", 11,
     AllIntervalKeys},
    {"Mixed0", QT_TRANSLATE_NOOP("PitchMenus", "1-8 + Parallel 3"),
     "Scale-steps = 1 - 8 + Parallel 3.", "1 2 3 4 5 6 7 8 12 9 10 11 13 14 15 16", 9, UpToOctave},
    {"Mixed1", QT_TRANSLATE_NOOP("PitchMenus", "1-8 + Parallel 3,6"),
     "Scale-steps = 1 - 8 + Parallel 3,6.", "1 2 3 4 5 6 7 8 12 13 9 10 11 14 15 16", 10,
     UpToOctave},
    {"Mixed2", QT_TRANSLATE_NOOP("PitchMenus", "1-8 + Parallel 3,6,7"),
     "Scale-steps = 1 - 8 + Parallel 3,6,7.", "1 2 3 4 5 6 7 8 12 13 15 9 10 11 14 16", 11,
     UpToOctave},
    {"Mixed3", QT_TRANSLATE_NOOP("PitchMenus", "5-1-8 + Parallel 3"),
     "Scale-steps = 5 - 1 - 8 + parallel 3", "", 12, AllIntervalKeys},
    {"Mixed4", QT_TRANSLATE_NOOP("PitchMenus", "5-1-8 + Parallel 3,6"),
     "Scale-steps = 5 - 1 - 8 + parallel 3,6", "", 14, AllIntervalKeys},
    {"Mixed5", QT_TRANSLATE_NOOP("PitchMenus", "5-1-8 + Parallel 3,6,7"),
     "Scale-steps = 5 - 1 - 8 + parallel 3,6,7", "", 16, AllIntervalKeys},
};

constexpr int FirstParallelLevel = 15; // "1-8 + Parallel 3"
constexpr int HighestLevel = LevelCount - 1;
constexpr int LevelAfterHighest = 14; // "5,6,7,1,2,3,4,5,6,7,8"

// The message texts differ slightly between the parallel levels; these are the texts shown.
const QString DbToCsharp =
    QStringLiteral("C# minor/Major is the enharmonic equivalent to Db Major/minor without double "
                   "flats.");
const QString DbToCsharpCapital =
    QStringLiteral("C# Minor/Major is the enharmonic equivalent to Db Major/minor without double "
                   "flats.");
const QString GbToFsharp =
    QStringLiteral("F# Major/minor is the enharmonic equivalent to Gb Major/minor without double "
                   "flats.");
const QString GbToFsharpOf =
    QStringLiteral("F# Major/minor is the enharmonic equivalent of Gb Major/minor without double "
                   "flats.");

std::vector<ScaleLevel> buildLevels() {
    std::vector<ScaleLevel> levels;
    levels.reserve(LevelCount);
    for (int index = 0; index < LevelCount; ++index) {
        const LevelRow& row = LevelRows[index];
        ScaleLevel level;
        level.levelIndex = index;
        level.item = QString::fromLatin1(row.item);
        level.caption = QString::fromLatin1(row.caption);
        level.QuestShwText = QString::fromLatin1(row.questShw);
        const QStringList columns =
            QString::fromLatin1(row.columns).split(u' ', Qt::SkipEmptyParts);
        for (int i = 0; i < KeyStepTable::ColumnCount; ++i)
            level.columnOrder[i] = columns.isEmpty() ? i + 1 : columns[i].toInt();
        level.StepCount = static_cast<std::int8_t>(row.stepCount);
        level.parallel = index >= FirstParallelLevel;
        level.intervalKeysOn =
            QString::fromLatin1(row.intervalKeys).split(u' ', Qt::SkipEmptyParts);
        if (level.parallel) {
            const bool fiveToEight = index >= 18;
            level.dbMessage = index == HighestLevel ? DbToCsharpCapital : DbToCsharp;
            level.gbMessage = fiveToEight && index != HighestLevel ? GbToFsharpOf : GbToFsharp;
        }
        level.endsAutoAdvance = index == HighestLevel;
        level.silencesQuestionNote = index == 0;
        levels.push_back(level);
    }
    return levels;
}

} // namespace

const std::vector<ScaleLevel>& ScaleLevels() {
    static const std::vector<ScaleLevel> levels = buildLevels();
    return levels;
}

const ScaleLevel* findLevelByCaption(QStringView caption) {
    const QStringView wanted = caption.trimmed();
    for (const ScaleLevel& level : ScaleLevels()) {
        if (level.caption.compare(wanted, Qt::CaseInsensitive) == 0)
            return &level;
    }
    return nullptr;
}

const QStringList& LevelIntervalKeys() {
    static const QStringList keys =
        QString::fromLatin1(AllIntervalKeys).split(u' ', Qt::SkipEmptyParts);
    return keys;
}

QStringList RebuildStepList(const KeyStepTable& table, const ScaleLevel& level) {
    QStringList stepList;
    stepList.reserve(KeyStepTable::ColumnCount);
    for (int column : level.columnOrder)
        stepList.append(table.column(column));
    return stepList;
}

int nextLevelIndex(int levelIndex) {
    if (levelIndex >= HighestLevel)
        return LevelAfterHighest;
    return std::max(levelIndex, -1) + 1;
}

std::optional<LevelKeyReplacement> replacementOnLevelSelect(const ScaleLevel& level, int KeyIndex) {
    if (!level.parallel)
        return std::nullopt;
    if (KeyIndex == DbMajorIndex)
        return LevelKeyReplacement{level.dbMessage, CsharpMinorIndex};
    if (KeyIndex == GbMajorIndex)
        return LevelKeyReplacement{level.gbMessage, FsharpMajorIndex};
    return std::nullopt;
}

} // namespace tonewise
