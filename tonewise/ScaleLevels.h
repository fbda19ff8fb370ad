#pragma once

#include "MusicKeys.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tonewise {

// One scale-step level of the menu "Scale Steps".
struct ScaleLevel {
    int levelIndex = 0;   // 0 .. 20 in menu order (the auto-advance order)
    QString item;         // "Level0", "Level95", "Mixed3" ...
    QString caption;      // "1,3,5", "1-8 + Parallel 3,6" ...
    QString QuestShwText; // the level line, "Scale-steps = 1, 3, 5."
    // The order in which the KeyStepTable columns 1 .. 16 are appended to StepList.
    std::array<int, KeyStepTable::ColumnCount> columnOrder{};
    std::int8_t StepCount = 0; // how many leading StepList entries are asked
    bool parallel = false;     // the value of ParallelLevelActive after this level
    // The interval keys (of the 14 in LevelIntervalKeys()) shown and enabled in "Intervals"
    // practice; the others of the 14 are hidden and disabled.
    QStringList intervalKeysOn;
    // The messages shown when this level finds Db or Gb Major chosen (parallel levels only).
    QString dbMessage;
    QString gbMessage;
    bool endsAutoAdvance = false;      // the highest level switches auto-advance off
    bool silencesQuestionNote = false; // "1,3,5" sends a note-off for the question note
};

constexpr int LevelCount = 21;

// The 21 levels in menu order.
const std::vector<ScaleLevel>& ScaleLevels();

// The level with that menu caption ("1-8 + Parallel 3,6"), or null. Spaces around the caption
// are ignored.
const ScaleLevel* findLevelByCaption(QStringView caption);

// The 14 interval keys that the levels show or hide; B1, E2, F2 and B2 (unison, minor and
// major third, fifth) are offered in every level and never touched by a level.
const QStringList& LevelIntervalKeys();

// StepList of `level` built from `table`: its 16 names in the level's column order.
QStringList RebuildStepList(const KeyStepTable& table, const ScaleLevel& level);

// The level that auto-advance moves to: the next in menu order; from the highest level back
// to "5,6,7,1,2,3,4,5,6,7,8".
int nextLevelIndex(int levelIndex);

// A parallel level chosen while a key without parallel notes is the key: the message to show
// and the key to select instead (C# Minor for Db Major, F# Major for Gb Major).
struct LevelKeyReplacement {
    QString message;
    int byKey = 0;
};

// Nothing for a plain level or for any other key.
std::optional<LevelKeyReplacement> replacementOnLevelSelect(const ScaleLevel& level, int KeyIndex);

} // namespace tonewise
