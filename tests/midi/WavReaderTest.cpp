// WAV files of every common kind read piece by piece, and damaged ones refused with a reason.
#include "WavReader.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace {

QByteArray le16(quint16 v) {
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le32(quint32 v) {
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}

QByteArray chunk(const char* id, const QByteArray& body, quint32 claimed = 0) {
    QByteArray c = QByteArray(id, 4) + le32(claimed ? claimed : quint32(body.size())) + body;
    if (body.size() % 2)
        c.append('\0');
    return c;
}

QByteArray format(quint16 tag, quint16 channels, quint32 rate, quint16 bits) {
    return le16(tag) + le16(channels) + le32(rate) + le32(rate * channels * bits / 8) +
           le16(quint16(channels * bits / 8)) + le16(bits);
}

QByteArray wave(const QByteArray& chunks) {
    return "RIFF" + le32(quint32(chunks.size() + 4)) + "WAVE" + chunks;
}

struct Files {
    QTemporaryDir dir;
    QString write(const QString& name, const QByteArray& bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
};

std::vector<float> readAll(midi::WavReader& reader, std::size_t piece = 3) {
    std::vector<float> all, part;
    while (reader.read(piece, part) > 0)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

} // namespace

TEST(WavReader, ReadsEveryKindOfSamplePieceByPiece) {
    Files files;
    struct Case {
        quint16 tag, bits;
        QByteArray data; // two stereo frames: 0.5, -0.5, -1, 0
    };
    const auto bytes = [](auto... values) {
        QByteArray b;
        (b.append(reinterpret_cast<const char*>(&values), sizeof values), ...);
        return b;
    };
    const std::vector<Case> cases{
        {1, 8, bytes(quint8(192), quint8(64), quint8(0), quint8(128))},
        {1, 16, bytes(qint16(16384), qint16(-16384), qint16(-32768), qint16(0))},
        {1, 24,
         QByteArray::fromHex("000040"
                             "0000c0"
                             "000080"
                             "000000")},
        {1, 32, bytes(qint32(1 << 30), qint32(-(1 << 30)), qint32(INT32_MIN), qint32(0))},
        {3, 32, bytes(0.5f, -0.5f, -1.0f, 0.0f)},
        {3, 64, bytes(0.5, -0.5, -1.0, 0.0)},
    };
    for (const Case& c : cases) {
        const QString path = files.write(
            QStringLiteral("k%1-%2.wav").arg(c.tag).arg(c.bits),
            wave(chunk("fmt ", format(c.tag, 2, 22050, c.bits)) + chunk("data", c.data)));
        midi::WavReader reader;
        ASSERT_TRUE(reader.open(path)) << c.bits;
        EXPECT_EQ(reader.format().sampleRate, 22050);
        EXPECT_EQ(reader.format().channels, 2);
        EXPECT_EQ(reader.format().frames, 2);
        EXPECT_EQ(readAll(reader, 1), (std::vector<float>{0.5f, -0.5f, -1.0f, 0.0f})) << c.bits;
    }
}

TEST(WavReader, FindsTheSoundAmongOtherChunksAndInTheExtensibleHeader) {
    Files files;
    // WAVE_FORMAT_EXTENSIBLE: cbSize 22, valid bits, channel mask, then the float sub-format.
    const QByteArray extensible = format(0xFFFE, 1, 48000, 32) + le16(22) + le16(32) + le32(4) +
                                  le16(3) + QByteArray(14, '\x01');
    const float samples[] = {0.25f, 0.75f, -0.25f};
    const QByteArray data(reinterpret_cast<const char*>(samples), sizeof samples);
    const QString path =
        files.write(QStringLiteral("ext.wav"),
                    wave(chunk("LIST", "INFOISFT\x05\0\0\0odd", 0) + chunk("fmt ", extensible) +
                         chunk("fact", le32(3)) + chunk("data", data)));
    midi::WavReader reader;
    QString error;
    ASSERT_TRUE(reader.open(path, &error)) << error.toStdString();
    EXPECT_EQ(reader.format().encoding, midi::WavFormat::Encoding::Float);
    EXPECT_EQ(readAll(reader), (std::vector<float>{0.25f, 0.75f, -0.25f}));
}

TEST(WavReader, ARecordingCutShortGivesWhatIsThere) {
    Files files;
    // The data chunk claims a thousand frames; two and a half are there.
    const QByteArray data = QByteArray::fromHex("0040"
                                                "00c0"
                                                "ff7f");
    const QString path =
        files.write(QStringLiteral("cut.wav"), wave(chunk("fmt ", format(1, 1, 8000, 16)) + "data" +
                                                    le32(2000) + data.left(5)));
    midi::WavReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(reader.format().frames, 2);
    EXPECT_EQ(readAll(reader), (std::vector<float>{0.5f, -0.5f}));
    std::vector<float> more{1.0f};
    EXPECT_EQ(reader.read(10, more), 0u);
    EXPECT_TRUE(more.empty());
}

TEST(WavReader, RefusesWhatItCannotReadWithAReason) {
    Files files;
    const QByteArray data(8, '\0');
    const std::vector<std::pair<QByteArray, QString>> bad{
        {"not a sound at all", QStringLiteral("not a WAV file")},
        {wave(chunk("fmt ", format(2, 1, 8000, 4)) + chunk("data", data)),
         QStringLiteral("kind of samples")}, // ADPCM
        {wave(chunk("fmt ", format(1, 0, 8000, 16)) + chunk("data", data)),
         QStringLiteral("damaged")}, // no channels
        {wave(chunk("fmt ", format(1, 1, 0, 16)) + chunk("data", data)),
         QStringLiteral("damaged")}, // no sample rate
        {wave(chunk("fmt ", format(1, 1, 8000, 12)) + chunk("data", data)),
         QStringLiteral("kind of samples")},
        {wave(chunk("fmt ", format(1, 1, 8000, 16))), QStringLiteral("no sound")},
        {wave(chunk("data", data) + chunk("fmt ", format(1, 1, 8000, 16))),
         QStringLiteral("no sound")}, // the sound before its description
        {wave(chunk("fmt ", QByteArray(6, '\0'))), QStringLiteral("incomplete")},
    };
    int i = 0;
    for (const auto& [bytes, reason] : bad) {
        midi::WavReader reader;
        QString error;
        EXPECT_FALSE(reader.open(files.write(QStringLiteral("bad%1.wav").arg(i++), bytes), &error))
            << reason.toStdString();
        EXPECT_TRUE(error.contains(reason)) << error.toStdString();
    }
    midi::WavReader reader;
    QString error;
    EXPECT_FALSE(reader.open(files.dir.filePath(QStringLiteral("missing.wav")), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("missing.wav")));
}

TEST(WavReader, DamagedFloatSamplesStayWithinFullScale) {
    Files files;
    const float samples[] = {NAN, INFINITY, -1e30f, 2.0f};
    const QString path = files.write(
        QStringLiteral("nan.wav"),
        wave(chunk("fmt ", format(3, 1, 8000, 32)) +
             chunk("data", QByteArray(reinterpret_cast<const char*>(samples), sizeof samples))));
    midi::WavReader reader;
    ASSERT_TRUE(reader.open(path));
    EXPECT_EQ(readAll(reader), (std::vector<float>{0.0f, 0.0f, -1.0f, 1.0f}));
}
