#pragma once

#include "MenuItem.h"
#include "PitchState.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

namespace tonewise {

class PitchTrainer;

using PitchMenuItem = MenuItem<PitchState, PitchTrainer>;

// The menu bar: "&File", "Key", "Scale Steps", "Octave?", "Practice Intervals?",
// "Note Names On?", "Midi", "Advance?", "Repeat Last Note? ", "Help".
std::vector<PitchMenuItem> pitchMenuBar();

// The about box's text.
QString aboutText();

} // namespace tonewise
