// Offline rendering through the built-in synthesizer: onsets land on their scheduled samples.
#include "OfflineRender.h"
#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "MidiTestSupport.h"
#include "WavFile.h"

#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using midi::StreamEvent;
using miditest::drum;

namespace {

// Percussion onsets at these ticks (10 ms each): two count-in clicks, then beats.
const std::vector<uint32_t> onsetTicks{0, 50, 100, 200, 300, 400, 500, 600, 700, 800, 900};

std::vector<StreamEvent> drumStream(int silenced) {
    std::vector<StreamEvent> events;
    uint32_t previous = 0;
    for (size_t i = 0; i < onsetTicks.size(); ++i) {
        const uint32_t velocity = static_cast<int>(i) == silenced ? 0 : 127;
        events.push_back(drum(onsetTicks[i] - previous, i % 2 ? 63 : 64, velocity));
        previous = onsetTicks[i];
    }
    events.push_back(drum(100, 64, 0));
    return events;
}

// The onset of each note: the first frame where the full rendering differs from one
// with that note silenced.
std::vector<long> measuredOnsets(int sampleRate) {
    midi::RenderOptions options;
    options.sampleRate = sampleRate;
    options.tailSeconds = 0.2;
    std::vector<float> full;
    EXPECT_EQ(midi::renderStream(drumStream(-1), options, full), midi::Ok);
    std::vector<long> onsets;
    for (size_t i = 0; i < onsetTicks.size(); ++i) {
        std::vector<float> without;
        EXPECT_EQ(midi::renderStream(drumStream(static_cast<int>(i)), options, without), midi::Ok);
        onsets.push_back(midi::firstDifferentFrame(full, without, 2));
    }
    return onsets;
}

} // namespace

class OnsetTiming : public ::testing::TestWithParam<int> {};

TEST_P(OnsetTiming, EachOnsetIsWithinOneSynthesizerBlockOfItsSchedule) {
    const int rate = GetParam();
    const std::vector<long> onsets = measuredOnsets(rate);
    for (size_t i = 0; i < onsetTicks.size(); ++i) {
        const double scheduled = onsetTicks[i] * 0.010 * rate;
        ASSERT_GE(onsets[i], 0) << "note " << i << " made no difference";
        const double errorFrames = std::fabs(onsets[i] - scheduled);
        EXPECT_LE(errorFrames, 64) << "tick " << onsetTicks[i];
        EXPECT_LE(errorFrames * 1000.0 / rate, 1.5) << "tick " << onsetTicks[i];
    }
}

INSTANTIATE_TEST_SUITE_P(SampleRates, OnsetTiming, ::testing::Values(48000, 44100));

TEST(OfflineRender, WritesAWavFileThatHoldsTheSound) {
    QTemporaryDir dir;
    const QString path = dir.filePath("drums.wav");
    midi::RenderOptions options;
    options.tailSeconds = 0.5;
    QString error;
    ASSERT_EQ(midi::renderStreamToWav(drumStream(-1), path, options, &error), midi::Ok)
        << error.toStdString();
    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(path, wav));
    EXPECT_EQ(wav.sampleRate, 48000);
    EXPECT_EQ(wav.channels, 2);
    // Ten seconds of events plus the tail.
    EXPECT_GE(wav.frames(), size_t(48000 * 10.5));
    int16_t peak = 0;
    for (int16_t s : wav.samples)
        peak = std::max<int16_t>(peak, static_cast<int16_t>(std::abs(s)));
    EXPECT_GT(peak, 1000);  // clearly audible
    EXPECT_LT(peak, 32767); // and not clipped
}

TEST(OfflineRender, RefusesWhatCannotBeRendered) {
    midi::RenderOptions options;
    options.soundFont = "/nonexistent/none.sf2";
    std::vector<float> out;
    QString error;
    EXPECT_EQ(midi::renderStream(drumStream(-1), options, out, &error), midi::NoSoundFont);
    EXPECT_FALSE(error.isEmpty());

    // A delta of 2^32 - 1 ticks would take more than a year to play.
    midi::RenderOptions plain;
    EXPECT_EQ(midi::renderStream({drum(0xFFFFFFFFu, 64)}, plain, out, &error), midi::InvalidParam);
    plain.sampleRate = 100;
    EXPECT_EQ(midi::renderStream({drum(0, 64)}, plain, out, &error), midi::InvalidParam);

    EXPECT_NE(midi::renderStreamToWav({drum(0, 64)}, "/nonexistent/dir/out.wav", {}, &error),
              midi::Ok);
}

TEST(OfflineRender, RenderingIsRepeatable) {
    midi::RenderOptions options;
    options.tailSeconds = 0.1;
    std::vector<float> a, b;
    ASSERT_EQ(midi::renderStream(drumStream(-1), options, a), midi::Ok);
    ASSERT_EQ(midi::renderStream(drumStream(-1), options, b), midi::Ok);
    EXPECT_EQ(midi::firstDifferentFrame(a, b, 2), -1);
}

MIDI_TEST_MAIN((void)0)
