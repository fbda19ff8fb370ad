#include "MeterAndLevel.h"

#include "RhythmQuestion.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"

namespace {

const QString kCheckAnswer = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Answer"));
const QString kCheckRhythm = QLatin1String(QT_TRANSLATE_NOOP("RhythmTrainer", "Check Rhythm"));

} // namespace

void MeterAndLevel::showDesignedCaptions() {
    // Simple captions, every button shown.
    for (int i = 0; i < RhythmCatalogue::kSimplePatterns; ++i)
        parts_.state.patternButtons[static_cast<std::size_t>(i)].caption =
            *RhythmCatalogue::caption(Meter::Simple, i);
}

void MeterAndLevel::selectLevel(int level, bool alwaysSimpleLabel) {
    RhythmState& state = parts_.state;
    const bool simple = state.meter == Meter::Simple;
    state.LevelLabel =
        (simple || alwaysSimpleLabel ? QStringLiteral("Simple/%1") : QStringLiteral("Compound/%1"))
            .arg(level);
    state.StartButton.enabled = true;
    question_.stopIfPlaying();
    // The highest level of a meter ends auto-advance.
    if ((!simple && level == RhythmCatalogue::highestLevel(Meter::Compound)) ||
        level == RhythmCatalogue::highestLevel(Meter::Simple))
        parts_.trainer.Off1Click();
    state.PatternCount = static_cast<quint8>(level);
    if (simple)
        state.simpleLevelMark = level;
    else if (level <= RhythmCatalogue::highestLevel(Meter::Compound))
        state.compoundLevelMark = level;
    // "3 patterns" of either meter also marks the simple "3 patterns".
    if (level == 3)
        state.simpleLevelMark = 3;
    // A level chosen is the level: none is given back by the simple meter any more.
    state.levelBeforeCompound = 0;
    showPatternButtons(level);
}

void MeterAndLevel::showMeter(Meter meter) {
    RhythmState& state = parts_.state;
    parts_.trainer.ClearAnswerRow();
    state.meter = meter;
    for (int column : {0, 1, 9})
        state.ShowRes[static_cast<std::size_t>(column)] =
            RhythmCatalogue::columnGlyph(meter, column);
    for (int i = 0; i < RhythmCatalogue::kCompoundPatterns; ++i)
        state.patternButtons[static_cast<std::size_t>(i)].caption =
            *RhythmCatalogue::caption(meter, i);
}

void MeterAndLevel::SimpleClick() {
    RhythmState& state = parts_.state;
    state.StartButton.enabled = true;
    question_.stopIfPlaying();
    state.Repetir.enabled = false;
    state.DisplayAnsVisible = false;
    state.AnsDisplay.caption = kCheckAnswer;
    showMeter(Meter::Simple);
    restoreLevelBeforeCompound();
}

void MeterAndLevel::CompoundClick() {
    RhythmState& state = parts_.state;
    state.StartButton.enabled = true;
    question_.stopIfPlaying();
    state.DisplayAnsVisible = false;
    // Until the next question, checking counts the question without scoring it.
    state.AnsDisplay.caption = kCheckRhythm;
    showMeter(Meter::Compound);
    for (int i = RhythmCatalogue::kCompoundPatterns; i < RhythmCatalogue::kSimplePatterns; ++i) {
        state.patternButtons[static_cast<std::size_t>(i)].visible = false;
        state.patternButtons[static_cast<std::size_t>(i)].enabled = false;
    }
    // The compound meter has seven patterns: a simple level above that comes down to 7, so that
    // no question is drawn from patterns the meter lacks even if no level is chosen next. The
    // simple level is remembered: passing over "Compound" on the way to "Simple" gives it back.
    const int highest = RhythmCatalogue::highestLevel(Meter::Compound);
    if (state.PatternCount > highest) {
        state.levelBeforeCompound = state.PatternCount;
        state.compoundMarkBeforeCompound = state.compoundLevelMark;
        state.PatternCount = static_cast<quint8>(highest);
        state.LevelLabel = QStringLiteral("Compound/%1").arg(highest);
        state.compoundLevelMark = highest;
    }
}

void MeterAndLevel::restoreLevelBeforeCompound() {
    RhythmState& state = parts_.state;
    const int level = state.levelBeforeCompound;
    if (level == 0)
        return;
    state.levelBeforeCompound = 0;
    state.PatternCount = static_cast<quint8>(level);
    state.LevelLabel = QStringLiteral("Simple/%1").arg(level);
    state.simpleLevelMark = level;
    state.compoundLevelMark = state.compoundMarkBeforeCompound;
    showPatternButtons(level);
}

void MeterAndLevel::showPatternButtons(int level) {
    for (int i = 3; i < RhythmCatalogue::kSimplePatterns; ++i) {
        ControlState& button = parts_.state.patternButtons[static_cast<std::size_t>(i)];
        button.visible = i < level;
        button.enabled = i < level;
    }
}
