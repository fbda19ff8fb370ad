#pragma once

class Dialogs;
class RhythmTrainer;
struct RhythmState;

// What every job behind the rhythm trainer's handlers works with: the trainer itself, whose
// handlers a job calls as a click on another item would, the state and the boxes.
struct RhythmParts {
    RhythmTrainer& trainer;
    RhythmState& state;
    Dialogs& dialogs;
};
