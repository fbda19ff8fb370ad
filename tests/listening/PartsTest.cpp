// The parts of listening, each on its own: the room's noise floor, the steady-note rules on
// pitch frames, the tuner's pace, the period's octave, mixing to mono, and recordings fed as
// the microphone would feed them.
#include "HearingLog.h"
#include "MonoMix.h"
#include "NoiseFloor.h"
#include "OtherSounds.h"
#include "PeriodRefiner.h"
#include "RawMonoMix.h"
#include "RecordingFeeder.h"
#include "SoundMix.h"
#include "SteadyNoteRecogniser.h"
#include "SyntheticVoice.h"
#include "Tuner.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>

using listening::HeardNote;
using listening::PitchFrame;

namespace {

constexpr double HopMs = 5.0;
constexpr double WindowMs = 40.0;

// Frames from `fromMs` to `toMs`, `hopMs` apart, all sung at `pitch` and `levelDb` unless the
// caller changes them.
struct FrameRun {
    listening::SingingRules rules;
    listening::SteadyNoteRecogniser recogniser{rules};
    double nowMs = 0;
    std::vector<HeardNote> heard;

    FrameRun() { recogniser.restart(HopMs, WindowMs); }
    void sing(double ms, const std::function<double(double)>& pitch, double levelDb = -20,
              bool sung = true) {
        for (const double end = nowMs + ms; nowMs < end - 1e-9;) {
            nowMs += HopMs;
            PitchFrame frame{nowMs, pitch(nowMs), 0.95, levelDb};
            if (auto note = recogniser.add(frame, sung))
                heard.push_back(*note);
        }
    }
    void steady(double ms, double pitch, double levelDb = -20) {
        sing(
            ms, [pitch](double) { return pitch; }, levelDb);
    }
    void rest(double ms) {
        sing(
            ms, [](double) { return 0.0; }, -90, false);
    }
};

} // namespace

TEST(NoiseFloor, DropsAtOnceAndCreepsUpSlowly) {
    listening::NoiseFloor floor(2.0);
    EXPECT_EQ(floor.levelDb(), -120);
    floor.add(-130, 0.01); // a microphone that delivers nothing yet says nothing of the room
    EXPECT_EQ(floor.levelDb(), -120);
    floor.add(-50, 0.01);
    EXPECT_EQ(floor.levelDb(), -50);
    for (int i = 0; i < 100; ++i)
        floor.add(-20, 0.01); // a second of singing
    EXPECT_NEAR(floor.levelDb(), -48, 1e-9);
    floor.add(-60, 0.01);
    EXPECT_EQ(floor.levelDb(), -60);
}

TEST(SteadyNoteRules, ANoteIsHeardOnceWhenHeldForTheHoldTime) {
    FrameRun run;
    run.rest(100);
    run.steady(1000, 60.12);
    ASSERT_EQ(run.heard.size(), 1u);
    EXPECT_EQ(run.heard[0].note, 60);
    EXPECT_NEAR(run.heard[0].cents, 12, 1e-6);
    // The frames' windows cover the hold time from the first sung one's start.
    EXPECT_NEAR(run.heard[0].startMs, 100 + HopMs - WindowMs, HopMs);
    EXPECT_NEAR(run.heard[0].timeMs - run.heard[0].startMs, run.rules.holdMs, HopMs);
}

TEST(SteadyNoteRules, WhatStraysOrMovesOnIsNoNote) {
    FrameRun wobbly; // 50 cents either way at 5 Hz
    wobbly.steady(50, 0);
    wobbly.sing(1500, [](double t) { return 57 + 0.5 * std::sin(2 * M_PI * 5 * t / 1000); });
    EXPECT_TRUE(wobbly.heard.empty());

    FrameRun slide; // three semitones a second
    slide.sing(1500, [](double t) { return 50 + 3 * t / 1000; });
    EXPECT_TRUE(slide.heard.empty());

    FrameRun knock; // one pitch, dying away at 60 dB a second
    knock.sing(
        1000, [](double) { return 64.0; }, -20);
    FrameRun dying;
    dying.recogniser.restart(HopMs, WindowMs);
    for (double t = HopMs; t <= 1000; t += HopMs)
        if (auto n = dying.recogniser.add(PitchFrame{t, 64.0, 0.95, -20 - 0.06 * t}, true))
            dying.heard.push_back(*n);
    EXPECT_EQ(knock.heard.size(), 1u);
    EXPECT_TRUE(dying.heard.empty());
}

