#include "OnsetDetector.h"
#include "ClapListening.h"
#include "ClapRecordings.h"
#include "SampleHistory.h"
#include "TapGrid.h"
#include "TapPerformance.h"
#include "WavFile.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <numeric>

namespace {

using Sound = ClapListening::Sound;

constexpr double kLeadMs = 400; // the recording starts this long before the count-in

std::vector<double> heardTimes(const std::vector<ClapListening::Heard>& heard) {
    std::vector<double> times;
    for (const auto& h : heard)
        times.push_back(h.ms);
    return times;
}

} // namespace

TEST(SampleHistory, KeepsTheNewestFramesAndStartsAfreshAfterAGap) {
    listening::SampleHistory history(8);
    std::vector<float> ramp(20);
    std::iota(ramp.begin(), ramp.end(), 0.0f);
    history.append(std::span<const float>(ramp.data(), 5), 0);
    history.append(std::span<const float>(ramp.data() + 5, 6), 5);
    EXPECT_EQ(history.oldestFrame(), 3);
    EXPECT_EQ(history.endFrame(), 11);
    std::vector<float> out(4);
    ASSERT_TRUE(history.holds(6, 10));
    history.copy(6, out);
    EXPECT_EQ(out, (std::vector<float>{6, 7, 8, 9}));
    EXPECT_FALSE(history.holds(2, 6));
    history.append(std::span<const float>(ramp.data(), 20), 100); // longer than the ring
    EXPECT_EQ(history.oldestFrame(), 112);
    history.copy(116, out);
    EXPECT_EQ(out, (std::vector<float>{16, 17, 18, 19}));
}

// The synthesizer's hand clap, clapped as questions' rows at several tempi, in a quiet room.
TEST(OnsetDetector, PlacesEverySynthesizerClapWithinAMillisecond) {
    std::mt19937_64 random(21);
    for (Meter meter : {Meter::Simple, Meter::Compound}) {
        for (int tempo : {48, 72, 96}) {
            const int level = meter == Meter::Simple ? 15 : 7;
            const TapGrid grid = TapGrid::forQuestion(meter, tempo);
            const TapPerformance::Row row = TapPerformance::drawRow(meter, level, random);
            Recording recording =
                ClapListening::clappedRow(Sound::Synthesizer, grid, row, kLeadMs, random);
            ASSERT_FALSE(recording.samples.empty()) << "the synthesizer did not render";
            ClapRecordings::addRoomNoise(recording, -60, random);
            const auto heard = ClapListening::listen(recording);
            const auto match = ClapListening::match(recording, heard, 1.5);
            EXPECT_EQ(match.found, static_cast<int>(recording.onsetMs.size())) << "tempo " << tempo;
            EXPECT_EQ(match.extra, 0) << "tempo " << tempo;
            EXPECT_EQ(ClapListening::transcribe(heard, kLeadMs, grid, level), row);
        }
    }
}

// Claps of varying loudness through room noise and hum: nearly all are heard, each within a few
// milliseconds, nothing else is, and the row is written right.
TEST(OnsetDetector, HearsClapsThroughANoiseFloor) {
    std::mt19937_64 random(22);
    int claps = 0, found = 0, rowsRight = 0, rows = 0;
    for (Sound sound : {Sound::Synthesizer, Sound::Synthetic}) {
        for (int tempo : {60, 96}) {
            for (Meter meter : {Meter::Simple, Meter::Compound}) {
                const int level = meter == Meter::Simple ? 12 : 6;
                const TapGrid grid = TapGrid::forQuestion(meter, tempo);
                const TapPerformance::Row row = TapPerformance::drawRow(meter, level, random);
                Recording recording = ClapListening::clappedRow(sound, grid, row, kLeadMs, random);
                ClapRecordings::addRoomNoise(recording, -50, random);
                ClapRecordings::addHum(recording, -55);
                const auto heard = ClapListening::listen(recording);
                const auto match = ClapListening::match(recording, heard, 3);
                EXPECT_EQ(match.extra, 0);
                claps += static_cast<int>(recording.onsetMs.size());
                found += match.found;
                ++rows;
                rowsRight += ClapListening::transcribe(heard, kLeadMs, grid, level) == row;
            }
        }
    }
    EXPECT_GE(found, claps * 95 / 100) << found << " of " << claps;
    EXPECT_GE(rowsRight, rows - 1);
}

