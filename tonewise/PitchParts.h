#pragma once

class Dialogs;

namespace tonewise {

class PitchDisplays;
class PitchTrainer;
struct PitchState;

// What every job behind the pitch trainer's handlers works with: the trainer itself, whose
// handlers a job calls as a click on another item would, the state, the displays and the boxes.
struct PitchParts {
    PitchTrainer& trainer;
    PitchState& state;
    PitchDisplays& displays;
    Dialogs& dialogs;
};

} // namespace tonewise