TEST(SteadyNoteRules, AFewStrayMomentsAreForgivenButNotMore) {
    const auto withStrays = [](int every) {
        FrameRun run;
        int frame = 0;
        run.sing(1000, [&](double) { return ++frame % every == 0 ? 66.0 : 59.0; });
        return run.heard;
    };
    ASSERT_EQ(withStrays(12).size(), 1u);
    EXPECT_EQ(withStrays(12)[0].note, 59);
    EXPECT_TRUE(withStrays(4).empty());
    // An octave misread now and then is the same pitch.
    FrameRun octaves;
    int frame = 0;
    octaves.sing(1000, [&](double) { return ++frame % 5 == 0 ? 71.0 : 59.0; });
    ASSERT_EQ(octaves.heard.size(), 1u);
    EXPECT_EQ(octaves.heard[0].note, 59);
}

TEST(SteadyNoteRules, TheSameNoteIsHeardAgainOnlyAfterABreakOrAnotherNote) {
    FrameRun run;
    run.steady(600, 62);
    run.rest(50); // shorter than a stop
    run.steady(600, 62);
    run.steady(600, 62.45); // wavering towards the next note
    run.steady(600, 74);    // read an octave high
    EXPECT_EQ(run.heard.size(), 1u);
    run.rest(run.rules.stopMs);
    run.steady(600, 62);
    run.steady(600, 64);
    run.steady(600, 62);
    ASSERT_EQ(run.heard.size(), 4u);
    EXPECT_EQ(run.heard[1].note, 62);
    EXPECT_EQ(run.heard[2].note, 64);
    EXPECT_EQ(run.heard[3].note, 62);
}

TEST(Tuner, ReadsAtMostAtTheScreensPaceAndFallsSilentOnce) {
    listening::Tuner tuner;
    std::vector<listening::TunerReading> readings;
    const auto feed = [&](double fromMs, double toMs, bool sung) {
        for (double t = fromMs; t < toMs; t += HopMs)
            if (auto r = tuner.add(PitchFrame{t, sung ? 69.2 : 0.0, 0.9, -20}, sung, HopMs))
                readings.push_back(*r);
    };
    feed(0, 1000, false);
    EXPECT_TRUE(readings.empty()); // nobody has sung: nothing to show, nothing to draw
    feed(1000, 2000, true);
    EXPECT_GE(readings.size(), 50u);
    EXPECT_LE(readings.size(), 61u);
    for (const listening::TunerReading& r : readings) {
        EXPECT_TRUE(r.sung);
        EXPECT_EQ(r.note, 69);
        EXPECT_NEAR(r.cents, 20, 1e-6);
    }
    readings.clear();
    feed(2000, 5000, false);
    ASSERT_EQ(readings.size(), 1u);
    EXPECT_FALSE(readings[0].sung);
    EXPECT_LT(readings[0].timeMs, 2100);

    readings.clear();
    tuner.setMaxRate(20);
    feed(5000, 6000, true);
    EXPECT_LE(readings.size(), 21u);
}

TEST(PeriodRefiner, APitchReadAnOctaveHighIsTakenDownAndRefined) {
    constexpr int rate = 48000;
    const double f0 = 293.66; // D above middle C, its second harmonic four times as strong
    std::vector<float> window(2048);
    for (std::size_t i = 0; i < window.size(); ++i) {
        const double t = double(i) / rate;
        window[i] = static_cast<float>(0.1 * std::sin(2 * M_PI * f0 * t) +
                                       0.4 * std::sin(2 * M_PI * 2 * f0 * t + 0.3) +
                                       0.05 * std::sin(2 * M_PI * 3 * f0 * t));
    }
    const listening::PeriodRefiner refiner(rate);
    EXPECT_NEAR(refiner.refine(window, 2 * f0 + 3), f0, 0.05);
    EXPECT_NEAR(refiner.refine(window, f0 - 1), f0, 0.05);
    EXPECT_EQ(refiner.refine(window, 0), 0);
}

TEST(MonoMix, EveryKindOfSampleBecomesTheAverageOfItsChannels) {
    QAudioFormat format;
    format.setSampleRate(48000);
    format.setChannelCount(2);
    std::vector<float> mono;

    format.setSampleFormat(QAudioFormat::Int16);
    const qint16 pcm16[] = {16384, -16384, 32767, 32767, 7};
    listening::mixToMono(QByteArrayView(reinterpret_cast<const char*>(pcm16), sizeof pcm16), format,
                         mono);
    EXPECT_EQ(mono, (std::vector<float>{0.0f, 32767 / 32768.0f})); // the partial frame is left

    format.setSampleFormat(QAudioFormat::UInt8);
    const quint8 pcm8[] = {128, 192, 0, 0};
    listening::mixToMono(QByteArrayView(reinterpret_cast<const char*>(pcm8), sizeof pcm8), format,
                         mono);
    EXPECT_EQ(mono, (std::vector<float>{0.25f, -1.0f}));

    format.setSampleFormat(QAudioFormat::Int32);
    const qint32 pcm32[] = {1 << 30, 1 << 30};
    listening::mixToMono(QByteArrayView(reinterpret_cast<const char*>(pcm32), sizeof pcm32), format,
                         mono);
    EXPECT_EQ(mono, (std::vector<float>{0.5f}));

    format.setSampleFormat(QAudioFormat::Float);
    const float floats[] = {0.5f, NAN, 3.0f, 0.0f};
    listening::mixToMono(QByteArrayView(reinterpret_cast<const char*>(floats), sizeof floats),
                         format, mono);
    EXPECT_EQ(mono, (std::vector<float>{0.25f, 0.5f})); // nothing outside -1..1 gets through
}

