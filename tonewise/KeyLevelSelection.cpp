#include "KeyLevelSelection.h"

#include "Dialogs.h"
#include "MusicKeys.h"
#include "OutputChoice.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"
#include "ScaleLevels.h"

namespace tonewise {

namespace {

const MusicKey& keyAt(int keyIndex) {
    return MusicKeys().at(static_cast<std::size_t>(keyIndex));
}

const ScaleLevel& levelAt(int levelIndex) {
    return ScaleLevels().at(static_cast<std::size_t>(levelIndex));
}

} // namespace

void KeyLevelSelection::SelectKey(int keyIndex) {
    if (keyIndex < 0 || keyIndex >= KeyCount)
        return;
    installKey(keyIndex);
    applyLevel(parts_.state.levelMark);
    // A parallel level replaces Db and Gb Major by their enharmonic equivalents; the key the
    // student ends in is then that one.
    if (const auto replacement =
            replacementOnLevelSelect(levelAt(parts_.state.levelMark), parts_.state.KeyIndex)) {
        handOver(*replacement);
        return;
    }
    finishKey(keyIndex);
}

void KeyLevelSelection::LevelClick(int levelIndex) {
    if (levelIndex < 0 || levelIndex >= LevelCount)
        return;
    applyLevel(levelIndex);
    // Db and Gb Major have no parallel notes: the key in use hands over to its enharmonic
    // equivalent. A mark left on either in its own submenu after another key was chosen is not
    // the key in use and changes nothing.
    if (const auto replacement =
            replacementOnLevelSelect(levelAt(levelIndex), parts_.state.KeyIndex))
        handOver(*replacement);
}

void KeyLevelSelection::ReapplyLevel() {
    LevelClick(parts_.state.levelMark);
}

void KeyLevelSelection::SignatureSubmenuClick(int submenu) {
    if (submenu >= 0 && submenu < static_cast<int>(SignatureSubmenus().size()))
        parts_.state.signatureSubmenuMark = submenu;
}

void KeyLevelSelection::installKey(int keyIndex) {
    PitchState& state = parts_.state;
    const MusicKey& key = keyAt(keyIndex);
    state.KeyIndex = keyIndex;
    parts_.displays.set(PitchField::Key, key.keyText);
    state.keyMarks[static_cast<std::size_t>(key.submenu)] = keyIndex;
    if (key.marksSubmenu)
        state.signatureSubmenuMark = key.submenu;
    applyKeyStepTable(state.QuestList, key);
}

void KeyLevelSelection::applyLevel(int levelIndex) {
    PitchState& state = parts_.state;
    const ScaleLevel& level = levelAt(levelIndex);
    state.ParallelLevelActive = level.parallel;
    if (level.endsAutoAdvance) {
        if (state.progression == Progression::AutoAdvance)
            state.progression = Progression::None;
        state.advanceOn = false;
    }
    parts_.displays.set(PitchField::QuestShw, level.QuestShwText);
    state.StepList = tonewise::RebuildStepList(state.QuestList, level);
    state.StepCount = level.StepCount;
    state.levelMark = levelIndex;
    if (level.silencesQuestionNote)
        output_.noteOff(state.QuestionPitch);
    if (state.practice == Practice::Pitches)
        parts_.trainer.RepeatNotesClick();
    if (state.practice == Practice::Singing)
        parts_.trainer.RestartAfterChange();
    if (state.practice == Practice::Intervals) {
        showIntervalKeysOfLevel(level);
        parts_.trainer.RestartAfterChange();
    }
}

void KeyLevelSelection::finishKey(int keyIndex) {
    PitchState& state = parts_.state;
    const MusicKey& key = keyAt(keyIndex);
    parts_.displays.setAnsShow(key.answerLineText);
    state.SignatureKind = key.SignatureKind;
    state.SignatureCount = key.SignatureCount;
    state.LeadingToneAccidental = key.LeadingToneAccidental;
    if (key.LeadingToneSpellings)
        state.LeadingToneSpellings = *key.LeadingToneSpellings;
    parts_.trainer.RestartAfterChange();
}

void KeyLevelSelection::handOver(const LevelKeyReplacement& replacement) {
    PitchState& state = parts_.state;
    parts_.dialogs.information(replacement.message);
    state.keyMarks[static_cast<std::size_t>(keyAt(state.KeyIndex).submenu)] = -1;
    // The equivalent key has every parallel note: the level stays as it is.
    installKey(replacement.byKey);
    applyLevel(state.levelMark);
    finishKey(replacement.byKey);
}

void KeyLevelSelection::showIntervalKeysOfLevel(const ScaleLevel& level) {
    for (const QString& name : LevelIntervalKeys()) {
        KeyControl* key = parts_.state.keyControl(name);
        const bool on = level.intervalKeysOn.contains(name);
        key->visible = on;
        key->enabled = on;
    }
}

} // namespace tonewise
