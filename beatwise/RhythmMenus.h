#pragma once

#include "MenuItem.h"
#include "RhythmState.h"

#include <QString>

#include <vector>

class RhythmTrainer;

using RhythmMenuItem = MenuItem<RhythmState, RhythmTrainer>;

// The menu bar: "&File", "Rhythm Patterns", "Advance", "Midi", "Help". The captions are the
// window's texts (translation context "TRhytm7").
std::vector<RhythmMenuItem> rhythmMenuBar();

// The about box's text.
QString rhythmAboutText();