// A recording is heard the same whether it comes from memory or from a file, in blocks of any
// size, at any place in time; a block that does not follow the last starts afresh.
TEST(RecordingFeeder, AFileIsHeardAsTheMicrophoneWouldHearIt) {
    constexpr int rate = 48000;
    std::vector<float> take = recordings::silence(0.4, rate);
    for (const double pitch : {52.3, 57.0, 61.8}) {
        const std::vector<float> note =
            recordings::SyntheticVoice(recordings::VoiceSettings{}).note(pitch, 'o', 0.7);
        take.insert(take.end(), note.begin(), note.end());
        const std::vector<float> gap = recordings::silence(0.4, rate);
        take.insert(take.end(), gap.begin(), gap.end());
    }
    // What a 16-bit file holds.
    std::vector<float> stored;
    for (const int16_t s : midi::toPcm16(take))
        stored.push_back(s / 32768.0f);
    const recordings::HearingLog inMemory = recordings::hear(stored, rate);
    ASSERT_EQ(inMemory.notes.size(), 3u);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("take.wav"));
    ASSERT_TRUE(recordings::writeMonoWav(path, take, rate));
    for (const std::size_t block : {std::size_t(1024), std::size_t(37), std::size_t(1) << 20}) {
        listening::SingingAnalyser analyser;
        recordings::HearingLog fromFile;
        fromFile.attach(analyser);
        listening::RecordingFeeder feeder({&analyser}, block);
        const double lengthMs = feeder.feedFile(path, 5000);
        EXPECT_NEAR(lengthMs, 1000.0 * double(take.size()) / rate, 1e-9);
        ASSERT_EQ(fromFile.notes.size(), inMemory.notes.size()) << block;
        for (std::size_t i = 0; i < fromFile.notes.size(); ++i) {
            EXPECT_EQ(fromFile.notes[i].note, inMemory.notes[i].note);
            EXPECT_DOUBLE_EQ(fromFile.notes[i].cents, inMemory.notes[i].cents);
            EXPECT_NEAR(fromFile.notes[i].timeMs, inMemory.notes[i].timeMs + 5000, 1e-6);
        }
    }
}

TEST(RecordingFeeder, ABlockThatDoesNotFollowTheLastStartsAfresh) {
    constexpr int rate = 48000;
    const std::vector<float> note =
        recordings::SyntheticVoice(recordings::VoiceSettings{}).note(55, 'a', 0.4);
    const std::size_t half = note.size() / 2;
    listening::SingingAnalyser analyser;
    recordings::HearingLog log;
    log.attach(analyser);
    listening::RecordingFeeder feeder({&analyser});
    // Two halves of a note, ten seconds apart: neither is long enough.
    feeder.feed(std::span(note).first(half), rate, 0);
    feeder.feed(std::span(note).subspan(half), rate, 10 * rate);
    EXPECT_TRUE(log.notes.empty());
    // The whole note, following on.
    feeder.feed(note, rate, 10 * rate + static_cast<std::int64_t>(note.size() - half));
    EXPECT_EQ(log.notes.size(), 1u);
}

TEST(RecordingFeeder, AFileThatCannotBeReadIsSaidSo) {
    QTemporaryDir dir;
    listening::SingingAnalyser analyser;
    listening::RecordingFeeder feeder({&analyser});
    QString error;
    EXPECT_EQ(feeder.feedFile(dir.filePath(QStringLiteral("missing.wav")), 0, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("missing.wav"))) << error.toStdString();
    QFile text(dir.filePath(QStringLiteral("notes.txt")));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("C3 D3 E3\n");
    text.close();
    EXPECT_EQ(feeder.feedFile(text.fileName(), 0, &error), -1);
    EXPECT_TRUE(error.contains(QStringLiteral("not a WAV file"))) << error.toStdString();
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
