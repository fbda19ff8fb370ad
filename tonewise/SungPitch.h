#pragma once

#include <QString>

namespace tonewise {

// A sung pitch as the trainer reads it.

// The note a sung note answers with: the sung note itself when its octave counts ("Exact
// Octave"); otherwise its pitch class in the octave of the question, the nearest to the
// question's pitch (a tritone away counts upwards), since voices sit in different octaves.
int sungAnswerPitch(int sungNote, int questionPitch, bool exactOctave);

// The name of a MIDI note with a sharp for a black key: "C3" (middle C), "F#2", "A4".
QString sungNoteName(int midiNote);

// The height on the staff of a pitch with its fraction, in the staff's units (a whole note's y,
// 4 units a diatonic step, "F1" at 72, middle C at 28): between two notes it lies between their
// heights. Pitches beyond the keyboard (F1 to B4) are held at its ends.
double sungStaffY(double pitch);

} // namespace tonewise
