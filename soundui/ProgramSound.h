#pragma once

#include "KeyLimits.h"

#include <QString>

class QWidget;

namespace midi {

// Configures the built-in synthesizer for both programs' windows: into the WAV file `audioFile`
// in real time when it is given (--audio-file), otherwise to the sound card. It starts loading in
// the background once the program's first window has been painted; notes asked for before wait
// for it and sound as soon as it is ready. Only the sounds of the keys in `keys` are loaded.
void setUpSound(const QString& audioFile, const KeyLimits& keys = {});

// Tells the student, once, in a message box titled `title`, when sound is unavailable
// and why, now or as soon as it is known. The program keeps working without sound.
void announceSoundProblems(QWidget* parent, const QString& title);

} // namespace midi
