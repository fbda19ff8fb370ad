#include "MusicKeys.h"

#include "SpelledPitchTable.h"

#include <QStringList>
#include <algorithm>

namespace tonewise {

namespace {

struct KeyRow {
    const char* item;
    const char* caption;
    int submenu;
    bool minor;
    const char* signatureKind;
    int signatureCount;
    const char* leadingToneAccidental;
    const char* raisedSeventh; // three names, lowest first; empty for major keys
    const char* steps;         // columns 1 .. 16 (or 1 .. 11)
};

enum Submenu {
    NoSignature,
    OneSharp,
    OneFlat,
    TwoSharps,
    TwoFlats,
    ThreeSharps,
    ThreeFlats,
    FourSharps,
    FourFlats,
    FiveSharps,
    FiveFlats,
    SixSharps,
    SixFlats,
};

constexpr KeyRow KeyRows[KeyCount] = {
    {"CMajor", QT_TRANSLATE_NOOP("PitchMenus", "C Major"), NoSignature, false, " ", 0, " ", "",
     "C3 D3 E3 F3 G3 A3 B3 C4 B2 A2 G2 Eb3 Ab3 Ab2 Bb3 Bb2"},
    {"Aminor", QT_TRANSLATE_NOOP("PitchMenus", "A minor"), NoSignature, true, "n", 0, "#",
     "G#2 G#3 G#4", "A3 B3 C4 D4 E4 F4 G#4 A4 G#3 F3 E3 C#4 F#4 F#3 G4 G3"},
    {"FMajor", QT_TRANSLATE_NOOP("PitchMenus", "F Major"), OneFlat, false, "b", 1, " ", "",
     "F3 G3 A3 Bb3 C4 D4 E4 F4 E3 D3 C3 Ab3 Db4 Db3 Eb4 Eb3"},
    {"DMinor", QT_TRANSLATE_NOOP("PitchMenus", "D Minor"), OneFlat, true, "b", 1, "#",
     "C#2 C#3 C#4", "D3 E3 F3 G3 A3 Bb3 C#4 D4 C#3 Bb2 A2 F#3 B3 B2 C4 C3"},
    {"GMajor", QT_TRANSLATE_NOOP("PitchMenus", "G Major"), OneSharp, false, "#", 1, " ", "",
     "G3 A3 B3 C4 D4 E4 F#4 G4 F#3 E3 D3 Bb3 Eb4 Eb3 F4 F3"},
    {"Eminor", QT_TRANSLATE_NOOP("PitchMenus", "E minor"), OneSharp, true, "#", 1, "#",
     "D#2 D#3 D#4", "E3 F#3 G3 A3 B3 C4 D#4 E4 D#3 C3 B2 G#3 C#4 C#3 D4 D3"},
    {"BbMajor", QT_TRANSLATE_NOOP("PitchMenus", "Bb Major"), TwoFlats, false, "b", 2, " ", "",
     "Bb2 C3 D3 Eb3 F3 G3 A3 Bb3 A2 G2 F2 Db3 Gb3 Gb2 Ab3 Ab2"},
    {"GMinor", QT_TRANSLATE_NOOP("PitchMenus", "G Minor"), TwoFlats, true, "b", 2, "#",
     "F#2 F#3 F#4", "G3 A3 Bb3 C4 D4 Eb4 F#4 G4 F#3 Eb3 D3 B3 E4 E3 F4 F3"},
    {"DMajor", QT_TRANSLATE_NOOP("PitchMenus", "D Major"), TwoSharps, false, "#", 2, " ", "",
     "D3 E3 F#3 G3 A3 B3 C#4 D4 C#3 B2 A2 F3 Bb3 Bb2 C4 C3"},
    {"BMinor", QT_TRANSLATE_NOOP("PitchMenus", "B Minor"), TwoSharps, true, "#", 2, "#",
     "A#1 A#2 A#3", "B2 C#3 D3 E3 F#3 G3 A#3 B3 A#2 G2 F#2 D#3 G#3 G#2 A3 A2"},
    {"EbMajor", QT_TRANSLATE_NOOP("PitchMenus", "Eb Major"), ThreeFlats, false, "b", 3, " ", "",
     "Eb3 F3 G3 Ab3 Bb3 C4 D4 Eb4 D3 C3 Bb2 Gb3 Cb4 Cb3 Db4 Db3"},
    {"CMinor", QT_TRANSLATE_NOOP("PitchMenus", "C Minor"), ThreeFlats, true, "b", 3, "n",
     "B1 B2 B3", "C3 D3 Eb3 F3 G3 Ab3 B3 C4 B2 Ab2 G2 E3 A3 A2 Bb3 Bb2"},
    {"AMajor", QT_TRANSLATE_NOOP("PitchMenus", "A Major"), ThreeSharps, false, "#", 3, " ", "",
     "A3 B3 C#4 D4 E4 F#4 G#4 A4 G#3 F#3 E3 C4 F4 F3 G4 G3"},
    {"FsharpMinor", QT_TRANSLATE_NOOP("PitchMenus", "F# Minor"), ThreeSharps, true, "#", 3, "#",
     "E#2 E#3 E#4", "F#3 G#3 A3 B3 C#4 D4 E#4 F#4 E#3 D3 C#3 A#3 D#4 D#3 E4 E3"},
    {"AbMajor", QT_TRANSLATE_NOOP("PitchMenus", "Ab Major"), FourFlats, false, "b", 4, " ", "",
     "Ab3 Bb3 C4 Db4 Eb4 F4 G4 Ab4 G3 F3 Eb3 Cb4 Fb4 Fb3 Gb4 Gb3"},
    {"FMinor", QT_TRANSLATE_NOOP("PitchMenus", "F Minor"), FourFlats, true, "b", 4, "n", "E2 E3 E4",
     "F3 G3 Ab3 Bb3 C4 Db4 E4 F4 E3 Db3 C3 A3 D4 D3 Eb4 Eb3"},
    {"EMajor", QT_TRANSLATE_NOOP("PitchMenus", "E Major"), FourSharps, false, "#", 4, " ", "",
     "E3 F#3 G#3 A3 B3 C#4 D#4 E4 D#3 C#3 B2 G3 C4 C3 D4 D3"},
    {"CsharpMinor", QT_TRANSLATE_NOOP("PitchMenus", "C# Minor"), FourSharps, true, "#", 4, "#",
     "B#1 B#2 B#3", "C#3 D#3 E3 F#3 G#3 A3 B#3 C#4 B#2 A2 G#2 E#3 A#3 A#2 B3 B2"},
    {"DbMajor", QT_TRANSLATE_NOOP("PitchMenus", "Db Major"), FiveFlats, false, "b", 5, " ", "",
     "Db3 Eb3 F3 Gb3 Ab3 Bb3 C4 Db4 C3 Bb2 Ab2"},
    {"GbMajor", QT_TRANSLATE_NOOP("PitchMenus", "Gb Major"), SixFlats, false, "b", 6, " ", "",
     "Gb3 Ab3 Bb3 Cb4 Db4 Eb4 F4 Gb4 F3 Eb3 Db3"},
    {"BMajor", QT_TRANSLATE_NOOP("PitchMenus", "B Major"), FiveSharps, false, "#", 5, " ", "",
     "B2 C#3 D#3 E3 F#3 G#3 A#3 B3 A#2 G#2 F#2 D3 G3 G2 A3 A2"},
    {"FsharpMajor", QT_TRANSLATE_NOOP("PitchMenus", "F# Major"), SixSharps, false, "#", 6, " ", "",
     "F#3 G#3 A#3 B3 C#4 D#4 E#4 F#4 E#3 D#3 C#3 A3 D4 D3 E4 E3"},
    {"BbMinor", QT_TRANSLATE_NOOP("PitchMenus", "Bb Minor"), FiveFlats, true, "b", 5, "n",
     "A1 A2 A3", "Bb2 C3 Db3 Eb3 F3 Gb3 A3 Bb3 A2 Gb2 F2 D3 G3 G2 Ab3 Ab2"},
    {"EbMinor", QT_TRANSLATE_NOOP("PitchMenus", "Eb Minor"), SixFlats, true, "b", 6, "n",
     "D2 D3 D4", "Eb3 F3 Gb3 Ab3 Bb3 Cb4 D4 Eb4 D3 Cb3 Bb2 G3 C4 C3 Db4 Db3"},
};

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(u' ', Qt::SkipEmptyParts);
}

std::vector<MusicKey> buildKeys() {
    std::vector<MusicKey> keys;
    keys.reserve(KeyCount);
    for (int index = 0; index < KeyCount; ++index) {
        const KeyRow& row = KeyRows[index];
        MusicKey key;
        key.KeyIndex = index;
        key.item = QString::fromLatin1(row.item);
        key.caption = QString::fromLatin1(row.caption);
        key.submenu = row.submenu;
        key.minor = row.minor;
        // "Key = C Major.", "Key = A Harmonic Minor.": the key line names the minor mode in full.
        const QString tonic = key.caption.section(u' ', 0, 0);
        key.keyText =
            QStringLiteral("Key = %1 %2.")
                .arg(tonic, row.minor ? QStringLiteral("Harmonic Minor") : QStringLiteral("Major"));
        key.SignatureKind = QString::fromLatin1(row.signatureKind);
        key.SignatureCount = static_cast<std::int8_t>(row.signatureCount);
        key.LeadingToneAccidental = QString::fromLatin1(row.leadingToneAccidental);
        const QStringList seventh = words(row.raisedSeventh);
        if (seventh.size() == 3) {
            std::array<std::int8_t, 3> positions{};
            for (int i = 0; i < 3; ++i)
                positions[i] = static_cast<std::int8_t>(*spelledPositionOf(seventh[i]));
            key.LeadingToneSpellings = positions;
        }
        const QStringList steps = words(row.steps);
        key.filledColumns = static_cast<int>(steps.size());
        for (int column = 1; column <= key.filledColumns; ++column)
            key.steps.setColumn(column, steps[column - 1]);
        key.marksSubmenu = index == FsharpMajorIndex || index == CsharpMinorIndex;
        key.answerLineText = index == CMajorIndex ? QStringLiteral(" ") : QString();
        keys.push_back(key);
    }
    return keys;
}

// The order in which a signature's accidentals are written. Where they stand on the staff is
// the staff drawing's business.
constexpr const char* SharpOrder[] = {"F#", "C#", "G#", "D#", "A#", "E#"};
constexpr const char* FlatOrder[] = {"Bb", "Eb", "Ab", "Db", "Gb", "Cb"};

} // namespace

