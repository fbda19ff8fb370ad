#include "PitchNames.h"
#include "SpelledPitchTable.h"

#include <gtest/gtest.h>

using namespace tonewise;

TEST(PitchNames, MidiNotesFollowTheNamingConvention) {
    EXPECT_EQ(midiNoteOf(u"C3"), 60);
    EXPECT_EQ(midiNoteOf(u"F1"), 41);
    EXPECT_EQ(midiNoteOf(u"A4"), 81);
    EXPECT_EQ(midiNoteOf(u"B#1"), 48);
    EXPECT_EQ(midiNoteOf(u"Cb2"), 47);
    EXPECT_EQ(midiNoteOf(u"E#2"), 53);
    EXPECT_EQ(midiNoteOf(u"Fb2"), 52);
    for (const char16_t* notAName : {u"", u"C", u"C#", u"H3", u"c3", u"Cx3", u"C#b3", u"C10"})
        EXPECT_FALSE(midiNoteOf(notAName).has_value())
            << QString::fromUtf16(notAName).toStdString();
}

TEST(PitchNames, SyllableNamesAreUnicodeWithFlatsInParentheses) {
    EXPECT_EQ(letterSyllable(u'C'), QString::fromUtf16(u"D\u00F3"));
    EXPECT_EQ(letterSyllable(u'D'), QString::fromUtf16(u"R\u00E9"));
    EXPECT_EQ(letterSyllable(u'F'), QString::fromUtf16(u"F\u00E1"));
    EXPECT_EQ(letterSyllable(u'A'), QString::fromUtf16(u"L\u00E1"));
    const std::pair<const char16_t*, const char16_t*> examples[] = {
        {u"F#1", u"Fá#1"},   {u"Gb1", u"Sol(b)1"}, {u"Bb2", u"Si(b)2"}, {u"Cb3", u"Dó(b)3"},
        {u"C3", u"Dó3"},     {u"C#3", u"Dó#3"},    {u"D#3", u"Ré#3"},   {u"Eb4", u"Mi(b)4"},
        {u"A4", u"Lá4"},     {u"C4", u"Dó4"},      {u"Cb4", u"Dó(b)4"}, {u"Ab4", u"Lá(b)4"},
        {u"Db3", u"Ré(b)3"}, {u"Db2", u"Ré(b)2"},
    };
    for (const auto& [name, syllable] : examples)
        EXPECT_EQ(syllableName(name), QString::fromUtf16(syllable))
            << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(syllableName(u"xyz"), QStringLiteral("xyz"));
}

TEST(SpelledPitchTable, TellingRows) {
    const auto& table = SpelledPitchTable();
    const struct {
        int position;
        const char* name;
        int midi;
        int staffY;
    } rows[] = {{0, "F1", 41, 72},    {1, "F#1", 42, 72}, {2, "Gb1", 42, 68}, {10, "B#1", 48, 60},
                {11, "Cb2", 47, 56},  {21, "F2", 53, 44}, {33, "C3", 60, 28}, {54, "C4", 72, 0},
                {68, "Ab4", 80, -20}, {69, "A4", 81, -20}};
    for (const auto& row : rows) {
        EXPECT_EQ(table[row.position].name, QLatin1String(row.name));
        EXPECT_EQ(table[row.position].midi, row.midi) << row.name;
        EXPECT_EQ(table[row.position].staffY, row.staffY) << row.name;
    }
    const int cFlat4 = *spelledPositionOf(u"Cb4");
    EXPECT_EQ(table[cFlat4].midi, 71);
    EXPECT_EQ(table[cFlat4].staffY, 0);
    const int bSharp3 = *spelledPositionOf(u"B#3");
    EXPECT_EQ(table[bSharp3].midi, 72);
    EXPECT_EQ(table[bSharp3].staffY, 4);
}

TEST(SpelledPitchTable, EveryRowIsConsistentAndAnOctaveIs21Rows) {
    const auto& table = SpelledPitchTable();
    QStringList seen;
    for (int position = 0; position < SpelledPitchCount; ++position) {
        const SpelledPitch& row = table[position];
        ASSERT_EQ(midiNoteOf(row.name), row.midi) << row.name.toStdString();
        EXPECT_FALSE(seen.contains(row.name)) << row.name.toStdString();
        seen << row.name;
        // The accidental glyph follows from the position alone.
        EXPECT_EQ(AccidentalFor(position), row.name.size() == 2 ? "n" : QString(row.name[1]))
            << row.name.toStdString();
        if (position >= OctaveOfPositions) {
            const SpelledPitch& below = table[position - OctaveOfPositions];
            EXPECT_EQ(below.midi, row.midi - 12);
            EXPECT_EQ(below.staffY, row.staffY + 28);
            EXPECT_EQ(below.name.chopped(1), row.name.chopped(1));
        }
    }
}

TEST(SpelledPitchTable, FindSpelledIndexLooksUpTheStepNameExactly) {
    const QStringList steps = {"C3", "E3", "G#3", "c3", "Zz"};
    EXPECT_EQ(FindSpelledIndex(steps, 0, 5), 33);
    EXPECT_EQ(FindSpelledIndex(steps, 2, 5), 46);
    EXPECT_EQ(FindSpelledIndex(steps, 3, 5), 5) << "names are case-sensitive";
    EXPECT_EQ(FindSpelledIndex(steps, 4, 7), 7);
    EXPECT_EQ(FindSpelledIndex(steps, 5, 9), 9) << "a step beyond the list keeps the index";
    EXPECT_EQ(FindSpelledIndex(steps, -1, 9), 9);
}

TEST(SpelledPitchTable, OctaveLowerAndApplySpelledIndex) {
    EXPECT_EQ(OctaveLower(46), 25);
    const AppliedSpelling gSharp2 = ApplySpelledIndex(OctaveLower(46), 60);
    EXPECT_EQ(gSharp2.LetterName, QStringLiteral("G#2"));
    EXPECT_EQ(gSharp2.QuestionPitch, 56);
    EXPECT_EQ(gSharp2.NoteY, 40);
    EXPECT_EQ(gSharp2.QuestionInterval, -4);
    EXPECT_EQ(OctaveLower(20), 20) << "Fb2 has no row an octave below";

    const AppliedSpelling a4 = ApplySpelledIndex(69, 41);
    EXPECT_EQ(a4.QuestionPitch, 81);
    EXPECT_EQ(a4.QuestionInterval, 40);
    EXPECT_EQ(ApplySpelledIndex(-21, 0).LetterName, QStringLiteral("F1"));
    EXPECT_EQ(ApplySpelledIndex(90, 0).LetterName, QStringLiteral("A4"));
    // Signed 8-bit as the exercise keeps it.
    EXPECT_EQ(ApplySpelledIndex(0, 200).QuestionInterval, static_cast<std::int8_t>(41 - 200));
}

TEST(SpelledPitchTable, AccidentalsAndDisplayNames) {
    EXPECT_EQ(AccidentalFor(0), "n");
    EXPECT_EQ(AccidentalFor(1), "#");
    EXPECT_EQ(AccidentalFor(2), "b");
    EXPECT_EQ(AccidentalFor(69), "n");
    EXPECT_EQ(ChooseDisplayName(NoteNaming::Letters, "Bb3"), "Bb3");
    EXPECT_EQ(ChooseDisplayName(NoteNaming::Syllables, "Bb3"), QString::fromUtf16(u"Si(b)3"));
    EXPECT_EQ(ChooseDisplayName(NoteNaming::Syllables, "Db3"), QString::fromUtf16(u"Ré(b)3"));
}
