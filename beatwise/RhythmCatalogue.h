#pragma once

#include "Meter.h"
#include "TempoDurations.h"

#include <QString>

#include <optional>
#include <vector>

// The one-beat rhythm patterns of both meters: the pattern buttons' captions, the glyph texts
// the patterns write into the answer and question rows (in the "Partita" font's 8-bit codes,
// where "ä" and "Å" are rests and spaces count), and the note-string parts that sound them.
class RhythmCatalogue {
public:
    static constexpr int kSimplePatterns = 15;
    static constexpr int kCompoundPatterns = 7;
    static constexpr int kLowestLevel = 3;
    static constexpr int kColumns = 11; // 0, 1 count-in; 2..8 the question; 9 closing beat
    static constexpr int kFirstBeatColumn = 2;
    static constexpr int kBeats = 7;

    static int patternCount(Meter meter);
    static int highestLevel(Meter meter) { return patternCount(meter); }

    // The letter that names the button of simple pattern `pattern` ("q", "w", ... "r").
    static QString buttonName(int pattern);
    // The caption of a level item ("3 patterns").
    static QString levelCaption(int level);

    // Button caption and answer glyph; nothing for an index the meter does not have.
    static std::optional<QString> caption(Meter meter, int pattern);
    static std::optional<QString> answerGlyph(Meter meter, int pattern);

    // Glyphs of the count-in (columns 0 and 1) and of the closing beat (column 9).
    static QString columnGlyph(Meter meter, int column);
    // What a cleared answer cell of the question columns holds: it matches no answer glyph.
    static QString emptyCell() { return QStringLiteral("   "); }

    // The drum note of a question beat: low conga on columns 2, 4, 6, 8, open high conga on
    // 3, 5, 7.
    static QString beatNote(int column);

    // The note-string part of one question beat; nothing for an index the meter does not have.
    static std::optional<QString> beatPart(Meter meter, int pattern, const QString& beatNote,
                                           const TempoDurations& durations);
    // Part 0 (first count-in beat), part 1 (second count-in beat) and part 9 (closing beat).
    static QString framePart(Meter meter, int part, const TempoDurations& durations);

    // Every drum key the parts of both meters play (the rests' silent key 127 among them),
    // in ascending order.
    static std::vector<int> drumKeys();
};
