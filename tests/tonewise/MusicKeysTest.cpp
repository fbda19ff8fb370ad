#include "MusicKeys.h"
#include "SpelledPitchTable.h"

#include <gtest/gtest.h>

#include <set>

using namespace tonewise;

namespace {

int positionOf(const QString& name) {
    const auto position = spelledPositionOf(name);
    return position ? *position : -1000;
}

int midiOf(const QString& name) {
    return midiNoteOf(name).value_or(-1000);
}

QChar nextLetter(QChar letter) {
    return letter == u'G' ? QChar(u'A') : QChar(letter.unicode() + 1);
}

// The pitch without its octave digit: "F#", "Bb", "C".
QString pitchClassName(const QString& name) {
    return name.chopped(1);
}

} // namespace

TEST(MusicKeys, TellingKeys) {
    const auto& keys = MusicKeys();
    ASSERT_EQ(keys.size(), 24u);
    EXPECT_EQ(keys[1].keyText, "Key = A Harmonic Minor.");
    EXPECT_EQ(keys[13].keyText, "Key = F# Harmonic Minor.");
    EXPECT_EQ(keys[GbMajorIndex].keyText, "Key = Gb Major.");
    EXPECT_EQ(findKeyByCaption(u"f# minor"), &keys[13]);
    EXPECT_EQ(findKeyByCaption(u"H Major"), nullptr);

    // A minor draws no signature, and its G# is written with a sharp wherever it appears.
    EXPECT_EQ(keys[1].SignatureKind, "n");
    EXPECT_EQ(keys[1].LeadingToneSpellings, (std::array<std::int8_t, 3>{25, 46, 67}));
    const MusicKey& cMinor = keys[11];
    EXPECT_EQ(cMinor.LeadingToneAccidental, "n");
    ASSERT_TRUE(cMinor.LeadingToneSpellings);
    for (std::int8_t position : *cMinor.LeadingToneSpellings) {
        EXPECT_TRUE(SpelledPitchTable()[position].name.startsWith(u'B'));
        EXPECT_EQ(AccidentalFor(position), "n");
    }
    // The two keys the program selects on its own mark their submenu too.
    for (const MusicKey& key : keys)
        EXPECT_EQ(key.marksSubmenu,
                  key.KeyIndex == FsharpMajorIndex || key.KeyIndex == CsharpMinorIndex);
}

// Checks every row of the key tables against music theory, so a wrong name anywhere shows.
TEST(MusicKeys, KeyTablesAreTheScalesOfTheirKeys) {
    const std::vector<int> major = {0, 2, 4, 5, 7, 9, 11, 12};
    const std::vector<int> harmonicMinor = {0, 2, 3, 5, 7, 8, 11, 12};
    for (const MusicKey& key : MusicKeys()) {
        SCOPED_TRACE(key.caption.toStdString());
        const KeyStepTable& t = key.steps;
        const bool noParallel = key.KeyIndex == DbMajorIndex || key.KeyIndex == GbMajorIndex;
        ASSERT_EQ(key.filledColumns, noParallel ? 11 : 16);
        for (int c = 1; c <= key.filledColumns; ++c)
            EXPECT_GE(positionOf(t.column(c)), OctaveOfPositions) << "column " << c;
        for (int c = key.filledColumns + 1; c <= 16; ++c)
            EXPECT_TRUE(t.column(c).isEmpty());

        const int tonic = midiOf(t.column(1));
        EXPECT_GE(tonic, 58);
        EXPECT_LE(tonic, 69);
        const auto& steps = key.minor ? harmonicMinor : major;
        for (int c = 1; c <= 8; ++c) {
            EXPECT_EQ(midiOf(t.column(c)) - tonic, steps[c - 1]) << "column " << c;
            if (c > 1) {
                EXPECT_EQ(t.column(c)[0], nextLetter(t.column(c - 1)[0])) << "column " << c;
            }
        }
        // The steps below the tonic and the octave are the same spellings 21 rows apart.
        EXPECT_EQ(positionOf(t.column(8)), positionOf(t.column(1)) + 21);
        EXPECT_EQ(positionOf(t.column(9)), positionOf(t.column(7)) - 21);
        EXPECT_EQ(positionOf(t.column(10)), positionOf(t.column(6)) - 21);
        EXPECT_EQ(positionOf(t.column(11)), positionOf(t.column(5)) - 21);
        if (noParallel)
            continue;
        // Parallel third and sixth: lowered in major, raised in minor, same letter.
        const int shift = key.minor ? 1 : -1;
        EXPECT_EQ(t.column(12)[0], t.column(3)[0]);
        EXPECT_EQ(midiOf(t.column(12)), midiOf(t.column(3)) + shift);
        EXPECT_EQ(t.column(13)[0], t.column(6)[0]);
        EXPECT_EQ(midiOf(t.column(13)), midiOf(t.column(6)) + shift);
        // Parallel seventh: lowered in major, the unraised seventh in minor.
        EXPECT_EQ(t.column(15)[0], t.column(7)[0]);
        EXPECT_EQ(midiOf(t.column(15)), midiOf(t.column(7)) - 1);
        EXPECT_EQ(positionOf(t.column(14)), positionOf(t.column(13)) - 21);
        EXPECT_EQ(positionOf(t.column(16)), positionOf(t.column(15)) - 21);
    }
}

