#include "NoteStringTiming.h"
#include "RhythmCatalogue.h"
#include "Tempo.h"
#include "TwoDecimalText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace {

struct TempoRow {
    int tempo;
    int dur25, dur50, dur75, dur100, dur33, dur66, dur99;
};

// The durations of every metronome value, in 10 ms units.
constexpr std::array<TempoRow, 12> kTempoTable = {{
    {30, 50, 100, 150, 200, 66, 132, 198},
    {36, 41, 82, 124, 165, 54, 109, 164},
    {42, 35, 71, 107, 142, 47, 94, 141},
    {48, 31, 62, 93, 125, 41, 82, 123},
    {54, 27, 55, 83, 111, 36, 73, 109},
    {60, 25, 50, 75, 100, 33, 66, 99},
    {66, 22, 45, 68, 90, 29, 59, 89},
    {72, 20, 41, 62, 83, 27, 54, 82},
    {78, 19, 38, 57, 76, 25, 50, 76},
    {84, 17, 35, 53, 71, 23, 47, 70},
    {90, 16, 33, 49, 66, 21, 43, 65},
    {96, 15, 31, 46, 62, 20, 41, 61},
}};

struct Rhythm {
    bool rest;              // the beat begins with a rest
    std::vector<int> notes; // onsets of the sounding notes, in sixteenths (simple) or eighths
};

// Simple meter: a beat of four sixteenths.
const std::array<Rhythm, 15> kSimpleRhythms = {{
    {false, {0}},
    {false, {0, 2}},
    {false, {0, 1, 2}},
    {false, {0, 2, 3}},
    {false, {0, 3}},
    {true, {2}},
    {true, {2, 3}},
    {true, {3}},
    {true, {1, 2}},
    {true, {1, 2, 3}},
    {false, {0, 1}},
    {false, {0, 1, 3}},
    {true, {1}},
    {true, {1, 3}},
    {false, {0, 1, 2, 3}},
}};

// Compound meter: a beat of three eighths.
const std::array<Rhythm, 7> kCompoundRhythms = {{
    {false, {0}},
    {false, {0, 1, 2}},
    {false, {0, 2}},
    {false, {0, 1}},
    {true, {2}},
    {true, {1, 2}},
    {true, {1}},
}};

int simpleLength(const TempoRow& row, int sixteenths) {
    const int lengths[] = {0, row.dur25, row.dur50, row.dur75, row.dur100};
    return lengths[sixteenths];
}

int compoundLength(const TempoRow& row, int eighths) {
    const int lengths[] = {0, row.dur33, row.dur66, row.dur99};
    return lengths[eighths];
}

// The notes one beat must play: each lasts until the next onset, the last until the beat's end,
// every gap measured with its own truncated duration; a rest is a silent note 127.
std::vector<TimedNote> expectedBeat(const Rhythm& rhythm, int units, int key,
                                    const std::function<int(int)>& length) {
    std::vector<int> onsets = rhythm.notes;
    if (rhythm.rest)
        onsets.insert(onsets.begin(), 0);
    std::vector<TimedNote> notes;
    int time = 0;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
        const int next = i + 1 < onsets.size() ? onsets[i + 1] : units;
        const int duration = length(next - onsets[i]);
        notes.push_back({time, rhythm.rest && i == 0 ? 127 : key, duration});
        time += duration;
    }
    return notes;
}

} // namespace

TEST(Tempo, DurationsOfEveryMetronomeValueAreTruncatedFromTheExtendedProduct) {
    for (const TempoRow& row : kTempoTable) {
        const TempoDurations d = Tempo::durations(Tempo::factor(row.tempo));
        EXPECT_EQ(d.Dur25, QString::number(row.dur25)) << row.tempo;
        EXPECT_EQ(d.Dur50, QString::number(row.dur50)) << row.tempo;
        EXPECT_EQ(d.Dur75, QString::number(row.dur75)) << row.tempo;
        EXPECT_EQ(d.Dur100, QString::number(row.dur100)) << row.tempo;
        EXPECT_EQ(d.Dur33, QString::number(row.dur33)) << row.tempo;
        EXPECT_EQ(d.Dur66, QString::number(row.dur66)) << row.tempo;
        EXPECT_EQ(d.Dur99, QString::number(row.dur99)) << row.tempo;
    }
    // Where a double product would round up to the next integer.
    EXPECT_EQ(Tempo::scaled(50, 1.66), 82);
    EXPECT_EQ(Tempo::scaled(100, 1.66), 165);
    EXPECT_EQ(Tempo::scaled(100, 1.43), 142);
    EXPECT_EQ(Tempo::snapped(73), 72);
    EXPECT_EQ(Tempo::snapped(10), 30);
    EXPECT_EQ(Tempo::snapped(200), 96);
}

TEST(RhythmCatalogue, EveryPartPlaysItsRhythmForOneBeatAtEveryTempo) {
    for (const TempoRow& row : kTempoTable) {
        const TempoDurations d = Tempo::durations(Tempo::factor(row.tempo));
        for (int p = 0; p < 15; ++p) {
            const auto part = RhythmCatalogue::beatPart(Meter::Simple, p, QStringLiteral("N64"), d);
            ASSERT_TRUE(part);
            const auto timing = NoteStringTiming::of(*part);
            const auto expected = expectedBeat(kSimpleRhythms[static_cast<std::size_t>(p)], 4, 64,
                                               [&](int n) { return simpleLength(row, n); });
            EXPECT_EQ(timing.notes, expected) << "simple " << p << " at " << row.tempo;
            int length = 0;
            for (const TimedNote& note : expected)
                length += note.duration;
            EXPECT_EQ(timing.end, length) << "simple " << p << " at " << row.tempo;
        }
        for (int p = 0; p < 7; ++p) {
            const auto part =
                RhythmCatalogue::beatPart(Meter::Compound, p, QStringLiteral("N63"), d);
            ASSERT_TRUE(part);
            const auto timing = NoteStringTiming::of(*part);
            const auto expected = expectedBeat(kCompoundRhythms[static_cast<std::size_t>(p)], 3, 63,
                                               [&](int n) { return compoundLength(row, n); });
            EXPECT_EQ(timing.notes, expected) << "compound " << p << " at " << row.tempo;
        }
        EXPECT_FALSE(RhythmCatalogue::beatPart(Meter::Compound, 7, QStringLiteral("N63"), d));
    }
}

