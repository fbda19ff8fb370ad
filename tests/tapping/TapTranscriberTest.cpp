#include "TapTranscriber.h"
#include "NoteStringTiming.h"
#include "PatternOnsets.h"
#include "RhythmCatalogue.h"
#include "TapGrid.h"
#include "TapPerformance.h"
#include "Tempo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using Row = TapPerformance::Row;

constexpr Meter kMeters[] = {Meter::Simple, Meter::Compound};

std::vector<int> metronomeValues() {
    std::vector<int> tempi;
    for (int tempo = Tempo::kMinimum; tempo <= Tempo::kMaximum; tempo += Tempo::kStep)
        tempi.push_back(tempo);
    return tempi;
}

Row transcribeAll(const TapGrid& grid, int level, const std::vector<double>& taps) {
    TapTranscriber transcriber(grid, level);
    for (double t : taps)
        transcriber.addTap(t);
    transcriber.finish();
    return transcriber.patterns();
}

std::string describe(const Row& row) {
    std::string text;
    for (int p : row)
        text += std::to_string(p) + " ";
    return text;
}

} // namespace

// The onsets the transcriber expects are the ones the note-string parts sound.
TEST(PatternOnsets, AreWhereThePatternsPartsSoundTheirNotes) {
    const TempoDurations d = Tempo::durations(Tempo::factor(60));
    for (Meter meter : kMeters) {
        const int step = meter == Meter::Simple ? 25 : 33;
        for (int p = 0; p < RhythmCatalogue::patternCount(meter); ++p) {
            const auto part = RhythmCatalogue::beatPart(meter, p, QStringLiteral("N64"), d);
            ASSERT_TRUE(part.has_value());
            PatternOnsets::Mask sounded = 0;
            for (const TimedNote& note : NoteStringTiming::of(*part).notes) {
                if (note.key != 127)
                    sounded |= static_cast<PatternOnsets::Mask>(1u << (note.time / step));
            }
            EXPECT_EQ(PatternOnsets::of(meter, p), sounded) << "pattern " << p;
        }
        EXPECT_EQ(PatternOnsets::of(meter, RhythmCatalogue::patternCount(meter)), 0);
    }
    EXPECT_EQ(PatternOnsets::usedByLevel(Meter::Simple, 3), 0b0111);
    EXPECT_EQ(PatternOnsets::usedByLevel(Meter::Simple, 4), 0b1111);
    EXPECT_EQ(PatternOnsets::patternWith(Meter::Simple, 15, 0b1010), 13);
    EXPECT_EQ(PatternOnsets::patternWith(Meter::Simple, 13, 0b1010), -1);
}

TEST(TapGrid, FollowsTheCountInAsThePlayerSoundsIt) {
    const TapGrid at60 = TapGrid::forQuestion(Meter::Simple, 60);
    EXPECT_DOUBLE_EQ(at60.beatMs, 1000);
    EXPECT_DOUBLE_EQ(at60.firstBeatMs, 2000);
    EXPECT_DOUBLE_EQ(at60.positionMs(6), 3500);
    // At 72 a quarter lasts 83 ticks and an eighth 41.
    const TapGrid at72 = TapGrid::forQuestion(Meter::Simple, 72);
    EXPECT_DOUBLE_EQ(at72.beatMs, 830);
    EXPECT_DOUBLE_EQ(at72.firstBeatMs, 1650);
    const TapGrid compound = TapGrid::forQuestion(Meter::Compound, 72);
    EXPECT_EQ(compound.subdivisions, 3);
    EXPECT_DOUBLE_EQ(compound.beatMs, 820);
    EXPECT_DOUBLE_EQ(compound.firstBeatMs, 3 * 270 + 820);
}

// Every level of both meters at every metronome value, tapped with a human spread.
TEST(TapTranscriber, WritesEveryLevelsRowsTappedWithASpread) {
    std::mt19937_64 random(11);
    for (Meter meter : kMeters) {
        for (int level = 3; level <= RhythmCatalogue::patternCount(meter); ++level) {
            for (int tempo : metronomeValues()) {
                const TapGrid grid = TapGrid::forQuestion(meter, tempo);
                for (int q = 0; q < 4; ++q) {
                    const Row row = TapPerformance::drawRow(meter, level, random);
                    const auto taps = TapPerformance::performed(grid, row, 25, random);
                    EXPECT_EQ(TapPerformance::transcribeLive(grid, level, taps), row)
                        << "level " << level << " tempo " << tempo << ": " << describe(row);
                    EXPECT_EQ(transcribeAll(grid, level, TapPerformance::writtenTaps(grid, row)),
                              row);
                }
            }
        }
    }
}

