#pragma once

#include <QString>
#include <QStringView>
#include <optional>

namespace tonewise {

// A pitch name is a capital letter A to G, then "#" (sharp), "b" (flat) or nothing, then one
// octave digit. The octave digit changes between B and C, and "C3" is middle C, MIDI note 60.
struct PitchName {
    QChar letter;       // 'A' .. 'G'
    int alteration = 0; // +1 sharp, -1 flat, 0 natural
    int octave = 0;     // 0 .. 9
};

// Splits a pitch name; nothing for a text that is not one ("H3", "C", "C#", "c3", "C10").
std::optional<PitchName> parsePitchName(QStringView name);

// MIDI note = 12 x (octave + 2) + pitch class, +1 for a sharp, -1 for a flat:
// "C3" 60, "F1" 41, "B#1" 48, "Cb2" 47. Nothing for a text that is not a pitch name.
std::optional<int> midiNoteOf(QStringView name);

// How names are shown to the student.
enum class NoteNaming { Letters, Syllables };

// The syllable of a letter: C "Dó", D "Ré", E "Mi", F "Fá", G "Sol", A "Lá", B "Si".
// An empty text for anything else.
QString letterSyllable(QChar letter);

// The full syllable name: the letter's syllable, "(b)" for a flat or "#" for a sharp, then the
// octave digit: "Fá#1", "Sol(b)1", "Dó3", "Ré(b)3". A text that is not a pitch name comes
// back unchanged.
QString syllableName(QStringView name);

} // namespace tonewise
