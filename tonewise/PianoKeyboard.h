#pragma once

#include "PitchNames.h"

#include <QString>
#include <QStringView>
#include <cstdint>
#include <vector>

namespace tonewise {

// One key of the 43-key keyboard (F1 to B4, MIDI 41 to 83 without gaps). Keys are named after
// their pitch; black keys carry the suffix "sharp" ("F1sharp"), except the highest, "Bb4".
struct PianoKey {
    QString name;
    std::uint8_t midi = 0;
    int left = 0; // left edge in window coordinates at the design size
    bool black = false;
    // In "Intervals" practice the 18 white keys from B1 to E4 stand for 0 to 17 semitones;
    // -1 for every other key, which keeps its own MIDI note.
    int intervalSemitones = -1;
};

// Geometry at the design size; every key shares the top edge.
constexpr int KeyTop = 271;
constexpr int WhiteKeyWidth = 26;
constexpr int WhiteKeyHeight = 143;
constexpr int BlackKeyWidth = 17;
constexpr int BlackKeyHeight = 91;
constexpr int WhiteKeyCount = 25;
constexpr int BlackKeyCount = 18;
constexpr int LowestKeyMidi = 41;
constexpr int HighestKeyMidi = 83;

// The hint of the C3 key.
inline const QString MiddleCHint = QLatin1String(QT_TRANSLATE_NOOP("KeyHints", "Middle C is C3"));

// All 43 keys in ascending MIDI order. Black keys are drawn on top of the white keys they
// overlap.
const std::vector<PianoKey>& KeyboardKeys();

// The key of that name, or null.
const PianoKey* findKeyboardKey(QStringView name);

// The key that sounds `midi`, or null outside 41 .. 83.
const PianoKey* keyboardKeyForMidi(int midi);

// The note-name caption of a white key: its letter ("A" .. "G") or its letter's syllable
// ("Lá" .. "Sol"). Black keys never show a name: an empty text.
QString noteNameCaption(const PianoKey& key, NoteNaming naming);

} // namespace tonewise