TEST(RhythmCatalogue, PartsReadAsTheirPiecesAtTempo60) {
    const TempoDurations d = Tempo::durations(1.0);
    const auto simple = [&](int p) {
        return *RhythmCatalogue::beatPart(Meter::Simple, p, QStringLiteral("N64"), d);
    };
    EXPECT_EQ(simple(0), QStringLiteral("N64;100,100;"));
    EXPECT_EQ(simple(2), QStringLiteral("N64;25, 25;N64, 25;N64;50, 50;"));
    EXPECT_EQ(simple(9), QStringLiteral("N127;25, 25;N64;25,N64,N64, 25;"));
    EXPECT_EQ(simple(14), QStringLiteral("N64;25, 25;N64,N64,N64, 25;"));
    EXPECT_EQ(*RhythmCatalogue::beatPart(Meter::Compound, 5, QStringLiteral("N63"), d),
              QStringLiteral("N127;33, 33;N63;33,  33;N63, 33;"));
    EXPECT_EQ(RhythmCatalogue::framePart(Meter::Simple, 0, d),
              QStringLiteral("N50;50, 50;N50;50, 50;"));
    EXPECT_EQ(RhythmCatalogue::framePart(Meter::Compound, 0, d),
              QStringLiteral("N50;33, 33;N50;33,N50, 33;"));
    EXPECT_EQ(RhythmCatalogue::framePart(Meter::Compound, 1, d), QStringLiteral("N65;99, 99;"));
    EXPECT_EQ(RhythmCatalogue::framePart(Meter::Simple, 9, d), QStringLiteral("N48;100, 100;"));
}

TEST(RhythmCatalogue, CaptionsAndAnswerGlyphsDifferWhereTheButtonsDo) {
    EXPECT_EQ(*RhythmCatalogue::caption(Meter::Simple, 6), QStringLiteral("\u00E4  xx "));
    EXPECT_EQ(*RhythmCatalogue::answerGlyph(Meter::Simple, 6), QStringLiteral("\u00E4  xx"));
    EXPECT_EQ(*RhythmCatalogue::caption(Meter::Compound, 6), QStringLiteral("\u00E4 q"));
    EXPECT_EQ(*RhythmCatalogue::answerGlyph(Meter::Compound, 6), QStringLiteral("  \u00E4  q"));
    EXPECT_EQ(*RhythmCatalogue::answerGlyph(Meter::Compound, 4), QStringLiteral("\u00E4 \u00E4 e"));
    // Every answer glyph of a meter is distinct, and none matches an empty cell.
    for (Meter meter : {Meter::Simple, Meter::Compound}) {
        QStringList glyphs;
        for (int p = 0; p < RhythmCatalogue::patternCount(meter); ++p)
            glyphs.append(*RhythmCatalogue::answerGlyph(meter, p));
        glyphs.removeDuplicates();
        EXPECT_EQ(glyphs.size(), RhythmCatalogue::patternCount(meter));
        EXPECT_FALSE(glyphs.contains(RhythmCatalogue::emptyCell()));
    }
}

TEST(TwoDecimalText, CutsDecimalsOffExactly) {
    EXPECT_EQ(twoDecimalText(600, 7), QStringLiteral("85.71"));
    EXPECT_EQ(twoDecimalText(1300, 14), QStringLiteral("92.85"));
    EXPECT_EQ(twoDecimalText(700, 7), QStringLiteral("100.00"));
    EXPECT_EQ(twoDecimalText(21, 20), QStringLiteral("1.05"));
    EXPECT_EQ(twoDecimalText(23, 20), QStringLiteral("1.15"));
    EXPECT_EQ(twoDecimalText(1, 1), QStringLiteral("1.00"));
    EXPECT_EQ(twoDecimalText(0, 7), QStringLiteral("0.00"));
}

// The synthesizer loads the kit's sounds for these keys only: every note a question plays must
// be among them.
TEST(RhythmCatalogue, DrumKeysAreEveryKeyThePartsPlay) {
    const TempoDurations d = Tempo::durations(1.0);
    std::vector<QString> parts;
    for (Meter meter : {Meter::Simple, Meter::Compound}) {
        for (int part : {0, 1, 9})
            parts.push_back(RhythmCatalogue::framePart(meter, part, d));
        for (int column = RhythmCatalogue::kFirstBeatColumn;
             column < RhythmCatalogue::kFirstBeatColumn + RhythmCatalogue::kBeats; ++column)
            for (int p = 0; p < RhythmCatalogue::patternCount(meter); ++p)
                parts.push_back(
                    *RhythmCatalogue::beatPart(meter, p, RhythmCatalogue::beatNote(column), d));
    }
    std::vector<int> played;
    for (const QString& part : parts)
        for (const TimedNote& note : NoteStringTiming::of(part).notes)
            played.push_back(note.key);
    std::sort(played.begin(), played.end());
    played.erase(std::unique(played.begin(), played.end()), played.end());
    EXPECT_EQ(RhythmCatalogue::drumKeys(), played);
}
