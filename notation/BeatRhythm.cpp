#include "BeatRhythm.h"

#include <algorithm>

namespace notation {

int BeatRhythm::noteCount() const {
    return static_cast<int>(
        std::count_if(events.begin(), events.end(), [](const RhythmEvent& e) { return !e.rest; }));
}

namespace {

struct CatalogueRow {
    const char16_t* text;
    Meter meter;
    // The beat as notes ('n') and rests ('r') with their lengths in sixteenths, in order.
    const char* rhythm;
};

// "\u00E4" is the eighth-rest character, "\u00C5" the sixteenth-rest character. Texts that
// differ only in spacing (a caption and its answer glyph) stand for the same rhythm.
constexpr CatalogueRow kCatalogue[] = {
    // Simple meter: a beat of four sixteenths.
    {u"q", Meter::Simple, "n4"},
    {u"ee ", Meter::Simple, "n2 n2"},
    {u"ee", Meter::Simple, "n2 n2"},
    {u"13q", Meter::Simple, "n1 n1 n2"},
    {u"31q", Meter::Simple, "n2 n1 n1"},
    {u"e.   x ", Meter::Simple, "n3 n1"},
    {u"e.   x", Meter::Simple, "n3 n1"},
    {u"\u00E4   e ", Meter::Simple, "r2 n2"},
    {u"\u00E4   e", Meter::Simple, "r2 n2"},
    {u"\u00E4  xx ", Meter::Simple, "r2 n1 n1"},
    {u"\u00E4  xx", Meter::Simple, "r2 n1 n1"},
    {u"\u00E4 .   x", Meter::Simple, "r3 n1"},
    {u"\u00C5 xe ", Meter::Simple, "r1 n1 n2"},
    {u"\u00C5 xe", Meter::Simple, "r1 n1 n2"},
    {u"\u00C511q", Meter::Simple, "r1 n1 n1 n1"},
    {u"x e .", Meter::Simple, "n1 n3"},
    {u"x e.", Meter::Simple, "n1 n3"},
    {u"xe x ", Meter::Simple, "n1 n2 n1"},
    {u"xe x", Meter::Simple, "n1 n2 n1"},
    {u"\u00C5 e .", Meter::Simple, "r1 n3"},
    {u"\u00C5 e.", Meter::Simple, "r1 n3"},
    {u"\u00C5 ex ", Meter::Simple, "r1 n2 n1"},
    {u"\u00C5 ex", Meter::Simple, "r1 n2 n1"},
    {u"111q", Meter::Simple, "n1 n1 n1 n1"},
    // Compound meter: a beat of three eighths (six sixteenths).
    {u"q   .", Meter::Compound, "n6"},
    {u"eee ", Meter::Compound, "n2 n2 n2"},
    {u"eee", Meter::Compound, "n2 n2 n2"},
    {u"  q  e ", Meter::Compound, "n4 n2"},
    {u"q  e", Meter::Compound, "n4 n2"},
    {u"e q", Meter::Compound, "n2 n4"},
    {u"\u00E4 \u00E4 e ", Meter::Compound, "r2 r2 n2"},
    {u"\u00E4 \u00E4 e", Meter::Compound, "r2 r2 n2"},
    {u"\u00E4 e e ", Meter::Compound, "r2 n2 n2"},
    {u"\u00E4 e e", Meter::Compound, "r2 n2 n2"},
    {u"\u00E4 q", Meter::Compound, "r2 n4"},
    {u"  \u00E4  q", Meter::Compound, "r2 n4"},
};

BeatRhythm parseRhythm(Meter meter, const char* description) {
    BeatRhythm rhythm{meter, {}};
    int start = 0;
    for (const char* c = description; *c != '\0'; ++c) {
        if (*c != 'n' && *c != 'r')
            continue;
        const bool rest = *c == 'r';
        const int length = c[1] - '0';
        rhythm.events.push_back({start, length, rest});
        start += length;
        ++c;
    }
    return rhythm;
}

} // namespace

const std::vector<RhythmGlyph>& rhythmGlyphs() {
    static const std::vector<RhythmGlyph> glyphs = [] {
        std::vector<RhythmGlyph> list;
        for (const CatalogueRow& row : kCatalogue)
            list.push_back({QString::fromUtf16(row.text), parseRhythm(row.meter, row.rhythm)});
        return list;
    }();
    return glyphs;
}

std::optional<BeatRhythm> beatRhythmFor(const QString& glyphText) {
    for (const RhythmGlyph& glyph : rhythmGlyphs()) {
        if (glyph.text == glyphText)
            return glyph.rhythm;
    }
    return std::nullopt;
}

} // namespace notation