// A student who is steadily early or late, or whose pulse runs away, is still understood, and
// the lead or lag is measured.
TEST(TapTranscriber, AllowsForASteadyLeadOrLagAndADriftingPulse) {
    std::mt19937_64 random(12);
    struct Style {
        double lagMs, drift;
    };
    for (Style style :
         {Style{45, 0}, Style{-45, 0}, Style{0, 0.03}, Style{0, -0.03}, Style{30, -0.02}}) {
        for (Meter meter : kMeters) {
            for (int tempo : {30, 48, 72, 96}) {
                const int level = RhythmCatalogue::patternCount(meter);
                const TapGrid grid = TapGrid::forQuestion(meter, tempo);
                for (int q = 0; q < 6; ++q) {
                    const Row row = TapPerformance::drawRow(meter, level, random);
                    const auto taps =
                        TapPerformance::performed(grid, row, 15, random, style.lagMs, style.drift);
                    EXPECT_EQ(TapPerformance::transcribeLive(grid, level, taps), row)
                        << "lag " << style.lagMs << " drift " << style.drift << " tempo " << tempo;
                    TapTranscriber transcriber(grid, level);
                    for (double t : taps)
                        transcriber.addTap(t);
                    if (style.drift == 0) {
                        EXPECT_NEAR(transcriber.timing().lagMs, style.lagMs, 12);
                    }
                }
            }
        }
    }
}

TEST(TapTranscriber, AMissingTapCostsOnlyItsOwnBeat) {
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 96);
    const Row row{14, 0, 9, 1, 3, 0, 11};
    std::vector<double> taps = TapPerformance::writtenTaps(grid, row);
    // The third sixteenth of the first beat is left out: three sixteenths remain of four.
    taps.erase(taps.begin() + 2);
    Row tapped = transcribeAll(grid, 15, taps);
    EXPECT_EQ(tapped[0], PatternOnsets::patternWith(Meter::Simple, 15, 0b1011));
    EXPECT_TRUE(std::equal(row.begin() + 1, row.end(), tapped.begin() + 1)) << describe(tapped);

    // A quarter's only tap left out: the beat stays unanswered, the others are right.
    taps = TapPerformance::writtenTaps(grid, row);
    taps.erase(taps.begin() + 4);
    tapped = transcribeAll(grid, 15, taps);
    EXPECT_EQ(tapped[1], -1);
    for (std::size_t beat : {0u, 2u, 3u, 4u, 5u, 6u})
        EXPECT_EQ(tapped[beat], row[beat]) << "beat " << beat;
}

TEST(TapTranscriber, AnExtraTapDoesNotShiftTheRow) {
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 72);
    const Row row{0, 1, 2, 0, 1, 0, 2};
    std::vector<double> taps = TapPerformance::writtenTaps(grid, row);
    // A stray tap between two sixteenths of the fourth beat.
    const double stray = grid.positionMs(3 * 4 + 1.5);
    taps.insert(std::upper_bound(taps.begin(), taps.end(), stray), stray);
    const Row tapped = transcribeAll(grid, 3, taps);
    for (std::size_t beat : {0u, 1u, 2u, 4u, 5u, 6u})
        EXPECT_EQ(tapped[beat], row[beat]) << "beat " << beat;

    // A key or pad that triggers twice in quick succession counts once.
    std::vector<double> doubled = TapPerformance::writtenTaps(grid, row);
    const std::size_t firstCount = doubled.size();
    for (std::size_t i = 0; i < firstCount; i += 3)
        doubled.push_back(doubled[i] + 18);
    std::sort(doubled.begin(), doubled.end());
    TapTranscriber transcriber(grid, 3);
    for (double t : doubled)
        transcriber.addTap(t);
    transcriber.finish();
    EXPECT_EQ(transcriber.patterns(), row);
    EXPECT_EQ(transcriber.taps().size(), firstCount);
    EXPECT_GT(transcriber.doubleTriggers(), 0);
}

// The row fills beat by beat while the student taps; a decided beat keeps its pattern.
TEST(TapTranscriber, DecidesEachBeatOnceTheTapsHavePassedIt) {
    const TapGrid grid = TapGrid::forQuestion(Meter::Compound, 60);
    const Row row{0, 1, 2, 3, 4, 5, 6};
    const auto taps = TapPerformance::writtenTaps(grid, row);
    TapTranscriber transcriber(grid, 7);
    std::vector<TappedBeat> reported;
    double previousDecision = 0;
    for (double t : taps) {
        for (const TappedBeat& b : transcriber.advance(t)) {
            reported.push_back(b);
            // Decided only once the beat is over, and before the next one is.
            EXPECT_GE(t, grid.firstBeatMs + (b.beat + 1) * grid.beatMs - grid.beatMs / 6);
            EXPECT_LT(t, grid.firstBeatMs + (b.beat + 2) * grid.beatMs);
        }
        transcriber.addTap(t);
        EXPECT_GE(transcriber.nextDecisionMs(), previousDecision);
        previousDecision = transcriber.nextDecisionMs();
    }
    EXPECT_FALSE(transcriber.finished());
    // The last beat ends at the closing beat, and waits for the margin.
    const double lastEnd = grid.firstBeatMs + 7 * grid.beatMs - grid.subdivisionMs() / 2;
    EXPECT_TRUE(transcriber.advance(lastEnd).empty());
    const auto last = transcriber.advance(transcriber.nextDecisionMs());
    ASSERT_EQ(last.size(), 1u);
    reported.push_back(last[0]);
    EXPECT_TRUE(transcriber.finished());
    ASSERT_EQ(reported.size(), 7u);
    for (int beat = 0; beat < 7; ++beat) {
        EXPECT_EQ(reported[static_cast<std::size_t>(beat)].beat, beat);
        EXPECT_EQ(reported[static_cast<std::size_t>(beat)].pattern,
                  row[static_cast<std::size_t>(beat)]);
    }
    // A tap that comes after its beat was decided changes nothing.
    transcriber.addTap(grid.positionMs(1));
    EXPECT_EQ(transcriber.patterns(), row);
    EXPECT_TRUE(transcriber.advance(1e9).empty());
}

