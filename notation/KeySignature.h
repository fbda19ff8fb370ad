#pragma once

#include <QString>

#include <vector>

namespace notation {

// One accidental of a key signature: a staff text ("#" or "b") at a point of the staff's design
// box (see StaffPainter).
struct KeySignatureGlyph {
    QString text;
    int x = 0;
    int y = 0;

    bool operator==(const KeySignatureGlyph&) const = default;
};

// The accidentals of a key signature, each drawn twice (treble staff, then bass staff), in the
// order they are written: F# C# G# D# A# E# or Bb Eb Ab Db Gb Cb. `kind` is "#" or "b"; any
// other kind (" " for C major, "n" for A minor) has no signature. `count` is 0 to 6.
std::vector<KeySignatureGlyph> keySignatureGlyphs(const QString& kind, int count);

} // namespace notation
