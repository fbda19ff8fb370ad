#pragma once

#include "PitchNames.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <array>
#include <cstdint>
#include <optional>

namespace tonewise {

// One spelled pitch: its name, MIDI note and staff y (72 - 4k, k the diatonic step above F1;
// a sharp or flat shares the y of its letter; middle C is at 28).
struct SpelledPitch {
    QString name;
    int midi = 0;
    int staffY = 0;
};

// The 70 spelled pitches from "F1" to "A4". For the natural k diatonic steps above F1,
// position 3k holds the natural, 3k + 1 its sharp and 3k - 1 the flat of the same letter:
// "F1", "F#1", "Gb1", "G1", "G#1", "Ab1", "A1", ... "Ab4", "A4".
constexpr int SpelledPitchCount = 70;
using SpelledPitchRows = std::array<SpelledPitch, SpelledPitchCount>;
const SpelledPitchRows& SpelledPitchTable();

// 21 positions are one octave: moving 21 rows down is the same spelling an octave lower.
constexpr int OctaveOfPositions = 21;

// The position of the row named exactly `name` (case-sensitive); nothing when no row is.
std::optional<int> spelledPositionOf(QStringView name);

// The exercise fields that ApplySpelledIndex writes.
struct AppliedSpelling {
    QString LetterName;
    std::uint8_t QuestionPitch = 0;
    std::int32_t NoteY = 0;
    std::int8_t QuestionInterval = 0;
};

// The position in SpelledPitchTable of the name at `QuestionStep` of `StepList`. A name that no
// row holds, or a step outside the list, leaves `SpelledIndex` as it was (it is returned).
std::int8_t FindSpelledIndex(const QStringList& StepList, int QuestionStep,
                             std::int8_t SpelledIndex);

// "8va Lower": the same spelling one octave (21 positions) lower. Every key table stays at or
// above "F2", so this always moves; a position that has no row an octave below stays where it
// is rather than leave the table.
std::int8_t OctaveLower(std::int8_t SpelledIndex);

// Copies the row at `SpelledIndex` into LetterName, QuestionPitch and NoteY, and sets
// QuestionInterval := QuestionPitch - PreviousPitch as a signed 8-bit value. A position outside
// the table is taken as the nearest row.
AppliedSpelling ApplySpelledIndex(int SpelledIndex, std::uint8_t PreviousPitch);

// The accidental glyph of a row from its position alone: "n" for a natural (position mod 3 = 0),
// "#" for a sharp (1) and "b" for a flat (2).
QString AccidentalFor(int position);

// DisplayName after a correct answer: the letter name itself, or its full syllable name.
QString ChooseDisplayName(NoteNaming naming, const QString& LetterName);

} // namespace tonewise