// The signature is the accidentals of the key's diatonic notes (the unraised seventh in minor),
// and the leading tone of a minor key is spelled where the staff expects it.
TEST(MusicKeys, SignaturesAndLeadingTonesMatchTheScales) {
    for (const MusicKey& key : MusicKeys()) {
        SCOPED_TRACE(key.caption.toStdString());
        const KeyStepTable& t = key.steps;
        std::set<QString> accidentals;
        for (int c : {1, 2, 3, 4, 5, 6, key.minor ? 15 : 7}) {
            const QString name = t.column(c);
            if (name.size() == 3)
                accidentals.insert(pitchClassName(name));
        }
        std::set<QString> signature;
        for (const SignatureGlyph& glyph :
             keySignatureGlyphs(key.SignatureKind, key.SignatureCount))
            signature.insert(glyph.pitch);
        EXPECT_EQ(accidentals, signature);
        EXPECT_EQ(static_cast<int>(signature.size()), key.SignatureCount);
        if (key.SignatureCount == 0) {
            EXPECT_EQ(key.SignatureKind, key.minor ? "n" : " ");
        }
        const QString count = QString::number(key.SignatureCount);
        const QString expectedSubmenu =
            key.SignatureCount == 0 ? QStringLiteral("0 signature")
                                    : count + (key.SignatureKind == "#" ? " sharp" : " flat") +
                                          (key.SignatureCount > 1 ? "s" : "");
        EXPECT_EQ(submenuOf(key).caption, expectedSubmenu);

        if (!key.minor) {
            EXPECT_EQ(key.LeadingToneAccidental, " ");
            EXPECT_FALSE(key.LeadingToneSpellings.has_value());
            continue;
        }
        const int upper = positionOf(t.column(7));
        const std::array<std::int8_t, 3> expected = {static_cast<std::int8_t>(upper - 42),
                                                     static_cast<std::int8_t>(upper - 21),
                                                     static_cast<std::int8_t>(upper)};
        EXPECT_EQ(key.LeadingToneSpellings, expected);
        EXPECT_EQ(key.LeadingToneAccidental, t.column(7).size() == 3 ? "#" : "n");
    }
}

TEST(MusicKeys, DbAndGbMajorLeaveTheParallelColumnsAsTheyWere) {
    KeyStepTable table;
    SetDefaultKeyTable(table);
    EXPECT_EQ(table, MusicKeys()[CMajorIndex].steps);
    applyKeyStepTable(table, MusicKeys()[4]); // G Major
    const KeyStepTable gMajor = table;
    applyKeyStepTable(table, MusicKeys()[DbMajorIndex]);
    for (int c = 1; c <= 11; ++c)
        EXPECT_EQ(table.column(c), MusicKeys()[DbMajorIndex].steps.column(c));
    for (int c = 12; c <= 16; ++c)
        EXPECT_EQ(table.column(c), gMajor.column(c));
    EXPECT_EQ(table.column(0), "");
    EXPECT_EQ(table.column(17), "");
}

TEST(MusicKeys, EnharmonicReplacementOnlyWhileAParallelLevelIsActive) {
    const auto db = replacementOnKeySelect(DbMajorIndex, true);
    ASSERT_TRUE(db);
    EXPECT_EQ(db->byKey, CsharpMinorIndex);
    EXPECT_TRUE(db->restartBeforeReplacing);
    const auto gb = replacementOnKeySelect(GbMajorIndex, true);
    ASSERT_TRUE(gb);
    EXPECT_EQ(gb->byKey, FsharpMajorIndex);
    EXPECT_FALSE(gb->restartBeforeReplacing);
    EXPECT_FALSE(replacementOnKeySelect(DbMajorIndex, false));
    EXPECT_FALSE(replacementOnKeySelect(GbMajorIndex, false));
    for (int key = 0; key < KeyCount; ++key) {
        if (key != DbMajorIndex && key != GbMajorIndex) {
            EXPECT_FALSE(replacementOnKeySelect(key, true));
        }
    }
    EXPECT_EQ(MusicKeys()[FsharpMajorIndex].SignatureCount, 6);
    EXPECT_EQ(MusicKeys()[CsharpMinorIndex].keyText, "Key = C# Harmonic Minor.");
}

TEST(MusicKeys, SignatureAccidentalsComeInTheirOrder) {
    QStringList flats, sharps;
    for (const auto& glyph : keySignatureGlyphs(u"b", 6)) {
        EXPECT_EQ(glyph.glyph, "b");
        flats << glyph.pitch;
    }
    for (const auto& glyph : keySignatureGlyphs(u"#", 5))
        sharps << glyph.pitch;
    EXPECT_EQ(flats.join(' '), "Bb Eb Ab Db Gb Cb");
    EXPECT_EQ(sharps.join(' '), "F# C# G# D# A#");
    EXPECT_TRUE(keySignatureGlyphs(u" ", 0).empty());
    EXPECT_TRUE(keySignatureGlyphs(u"n", 0).empty());
    EXPECT_TRUE(keySignatureGlyphs(u"n", 3).empty());
}
