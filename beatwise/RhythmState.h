#pragma once

#include "RhythmExercise.h"
#include "RhythmView.h"

// The rhythm trainer's state: the exercise and what the window shows of it, kept apart. Only
// the engine writes it; the window reads it after each handler and draws it.
struct RhythmState : RhythmExercise, RhythmView {
    using Row = RhythmView::Row;
};
