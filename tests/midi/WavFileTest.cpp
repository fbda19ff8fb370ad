#include "WavFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(WavFile, WritesAndReadsBackSixteenBitStereo) {
    QTemporaryDir dir;
    midi::WavData wav;
    wav.sampleRate = 44100;
    wav.channels = 2;
    wav.samples = {0, 1, -1, 32767, -32768, 12345};
    const QString path = dir.filePath("a.wav");
    ASSERT_TRUE(midi::writeWav(path, wav));
    EXPECT_EQ(QFile(path).size(), 44 + 12);
    midi::WavData back;
    ASSERT_TRUE(midi::readWav(path, back));
    EXPECT_EQ(back.sampleRate, 44100);
    EXPECT_EQ(back.channels, 2);
    EXPECT_EQ(back.samples, wav.samples);
    EXPECT_EQ(back.frames(), 3u);
}

TEST(WavFile, RejectsWhatIsNotAWavFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath("b.wav");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("RIFF\x04\x00\x00\x00WAVEjunk", 16);
    file.close();
    midi::WavData wav;
    EXPECT_FALSE(midi::readWav(path, wav));
    EXPECT_FALSE(midi::readWav(dir.filePath("missing.wav"), wav));
}

TEST(WavFile, AGrowingFileKeepsAValidHeader) {
    QTemporaryDir dir;
    const QString path = dir.filePath("c.wav");
    {
        midi::WavStreamWriter writer(path, 48000, 2);
        ASSERT_TRUE(writer.open(nullptr));
        const int16_t frames[4] = {1, 2, 3, 4};
        ASSERT_TRUE(writer.append(frames, 2));
        writer.updateHeader();
        midi::WavData partial;
        ASSERT_TRUE(midi::readWav(path, partial));
        EXPECT_EQ(partial.frames(), 2u);
        ASSERT_TRUE(writer.append(frames, 2));
    }
    midi::WavData whole;
    ASSERT_TRUE(midi::readWav(path, whole));
    EXPECT_EQ(whole.frames(), 4u);
}

TEST(WavFile, ConversionAndComparisonHelpers) {
    EXPECT_EQ(midi::toPcm16({0.0f, 1.0f, -1.0f, 2.0f, 0.5f}),
              (std::vector<int16_t>{0, 32767, -32767, 32767, 16384}));
    const std::vector<float> a{0, 0, 0, 0, 0.5f, 0}, b{0, 0, 0, 0, 0, 0};
    EXPECT_EQ(midi::firstDifferentFrame(a, b, 2), 2);
    EXPECT_EQ(midi::firstDifferentFrame(a, a, 2), -1);
    EXPECT_EQ(midi::firstNonSilentFrame(a, 2), 2);
    EXPECT_EQ(midi::firstNonSilentFrame(b, 2), -1);
}
