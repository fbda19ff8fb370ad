#include "PitchProgression.h"

#include "AdvanceThresholds.h"
#include "Dialogs.h"
#include "PitchDisplays.h"
#include "PitchState.h"
#include "PitchTrainer.h"
#include "Random.h"
#include "ScaleLevels.h"

namespace tonewise {

namespace {

constexpr int HighestLevelIndex = 20; // "5-1-8 + Parallel 3,6,7"
constexpr int ModulationKeys = 18;    // auto-modulation keeps to at most four sharps or flats

} // namespace

AdvanceThresholds PitchProgression::thresholds() const {
    return AdvanceThresholds(parts_.state.AdvanceCount, parts_.state.AdvancePercent,
                             QStringLiteral("40"), QStringLiteral("90"));
}

bool PitchProgression::thresholdsMet() const {
    const PitchState& state = parts_.state;
    if (state.AttemptCount <= 0)
        return false;
    // The percentage must be strictly above the threshold: 45 of 50 does not pass 90.
    return thresholds().reached(state.CorrectCount,
                                100.0 * state.CorrectCount / state.AttemptCount);
}

void PitchProgression::restartCounting() {
    parts_.state.AttemptCount = 0;
    parts_.state.CorrectCount = 0;
    parts_.displays.setItems(QStringLiteral("0"));
}

void PitchProgression::On1Click() {
    PitchState& state = parts_.state;
    if (state.levelMark == HighestLevelIndex) {
        parts_.dialogs.information(
            tr("Congratulations! This is the highest level! Select another key, fewer "
               "scale-steps, and turn Auto Advance on again."));
        return;
    }
    state.modulateOn = false;
    state.progression = Progression::AutoAdvance;
    const auto answered = thresholds().ask(
        parts_.dialogs, {tr("AutoAdvance : Correct answers?"), tr("How many correct answers?"),
                         tr("AutoAdvance : Score?"), tr("What percent correct answers?")});
    if (!answered.count)
        return;
    if (answered.percent) {
        state.advanceOn = true;
        restartCounting();
        parts_.trainer.RepeatNotesClick();
    } else {
        state.advanceOn = false;
        state.progression = Progression::None;
    }
}

void PitchProgression::Off1Click() {
    PitchState& state = parts_.state;
    if (state.progression == Progression::AutoAdvance)
        state.progression = Progression::None;
    state.advanceOn = false;
}

void PitchProgression::AutoModOnClick() {
    PitchState& state = parts_.state;
    state.advanceOn = false;
    state.progression = Progression::AutoModulate;
    const auto answered = thresholds().ask(
        parts_.dialogs, {tr("AutoModulate : Correct answers?"), tr("How many correct answers?"),
                         tr("AutoModulate : Score?"), tr("What percent correct answers?")});
    if (!answered.count)
        return;
    if (answered.percent) {
        state.advanceOn = false;
        state.modulateOn = true;
        restartCounting();
        parts_.trainer.RepeatNotesClick();
    } else {
        state.modulateOn = false;
    }
}

void PitchProgression::AutoModOffClick() {
    PitchState& state = parts_.state;
    if (state.progression == Progression::AutoModulate)
        state.progression = Progression::None;
    state.modulateOn = false;
}

void PitchProgression::CheckAutoAdvance() {
    PitchState& state = parts_.state;
    if (state.levelMark == HighestLevelIndex) {
        if (state.progression == Progression::AutoAdvance)
            state.progression = Progression::None;
        state.advanceOn = false;
    }
    if (!thresholdsMet())
        return;
    if (state.practice == Practice::Pitches)
        state.SkipNextSound = true;
    const bool advance = parts_.dialogs.confirm(
        tr("Congratulations! You have %1 or more correct answers with a score above %2%. Advance "
           "to next level?")
            .arg(state.AdvanceCount, state.AdvancePercent));
    state.AttemptCount = 0;
    state.CorrectCount = 0;
    parts_.displays.setScore(advance ? QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Advance"))
                                     : QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "Repeat")));
    parts_.displays.setItems(QStringLiteral("0"));
    if (advance) {
        parts_.trainer.LevelClick(nextLevelIndex(state.levelMark));
    } else {
        state.SkipNextSound = true;
        parts_.trainer.RepeatNotesClick();
    }
}

void PitchProgression::CheckAutoModulate() {
    PitchState& state = parts_.state;
    if (!thresholdsMet())
        return;
    if (state.practice == Practice::Pitches)
        state.SkipNextSound = true;
    const bool modulate = parts_.dialogs.confirm(
        tr("Congratulations! You have %1 or more correct answers with a score more than %2%. "
           "Change scale and key?")
            .arg(state.AdvanceCount, state.AdvancePercent));
    if (!modulate) {
        AutoModOffClick();
        state.SkipNextSound = true;
        parts_.trainer.RepeatNotesClick();
        return;
    }
    state.AttemptCount = 0;
    state.CorrectCount = 0;
    parts_.displays.setScore(QLatin1String(QT_TRANSLATE_NOOP("PitchTrainer", "New Scale")));
    parts_.displays.setItems(QStringLiteral("0"));
    int key = state.KeyIndex;
    while (key == state.KeyIndex) {
        random_.reseedFromClock();
        key = random_.next(ModulationKeys);
    }
    state.KeyIndex = key;
    parts_.trainer.SelectKey(key);
}

} // namespace tonewise
