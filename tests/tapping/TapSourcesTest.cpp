// Where taps come from besides the space bar: notes struck on a MIDI pad or keyboard, and claps
// the onset detector hears, each reported with when it was heard.
#include "ClapHearing.h"
#include "ClapRecordings.h"
#include "MidiTapSource.h"
#include "PlayedMidiInput.h"

#include <gtest/gtest.h>

// A note struck on any channel taps; a note-on without velocity (a release), a note-off, a
// controller or a broken message does not.
TEST(MidiTapSource, EveryNoteStruckIsATap) {
    PlayedMidiInput input({QStringLiteral("Drum Pad")});
    int taps = 0;
    MidiTapSource source(input, [&taps] { ++taps; });
    source.openPreferred();
    input.play(0x90, 60, 100);
    input.play(0x99, 38, 1);
    input.play(0x90, 60, 0);
    input.play(0x80, 60, 64);
    input.play(0xB0, 64, 127);
    EXPECT_EQ(taps, 2);
    EXPECT_FALSE(MidiTapSource::strikesNote(QByteArray("\x90\x3c", 2)));
}

// It listens on the first port that is not the system's loop-back, and is told when the pad
// goes away; once it is gone, the input no longer reaches it.
TEST(MidiTapSource, ListensOnThePreferredPortUntilItGoes) {
    PlayedMidiInput input({QStringLiteral("Midi Through Port-0"), QStringLiteral("Drum Pad")});
    QString lost;
    int taps = 0;
    {
        MidiTapSource source(input, [&taps] { ++taps; });
        source.onLost([&lost](const QString& port) { lost = port; });
        source.openPreferred();
        EXPECT_EQ(input.openPort(), QStringLiteral("Drum Pad"));
        input.unplug();
        EXPECT_EQ(lost, QStringLiteral("Drum Pad"));
    }
    input.available << QStringLiteral("Drum Pad");
    input.open(QStringLiteral("Drum Pad"), nullptr);
    input.play(0x90, 60, 100);
    EXPECT_EQ(taps, 0);
}

// Each clap is reported once the sound after it is in, never before its sound began, and within
// a few milliseconds of where it began; the time between is how long ago it was when reported.
TEST(ClapHearing, ReportsEachClapWithWhenItWasHeard) {
    std::mt19937_64 random(4);
    const std::vector<double> times{300, 900, 1400, 2300};
    Recording claps = ClapRecordings::syntheticClaps(times, random);
    ClapRecordings::addRoomNoise(claps, -55, random);
    std::vector<listening::HeardClap> heard;
    listening::ClapHearing hearing(
        [&heard](const listening::HeardClap& clap) { heard.push_back(clap); });
    const std::size_t block = 480;
    for (std::size_t at = 0; at < claps.samples.size(); at += block) {
        const std::size_t n = std::min(block, claps.samples.size() - at);
        hearing.analyse(std::span<const float>(claps.samples.data() + at, n), claps.sampleRate,
                        static_cast<std::int64_t>(at));
    }
    hearing.flush();
    ASSERT_EQ(heard.size(), times.size());
    for (std::size_t i = 0; i < times.size(); ++i) {
        EXPECT_NEAR(heard[i].onsetMs, times[i], 3);
        EXPECT_GE(heard[i].heardAtMs, heard[i].onsetMs);
        EXPECT_LT(heard[i].heardAtMs - heard[i].onsetMs, 250);
    }
}
