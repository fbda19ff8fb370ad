#include "BeatRhythm.h"
#include "KeySignature.h"

#include <gtest/gtest.h>

#include <QSet>

#include <map>

using notation::BeatRhythm;
using notation::beatRhythmFor;
using notation::Meter;
using notation::rhythmGlyphs;

namespace {

QString withoutSpaces(QString text) {
    return text.remove(QLatin1Char(' '));
}

// Onsets of the notes as twelfths of the beat, as a musician would count them.
std::vector<int> noteOnsets(const BeatRhythm& rhythm) {
    std::vector<int> onsets;
    for (const auto& event : rhythm.events) {
        if (!event.rest)
            onsets.push_back(event.start * 12 / rhythm.length());
    }
    return onsets;
}

} // namespace

TEST(BeatRhythm, EveryGlyphFillsExactlyOneBeat) {
    ASSERT_EQ(rhythmGlyphs().size(), 36u);
    for (const auto& glyph : rhythmGlyphs()) {
        int at = 0;
        for (const auto& event : glyph.rhythm.events) {
            EXPECT_EQ(event.start, at) << glyph.text.toStdString();
            EXPECT_GT(event.length, 0) << glyph.text.toStdString();
            at += event.length;
        }
        EXPECT_EQ(at, glyph.rhythm.length()) << glyph.text.toStdString();
        EXPECT_GE(glyph.rhythm.noteCount(), 1) << glyph.text.toStdString();
    }
}

TEST(BeatRhythm, TextsDifferingOnlyInSpacingShareTheirRhythmAndNeverCrossMeters) {
    std::map<QString, BeatRhythm> bySpacelessText;
    QSet<QString> texts;
    for (const auto& glyph : rhythmGlyphs()) {
        EXPECT_FALSE(texts.contains(glyph.text)) << "listed twice: " << glyph.text.toStdString();
        texts.insert(glyph.text);
        const auto [it, inserted] =
            bySpacelessText.emplace(withoutSpaces(glyph.text), glyph.rhythm);
        if (!inserted) {
            EXPECT_EQ(it->second, glyph.rhythm) << glyph.text.toStdString();
        }
    }
}

TEST(BeatRhythm, AnswerGlyphsSoundAtTheOnsetsOfTheirPatterns) {
    const QString a = QChar(0x00E4);
    const QString A = QChar(0x00C5);
    const std::vector<std::pair<QString, std::vector<int>>> simple = {
        {"q", {0}},          {"ee", {0, 6}},         {"13q", {0, 3, 6}},     {"31q", {0, 6, 9}},
        {"e.   x", {0, 9}},  {a + "   e", {6}},      {a + "  xx", {6, 9}},   {a + " .   x", {9}},
        {A + " xe", {3, 6}}, {A + "11q", {3, 6, 9}}, {"x e.", {0, 3}},       {"xe x", {0, 3, 9}},
        {A + " e.", {3}},    {A + " ex", {3, 9}},    {"111q", {0, 3, 6, 9}},
    };
    const std::vector<std::pair<QString, std::vector<int>>> compound = {
        {"q   .", {0}},          {"eee", {0, 4, 8}},        {"q  e", {0, 8}},
        {"e q", {0, 4}},         {a + " " + a + " e", {8}}, {a + " e e", {4, 8}},
        {"  " + a + "  q", {4}},
    };
    for (const auto& [text, onsets] : simple) {
        const auto rhythm = beatRhythmFor(text);
        ASSERT_TRUE(rhythm) << text.toStdString();
        EXPECT_EQ(rhythm->meter, Meter::Simple) << text.toStdString();
        EXPECT_EQ(noteOnsets(*rhythm), onsets) << text.toStdString();
    }
    for (const auto& [text, onsets] : compound) {
        const auto rhythm = beatRhythmFor(text);
        ASSERT_TRUE(rhythm) << text.toStdString();
        EXPECT_EQ(rhythm->meter, Meter::Compound) << text.toStdString();
        EXPECT_EQ(noteOnsets(*rhythm), onsets) << text.toStdString();
    }
}

TEST(BeatRhythm, CountInAndClosingGlyphs) {
    // Two or three eighths to count in, a quarter or a dotted quarter to close.
    EXPECT_EQ(noteOnsets(*beatRhythmFor("ee ")), (std::vector<int>{0, 6}));
    EXPECT_EQ(noteOnsets(*beatRhythmFor("eee ")), (std::vector<int>{0, 4, 8}));
    EXPECT_EQ(beatRhythmFor("q")->events, (std::vector<notation::RhythmEvent>{{0, 4, false}}));
    EXPECT_EQ(beatRhythmFor("q   .")->events, (std::vector<notation::RhythmEvent>{{0, 6, false}}));
}

TEST(KeySignature, SharpsAndFlatsStandOnTheirLettersInBothStaves) {
    // Staff position y = 72 - 4k, k diatonic steps above F1.
    auto letter = [](int y) { return QStringLiteral("FGABCDE").at(((72 - y) / 4) % 7); };
    const auto sharps = notation::keySignatureGlyphs("#", 6);
    const auto flats = notation::keySignatureGlyphs("b", 6);
    ASSERT_EQ(sharps.size(), 12u);
    ASSERT_EQ(flats.size(), 12u);
    QString sharpLetters;
    QString flatLetters;
    for (std::size_t i = 0; i < 12; i += 2) {
        EXPECT_EQ(letter(sharps[i].y), letter(sharps[i + 1].y));
        EXPECT_EQ(letter(flats[i].y), letter(flats[i + 1].y));
        EXPECT_EQ(sharps[i].x, sharps[i + 1].x);
        EXPECT_LT(sharps[i].y, 24) << "treble first";
        EXPECT_GT(sharps[i + 1].y, 32) << "then bass";
        sharpLetters += letter(sharps[i].y);
        flatLetters += letter(flats[i].y);
        EXPECT_EQ(sharps[i].text, "#");
        EXPECT_EQ(flats[i].text, "b");
    }
    EXPECT_EQ(sharpLetters, "FCGDAE");
    EXPECT_EQ(flatLetters, "BEADGC");
    // The fifth sharp of the bass staff is on its top line; the sixth stands 6 units on.
    EXPECT_EQ(sharps[9].y, 36);
    EXPECT_EQ(sharps[10].x, 62);
    EXPECT_EQ(flats[10].x - flats[8].x, 6);
}

TEST(KeySignature, CountsAndKindsWithoutSignature) {
    EXPECT_TRUE(notation::keySignatureGlyphs(" ", 0).empty());
    EXPECT_TRUE(notation::keySignatureGlyphs("n", 0).empty());
    EXPECT_TRUE(notation::keySignatureGlyphs("n", 3).empty());
    EXPECT_TRUE(notation::keySignatureGlyphs("#", 0).empty());
    EXPECT_EQ(notation::keySignatureGlyphs("b", 3).size(), 6u);
    EXPECT_EQ(notation::keySignatureGlyphs("#", 9).size(), 12u);
    EXPECT_TRUE(notation::keySignatureGlyphs("#", -1).empty());
}
