#pragma once

#include <QString>

class QWidget;

namespace midi {

// Configures the built-in synthesizer for both programs' windows and starts loading it in the
// background: into the WAV file `audioFile` in real time when it is given (--audio-file),
// otherwise to the sound card.
void setUpSound(const QString& audioFile);

// Tells the student, once, in a message box titled `title`, when sound is unavailable
// and why, now or as soon as it is known. The program keeps working without sound.
void announceSoundProblems(QWidget* parent, const QString& title);

} // namespace midi
