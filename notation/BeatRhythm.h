#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace notation {

enum class Meter { Simple, Compound };

// One note or rest of a beat, measured in sixteenths from the start of the beat.
struct RhythmEvent {
    int start = 0;
    int length = 0;
    bool rest = false;

    bool operator==(const RhythmEvent&) const = default;
};

// The rhythm of one beat: a quarter (four sixteenths) in the simple meter, a dotted quarter
// (six sixteenths, three eighths) in the compound meter.
struct BeatRhythm {
    Meter meter = Meter::Simple;
    std::vector<RhythmEvent> events;

    int length() const { return meter == Meter::Simple ? 4 : 6; }
    int noteCount() const;

    bool operator==(const BeatRhythm&) const = default;
};

// A glyph text of the rhythm trainer and the rhythm it stands for.
struct RhythmGlyph {
    QString text;
    BeatRhythm rhythm;
};

// Every glyph text that stands for a rhythm: the pattern buttons' captions and the answer glyphs
// of both meters, which include the count-in ("ee ", "eee ") and closing ("q", "q   .") glyphs.
// Simple meter first, then compound, each in pattern order with the caption before the answer
// glyph where the two differ. No text occurs in both meters.
const std::vector<RhythmGlyph>& rhythmGlyphs();

// The rhythm a glyph text stands for; nothing for a text that is not a rhythm glyph (such as
// the empty answer cell "   "). Spaces are significant, as in the texts themselves.
std::optional<BeatRhythm> beatRhythmFor(const QString& glyphText);

} // namespace notation
