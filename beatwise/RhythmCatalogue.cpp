#include "RhythmCatalogue.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

struct Pattern {
    const char16_t* caption;
    const char16_t* glyph;
    // The part's pieces: '@' is the beat's drum note; a, b, c, d stand for Dur25, Dur50, Dur75,
    // Dur100 and x, y, z for Dur33, Dur66, Dur99; everything else is literal.
    const char* part;
};

// "\u00E4" is the eighth-rest glyph "ä", "\u00C5" the sixteenth-rest glyph "Å".
constexpr std::array<Pattern, RhythmCatalogue::kSimplePatterns> kSimple = {{
    {u"q", u"q", "@;d,d;"},
    {u"ee ", u"ee", "@;b, b;@;b, b;"},
    {u"13q", u"13q", "@;a, a;@, a;@;b, b;"},
    {u"31q", u"31q", "@;b, b;@;a, a;@, a;"},
    {u"e.   x ", u"e.   x", "@;c, c;@;a, a;"},
    {u"\u00E4   e ", u"\u00E4   e", "N127;b, b;@;b, b;"},
    {u"\u00E4  xx ", u"\u00E4  xx", "N127;b, b;@;a, a;@, a;"},
    {u"\u00E4 .   x", u"\u00E4 .   x", "N127;c, c;@;a, a;"},
    {u"\u00C5 xe ", u"\u00C5 xe", "N127;a, a;@;a, a;@;b, b;"},
    {u"\u00C511q", u"\u00C511q", "N127;a, a;@;a,@,@, a;"},
    {u"x e .", u"x e.", "@;a, a;@;c, c;"},
    {u"xe x ", u"xe x", "@;a, a;@;b, b;@;a, a;"},
    {u"\u00C5 e .", u"\u00C5 e.", "N127;a, a;@;c, c;"},
    {u"\u00C5 ex ", u"\u00C5 ex", "N127;a, a;@;b, b;@;a, a;"},
    {u"111q", u"111q", "@;a, a;@,@,@, a;"},
}};

constexpr std::array<Pattern, RhythmCatalogue::kCompoundPatterns> kCompound = {{
    {u"q   .", u"q   .", "@;z,z;"},
    {u"eee ", u"eee", "@;x, x;@;x,  x;@, x;"},
    {u"  q  e ", u"q  e", "@;y, y;@;x, x;"},
    {u"e q", u"e q", "@;x, x;@;y, y;"},
    {u"\u00E4 \u00E4 e ", u"\u00E4 \u00E4 e", "N127;y, y;@;x, x;"},
    {u"\u00E4 e e ", u"\u00E4 e e", "N127;x, x;@;x,  x;@, x;"},
    {u"\u00E4 q", u"  \u00E4  q", "N127;x, x;@;y, y;"},
}};

// Count-in and closing parts: High Tom clicks on the eighths of the first beat, a High Timbale
// for the second, a Hi-Mid Tom for the closing beat.
constexpr std::array<const char*, 3> kSimpleFrame = {"N50;b, b;N50;b, b;", "N65;d, d;",
                                                     "N48;d, d;"};
constexpr std::array<const char*, 3> kCompoundFrame = {"N50;x, x;N50;x,N50, x;", "N65;z, z;",
                                                       "N48;z, z;"};

constexpr std::array<const char16_t*, RhythmCatalogue::kSimplePatterns> kButtonNames = {
    u"q", u"w", u"u", u"o", u"l", u"s", u"k", u"m", u"j", u"i", u"h", u"y", u"n", u"b", u"r"};

const Pattern* find(Meter meter, int pattern) {
    if (pattern < 0 || pattern >= RhythmCatalogue::patternCount(meter))
        return nullptr;
    return meter == Meter::Simple ? &kSimple[static_cast<std::size_t>(pattern)]
                                  : &kCompound[static_cast<std::size_t>(pattern)];
}

QString expand(const char* pieces, const QString& beatNote, const TempoDurations& d) {
    QString part;
    for (const char* p = pieces; *p; ++p) {
        switch (*p) {
        case '@':
            part += beatNote;
            break;
        case 'a':
            part += d.Dur25;
            break;
        case 'b':
            part += d.Dur50;
            break;
        case 'c':
            part += d.Dur75;
            break;
        case 'd':
            part += d.Dur100;
            break;
        case 'x':
            part += d.Dur33;
            break;
        case 'y':
            part += d.Dur66;
            break;
        case 'z':
            part += d.Dur99;
            break;
        default:
            part += QLatin1Char(*p);
        }
    }
    return part;
}

} // namespace

int RhythmCatalogue::patternCount(Meter meter) {
    return meter == Meter::Simple ? kSimplePatterns : kCompoundPatterns;
}

QString RhythmCatalogue::buttonName(int pattern) {
    if (pattern < 0 || pattern >= kSimplePatterns)
        return {};
    return QString::fromUtf16(kButtonNames[static_cast<std::size_t>(pattern)]);
}

QString RhythmCatalogue::levelCaption(int level) {
    return QStringLiteral("%1 patterns").arg(level);
}

std::optional<QString> RhythmCatalogue::caption(Meter meter, int pattern) {
    if (const Pattern* p = find(meter, pattern))
        return QString::fromUtf16(p->caption);
    return std::nullopt;
}

std::optional<QString> RhythmCatalogue::answerGlyph(Meter meter, int pattern) {
    if (const Pattern* p = find(meter, pattern))
        return QString::fromUtf16(p->glyph);
    return std::nullopt;
}

QString RhythmCatalogue::columnGlyph(Meter meter, int column) {
    const bool simple = meter == Meter::Simple;
    if (column == 0)
        return simple ? QStringLiteral("ee ") : QStringLiteral("eee ");
    if (column == 1 || column == 9)
        return simple ? QStringLiteral("q") : QStringLiteral("q   .");
    return {};
}

QString RhythmCatalogue::beatNote(int column) {
    return column % 2 == 0 ? QStringLiteral("N64") : QStringLiteral("N63");
}

std::optional<QString> RhythmCatalogue::beatPart(Meter meter, int pattern, const QString& beatNote,
                                                 const TempoDurations& durations) {
    if (const Pattern* p = find(meter, pattern))
        return expand(p->part, beatNote, durations);
    return std::nullopt;
}

QString RhythmCatalogue::framePart(Meter meter, int part, const TempoDurations& durations) {
    const auto& frame = meter == Meter::Simple ? kSimpleFrame : kCompoundFrame;
    const std::size_t index = part == 0 ? 0 : part == 1 ? 1 : 2;
    return expand(frame[index], QString(), durations);
}

namespace {

// The keys of the "N<key>" notes of a part's pieces.
void addKeys(const char* pieces, std::vector<int>& keys) {
    for (const char* p = pieces; *p; ++p) {
        if (*p != 'N' || !std::isdigit(static_cast<unsigned char>(p[1])))
            continue;
        int key = 0;
        while (std::isdigit(static_cast<unsigned char>(p[1])))
            key = key * 10 + (*++p - '0');
        keys.push_back(key);
    }
}

} // namespace

std::vector<int> RhythmCatalogue::drumKeys() {
    std::vector<int> keys;
    for (const Pattern& pattern : kSimple)
        addKeys(pattern.part, keys);
    for (const Pattern& pattern : kCompound)
        addKeys(pattern.part, keys);
    for (const auto& frame : {kSimpleFrame, kCompoundFrame})
        for (const char* part : frame)
            addKeys(part, keys);
    for (int column = kFirstBeatColumn; column < kFirstBeatColumn + 2; ++column)
        addKeys(beatNote(column).toLatin1().constData(), keys);
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    return keys;
}