TEST(OnsetDetector, HearsNothingInNoiseOrSpeech) {
    std::mt19937_64 random(23);
    Recording room = ClapRecordings::silence(20000);
    ClapRecordings::addRoomNoise(room, -40, random);
    ClapRecordings::addHum(room, -40);
    EXPECT_TRUE(ClapListening::listen(room).empty());

    Recording speech = ClapRecordings::speechLike(30000, random);
    ClapRecordings::addRoomNoise(speech, -55, random);
    EXPECT_TRUE(ClapListening::listen(speech).empty())
        << ClapListening::listen(speech).size() << " onsets in speech";

    EXPECT_TRUE(ClapListening::listen(ClapRecordings::silence(3000)).empty());
}

// However the capture cuts the sound into blocks, the same claps are found at the same frames;
// a recording stored as a file and read back is heard the same.
TEST(OnsetDetector, DoesNotDependOnBlocksAndReadsStoredRecordings) {
    std::mt19937_64 random(24);
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, 84);
    const TapPerformance::Row row = TapPerformance::drawRow(Meter::Simple, 9, random);
    Recording recording = ClapListening::clappedRow(Sound::Synthetic, grid, row, 0, random);
    ClapRecordings::addRoomNoise(recording, -55, random);
    const std::vector<double> reference = heardTimes(ClapListening::listen(recording, 480));
    ASSERT_EQ(reference.size(), recording.onsetMs.size());
    for (int block : {1, 64, 333, 4096})
        EXPECT_EQ(heardTimes(ClapListening::listen(recording, block)), reference) << block;

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("claps.wav"));
    ASSERT_TRUE(ClapRecordings::writeWav(recording, path));
    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(path, wav));
    Recording stored;
    stored.sampleRate = wav.sampleRate;
    for (std::int16_t s : wav.samples)
        stored.samples.push_back(s / 32768.0f);
    stored.onsetMs = recording.onsetMs;
    const auto heard = ClapListening::listen(stored);
    EXPECT_EQ(ClapListening::match(stored, heard, 1).found, static_cast<int>(reference.size()));
    // The first clap right at the start of the sound is heard too.
    EXPECT_NEAR(heard.front().ms, recording.onsetMs.front(), 1);
}

TEST(OnsetDetector, StartsAgainAfterAGapOrAtAnotherRate) {
    std::mt19937_64 random(25);
    const Recording claps = ClapRecordings::syntheticClaps({300, 900, 1500}, random);
    std::vector<double> found;
    listening::OnsetDetector detector(
        [&](const listening::DetectedOnset& onset) { found.push_back(onset.ms()); });
    detector.analyse(claps.samples, claps.sampleRate, 0);
    // Frames lost by the capture: the sound goes on at a later frame.
    detector.analyse(claps.samples, claps.sampleRate, 480000);
    detector.flush();
    ASSERT_EQ(found.size(), 6u);
    EXPECT_NEAR(found[3], 10000 + 300, 1);
    EXPECT_NEAR(found[5], 10000 + 1500, 1);

    // A device that sends garbage between the claps disturbs nothing.
    std::vector<float> broken = claps.samples;
    for (std::size_t i = 0; i < 2000; ++i)
        broken[24000 + i] = i % 2 ? std::nanf("") : 1e30f;
    found.clear();
    detector.analyse(broken, claps.sampleRate, 0);
    detector.flush();
    ASSERT_EQ(found.size(), 4u); // the garbage cracks once, at its start
    EXPECT_NEAR(found[0], 300, 1);
    EXPECT_NEAR(found[3], 1500, 1);

    // The same claps at 44.1 kHz, resampled by dropping to the nearest frame.
    std::vector<float> slower;
    for (std::size_t i = 0; i * 48000 / 44100 < claps.samples.size(); ++i)
        slower.push_back(claps.samples[i * 48000 / 44100]);
    found.clear();
    detector.analyse(slower, 44100, 0);
    detector.flush();
    ASSERT_EQ(found.size(), 3u);
    EXPECT_NEAR(found[1], 900, 1.5);
}
