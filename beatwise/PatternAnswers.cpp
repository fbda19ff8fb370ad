#include "PatternAnswers.h"

#include "RhythmTrainer.h"

#include <array>

namespace {

using Handler = void (RhythmTrainer::*)();

// The pattern buttons' click handlers in pattern order.
constexpr std::array<Handler, RhythmCatalogue::kSimplePatterns> kPatternHandlers = {
    &RhythmTrainer::qClick, &RhythmTrainer::wClick, &RhythmTrainer::uClick, &RhythmTrainer::oClick,
    &RhythmTrainer::lClick, &RhythmTrainer::sClick, &RhythmTrainer::kClick, &RhythmTrainer::mClick,
    &RhythmTrainer::jClick, &RhythmTrainer::iClick, &RhythmTrainer::hClick, &RhythmTrainer::yClick,
    &RhythmTrainer::nClick, &RhythmTrainer::bClick, &RhythmTrainer::rClick};

} // namespace

bool PatternAnswers::canAnswer(int pattern) const {
    if (pattern < 0 || pattern >= RhythmCatalogue::kSimplePatterns)
        return false;
    const ControlState& button = trainer_.state().patternButtons[static_cast<std::size_t>(pattern)];
    return button.visible && button.enabled;
}

void PatternAnswers::answer(const PatternAnswer& answer) {
    if (canAnswer(answer.pattern))
        (trainer_.*kPatternHandlers[static_cast<std::size_t>(answer.pattern)])();
}
