#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace midi {

// Reads the sound options of both programs from the command line and configures the
// built-in synthesizer, which starts loading in the background once the program's first window
// has been painted (notes asked for before wait for it):
//   --audio-file PATH   play into a WAV file in real time instead of the sound card
// Returns the arguments that are not sound options (the program name first).
QStringList setUpSound(const QStringList& arguments);

// Tells the student, once, in a message box titled `title`, when sound is unavailable
// and why, now or as soon as it is known. The program keeps working without sound.
void announceSoundProblems(QWidget* parent, const QString& title);

} // namespace midi
