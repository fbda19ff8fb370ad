#pragma once

#include "PitchParts.h"

namespace tonewise {

class OutputChoice;
struct LevelKeyReplacement;
struct ScaleLevel;

// The key and the scale-step level: the key's sixteen names, the level's list of steps drawn
// from them, the marks of both menus, and the hand-over from Db or Gb Major to its enharmonic
// equivalent on a level with parallel notes, which those keys do not have. Choosing a key
// applies the level to it, and a level can hand over to another key; neither ever comes back
// to the other's handler.
class KeyLevelSelection {
public:
    KeyLevelSelection(PitchParts parts, OutputChoice& output) : parts_(parts), output_(output) {}

    void SelectKey(int keyIndex);
    void LevelClick(int levelIndex); // 0 .. 20 in menu order
    void ReapplyLevel();
    // The signature submenus "0 signature" ... "6 flats" (0 .. 12 in menu order) mark themselves
    // when opened.
    void SignatureSubmenuClick(int submenu);

private:
    void installKey(int keyIndex);
    void applyLevel(int levelIndex);
    void finishKey(int keyIndex);
    void handOver(const LevelKeyReplacement& replacement);
    void showIntervalKeysOfLevel(const ScaleLevel& level);

    PitchParts parts_;
    OutputChoice& output_;
};

} // namespace tonewise