QString KeyStepTable::column(int column) const {
    if (column < 1 || column > ColumnCount)
        return {};
    return columns[column - 1];
}

void KeyStepTable::setColumn(int column, const QString& name) {
    if (column >= 1 && column <= ColumnCount)
        columns[column - 1] = name;
}

const std::vector<SignatureSubmenu>& SignatureSubmenus() {
    static const std::vector<SignatureSubmenu> submenus = {
        {"N0signature1", QT_TRANSLATE_NOOP("PitchMenus", "0 signature")},
        {"N1sharp1", QT_TRANSLATE_NOOP("PitchMenus", "1 sharp")},
        {"N1flat1", QT_TRANSLATE_NOOP("PitchMenus", "1 flat")},
        {"N2sharps1", QT_TRANSLATE_NOOP("PitchMenus", "2 sharps")},
        {"N2flats1", QT_TRANSLATE_NOOP("PitchMenus", "2 flats")},
        {"N3sharps1", QT_TRANSLATE_NOOP("PitchMenus", "3 sharps")},
        {"N3flats1", QT_TRANSLATE_NOOP("PitchMenus", "3 flats")},
        {"N4sharps1", QT_TRANSLATE_NOOP("PitchMenus", "4 sharps")},
        {"N4flats1", QT_TRANSLATE_NOOP("PitchMenus", "4 flats")},
        {"N5sharps1", QT_TRANSLATE_NOOP("PitchMenus", "5 sharps")},
        {"N5flats1", QT_TRANSLATE_NOOP("PitchMenus", "5 flats")},
        {"N6sharps1", QT_TRANSLATE_NOOP("PitchMenus", "6 sharps")},
        {"N6flats1", QT_TRANSLATE_NOOP("PitchMenus", "6 flats")},
    };
    return submenus;
}

