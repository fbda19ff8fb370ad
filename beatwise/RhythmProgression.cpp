#include "RhythmProgression.h"

#include "AdvanceThresholds.h"
#include "Dialogs.h"
#include "RhythmState.h"
#include "RhythmTrainer.h"

AdvanceThresholds RhythmProgression::thresholds() const {
    // Both meters keep the thresholds whole numbers above 0, so the test at the next question
    // can always read them.
    return AdvanceThresholds(parts_.state.AdvanceAnswers, parts_.state.AdvanceScore,
                             QStringLiteral("20"), QStringLiteral("90"));
}

void RhythmProgression::On1Click() {
    RhythmState& state = parts_.state;
    const bool simple = state.meter == Meter::Simple;
    if (state.PatternCount >= RhythmCatalogue::highestLevel(state.meter)) {
        parts_.dialogs.information(
            simple ? tr("This is the highest level in simple meter! Congratulations!")
                   : tr("This is the highest level in compound meter! Congratulations!"));
        return;
    }
    const auto answered = thresholds().ask(
        parts_.dialogs, {tr("AutoAdvance : Correct answers?"), tr("How many correct answers?"),
                         tr("AutoAdvance : Score?"),
                         simple ? tr("What percent correct answers?") : tr("What score??")});
    if (!answered.count)
        return;
    if (answered.percent) {
        state.autoAdvance = AutoAdvance::On;
        state.AdvanceProgress = 0;
    } else {
        state.autoAdvance = AutoAdvance::Off;
    }
}

void RhythmProgression::Off1Click() {
    parts_.state.autoAdvance = AutoAdvance::Off;
}

void RhythmProgression::OfferNextLevel() {
    RhythmState& state = parts_.state;
    // The score must exceed the threshold.
    if (!thresholds().reached(state.AdvanceProgress, state.LastScore))
        return;
    const QString message =
        tr("Congratulations! You have at least %1 correct answers with a score of %2% or better. "
           "Advance to next level?")
            .arg(state.AdvanceAnswers, state.AdvanceScore);
    if (state.PatternCount >= RhythmCatalogue::highestLevel(state.meter))
        return;
    if (parts_.dialogs.confirm(message)) {
        state.AdvanceProgress = 0;
        parts_.trainer.LevelClick(state.PatternCount + 1);
    } else {
        Off1Click();
    }
}