// After a check, each tap is measured against the written rhythm.
TEST(TapTranscriber, MarksEachTapAgainstTheWrittenRhythm) {
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 60);
    const Row written{0, 1, 0, 1, 0, 1, 0};
    std::vector<double> taps = TapPerformance::writtenTaps(grid, written);
    for (double& t : taps)
        t += 60;   // steadily late
    taps[0] -= 80; // 20 ms early
    taps[3] -= 45; // 15 ms late
    TapTranscriber transcriber(grid, 5);
    for (double t : taps)
        transcriber.addTap(t);
    transcriber.finish();
    ASSERT_EQ(transcriber.patterns(), written);

    const std::vector<TapMark> marks = transcriber.marks();
    ASSERT_EQ(marks.size(), taps.size());
    EXPECT_EQ(marks[0].verdict, TapVerdict::InTime);
    EXPECT_NEAR(marks[0].deviationMs, -20, 1e-9);
    EXPECT_EQ(marks[1].verdict, TapVerdict::Late);
    EXPECT_NEAR(marks[1].deviationMs, 60, 1e-9);
    EXPECT_EQ(marks[3].verdict, TapVerdict::InTime);
    EXPECT_EQ(marks[3].beat, 2);
    EXPECT_DOUBLE_EQ(marks[3].noteMs, grid.positionMs(8));

    // Against another rhythm: the second beat was written as a quarter, so its second tap is
    // extra; the third as two eighths, so its off-beat note was missed.
    Row other = written;
    std::swap(other[1], other[2]);
    const std::vector<TapMark> against = transcriber.marksAgainst(other);
    const auto count = [&](TapVerdict v, int beat) {
        return std::count_if(against.begin(), against.end(),
                             [&](const TapMark& m) { return m.verdict == v && m.beat == beat; });
    };
    EXPECT_EQ(count(TapVerdict::Extra, 1), 1);
    EXPECT_EQ(count(TapVerdict::Missed, 2), 1);
    EXPECT_TRUE(
        std::is_sorted(against.begin(), against.end(),
                       [](const TapMark& a, const TapMark& b) { return a.tapMs < b.tapMs; }));
}

// Taps during the count-in or after the last beat are not part of the answer; a noisy input
// cannot make the work grow without end.
TEST(TapTranscriber, TakesOnlyTheSevenBeatsAndStaysBounded) {
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 48);
    const Row row{2, 1, 0, 2, 1, 0, 1};
    std::vector<double> taps = TapPerformance::writtenTaps(grid, row);
    taps.insert(taps.begin(), {0.0, grid.beatMs / 2, grid.beatMs}); // along with the count-in
    taps.push_back(grid.positionMs(7 * 4));                         // the closing beat
    TapTranscriber transcriber(grid, 3);
    transcriber.addTap(std::nan(""));
    transcriber.addTap(INFINITY);
    for (auto t = taps.rbegin(); t != taps.rend(); ++t) // any order
        transcriber.addTap(*t);
    EXPECT_TRUE(std::is_sorted(transcriber.taps().begin(), transcriber.taps().end()));
    transcriber.finish();
    EXPECT_EQ(transcriber.patterns(), row);
    const auto marks = transcriber.marks();
    EXPECT_EQ(
        std::count_if(marks.begin(), marks.end(), [](const TapMark& m) { return m.beat == -1; }),
        4);

    // A pattern count beyond the meter's catalogue takes the whole catalogue.
    const TapGrid compound = TapGrid::forQuestion(Meter::Compound, 48);
    const Row compoundRow{6, 5, 4, 3, 2, 1, 0};
    EXPECT_EQ(transcribeAll(compound, 15, TapPerformance::writtenTaps(compound, compoundRow)),
              compoundRow);

    TapTranscriber flooded(grid, 15);
    std::mt19937_64 random(5);
    std::uniform_real_distribution<double> anywhere(0, 20000);
    for (int i = 0; i < 5000; ++i)
        flooded.addTap(anywhere(random));
    EXPECT_LE(flooded.taps().size(), TapTranscriber::kMaxTaps);
    flooded.finish();
    EXPECT_TRUE(flooded.finished());
}