const std::vector<MusicKey>& MusicKeys() {
    static const std::vector<MusicKey> keys = buildKeys();
    return keys;
}

const MusicKey* findKeyByCaption(QStringView caption) {
    const QStringView wanted = caption.trimmed();
    for (const MusicKey& key : MusicKeys()) {
        if (key.caption.compare(wanted, Qt::CaseInsensitive) == 0)
            return &key;
    }
    return nullptr;
}

void applyKeyStepTable(KeyStepTable& table, const MusicKey& key) {
    for (int column = 1; column <= key.filledColumns; ++column)
        table.setColumn(column, key.steps.column(column));
}

void SetDefaultKeyTable(KeyStepTable& table) {
    applyKeyStepTable(table, MusicKeys()[CMajorIndex]);
}

std::optional<EnharmonicReplacement> replacementOnKeySelect(int keyIndex,
                                                            bool ParallelLevelActive) {
    if (!ParallelLevelActive)
        return std::nullopt;
    if (keyIndex == DbMajorIndex)
        return EnharmonicReplacement{DbMajorIndex, CsharpMinorIndex, true};
    if (keyIndex == GbMajorIndex)
        return EnharmonicReplacement{GbMajorIndex, FsharpMajorIndex, false};
    return std::nullopt;
}

const SignatureSubmenu& submenuOf(const MusicKey& key) {
    return SignatureSubmenus().at(key.submenu);
}

std::vector<SignatureGlyph> keySignatureGlyphs(QStringView SignatureKind, int SignatureCount) {
    const char* const* order = nullptr;
    if (SignatureKind == u"#")
        order = SharpOrder;
    else if (SignatureKind == u"b")
        order = FlatOrder;
    else
        return {};
    std::vector<SignatureGlyph> glyphs;
    for (int n = 0; n < std::min(SignatureCount, 6); ++n)
        glyphs.push_back({SignatureKind.toString(), QString::fromLatin1(order[n])});
    return glyphs;
}

} // namespace tonewise
