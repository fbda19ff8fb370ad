#include "WavReader.h"

#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace midi {

namespace {

constexpr quint16 PcmTag = 1;
constexpr quint16 FloatTag = 3;
constexpr quint16 ExtensibleTag = 0xFFFE;
constexpr int MaxChannels = 64;
constexpr int MaxSampleRate = 1'000'000;

quint16 word16(const char* at) {
    return qFromLittleEndian<quint16>(at);
}
quint32 word32(const char* at) {
    return qFromLittleEndian<quint32>(at);
}

float sampleAt(const char* at, const WavFormat& format) {
    if (format.encoding == WavFormat::Encoding::Float) {
        double value = 0;
        if (format.bitsPerSample == 32) {
            float f;
            std::memcpy(&f, at, sizeof f);
            value = f;
        } else {
            std::memcpy(&value, at, sizeof value);
        }
        // A damaged file may hold anything; what is heard never leaves -1..1.
        return std::isfinite(value) ? static_cast<float>(std::clamp(value, -1.0, 1.0)) : 0.0f;
    }
    switch (format.bitsPerSample) {
    case 8:
        return (static_cast<int>(static_cast<uint8_t>(*at)) - 128) / 128.0f;
    case 16:
        return static_cast<qint16>(word16(at)) / 32768.0f;
    case 24: {
        const qint32 value = static_cast<qint32>(static_cast<quint32>(word16(at)) << 8 |
                                                 static_cast<quint32>(uint8_t(at[2])) << 24) >>
                             8;
        return static_cast<float>(value / 8388608.0);
    }
    default:
        return static_cast<float>(static_cast<qint32>(word32(at)) / 2147483648.0);
    }
}

} // namespace

bool WavReader::open(const QString& path, QString* error) {
    file_.close();
    format_ = WavFormat();
    framesLeft_ = 0;
    file_.setFileName(path);
    QString why;
    if (!file_.open(QIODevice::ReadOnly))
        why = file_.errorString();
    else if (!readHeader(&why))
        file_.close();
    if (!file_.isOpen()) {
        if (error)
            *error = QStringLiteral("%1 cannot be read: %2").arg(path, why);
        return false;
    }
    framesLeft_ = format_.frames;
    return true;
}

bool WavReader::readHeader(QString* why) {
    const QByteArray riff = file_.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") {
        *why = QStringLiteral("it is not a WAV file.");
        return false;
    }
    bool haveFormat = false;
    qint64 at = 12;
    const qint64 size = file_.size();
    while (at + 8 <= size) {
        file_.seek(at);
        const QByteArray head = file_.read(8);
        if (head.size() < 8)
            break;
        const quint32 length = word32(head.constData() + 4);
        const qint64 body = at + 8;
        if (head.startsWith("fmt ")) {
            if (!readFormatChunk(file_.read(std::min<qint64>(length, 64)), why))
                return false;
            haveFormat = true;
        } else if (head.startsWith("data") && haveFormat) {
            const qint64 present = std::min<qint64>(length, size - body);
            format_.frames = present / format_.bytesPerFrame();
            format_.dataOffset = body;
            return file_.seek(body);
        }
        at = body + length + (length & 1);
    }
    *why = haveFormat ? QStringLiteral("it holds no sound.")
                      : QStringLiteral("its header is incomplete.");
    return false;
}

bool WavReader::readFormatChunk(const QByteArray& body, QString* why) {
    if (body.size() < 16) {
        *why = QStringLiteral("its header is incomplete.");
        return false;
    }
    const char* bytes = body.constData();
    quint16 tag = word16(bytes);
    if (tag == ExtensibleTag && body.size() >= 26)
        tag = word16(bytes + 24); // the sub-format's first two bytes
    format_.channels = word16(bytes + 2);
    format_.sampleRate = static_cast<int>(std::min<quint32>(word32(bytes + 4), INT32_MAX));
    format_.bitsPerSample = word16(bytes + 14);
    const int bits = format_.bitsPerSample;
    if (tag == PcmTag && (bits == 8 || bits == 16 || bits == 24 || bits == 32)) {
        format_.encoding = WavFormat::Encoding::Pcm;
    } else if (tag == FloatTag && (bits == 32 || bits == 64)) {
        format_.encoding = WavFormat::Encoding::Float;
    } else {
        *why = QStringLiteral("its kind of samples is not supported (use PCM or floating point).");
        return false;
    }
    if (format_.channels < 1 || format_.channels > MaxChannels || format_.sampleRate < 1 ||
        format_.sampleRate > MaxSampleRate) {
        *why = QStringLiteral("its header is damaged.");
        return false;
    }
    return true;
}

QByteArray WavReader::readFrames(std::size_t frames) {
    const std::int64_t wanted =
        std::min<std::int64_t>(static_cast<std::int64_t>(frames), framesLeft_);
    if (wanted <= 0 || !file_.isOpen())
        return {};
    QByteArray bytes = file_.read(wanted * format_.bytesPerFrame());
    const std::int64_t got = bytes.size() / format_.bytesPerFrame();
    bytes.truncate(static_cast<qsizetype>(got * format_.bytesPerFrame()));
    // A file that shrank while being read ends here.
    framesLeft_ = got < wanted ? 0 : framesLeft_ - got;
    return bytes;
}

std::size_t WavReader::read(std::size_t frames, std::vector<float>& interleaved) {
    const QByteArray bytes = readFrames(frames);
    const int width = format_.bitsPerSample / 8;
    interleaved.resize(static_cast<std::size_t>(bytes.size() / std::max(width, 1)));
    for (std::size_t i = 0; i < interleaved.size(); ++i)
        interleaved[i] = sampleAt(bytes.constData() + i * width, format_);
    return bytes.isEmpty() ? 0 : static_cast<std::size_t>(bytes.size() / format_.bytesPerFrame());
}

std::size_t WavReader::readPcm16(std::size_t frames, std::vector<std::int16_t>& interleaved) {
    if (!format_.isPcm16()) {
        interleaved.clear();
        return 0;
    }
    const QByteArray bytes = readFrames(frames);
    interleaved.resize(static_cast<std::size_t>(bytes.size() / 2));
    for (std::size_t i = 0; i < interleaved.size(); ++i)
        interleaved[i] = static_cast<qint16>(word16(bytes.constData() + 2 * i));
    return static_cast<std::size_t>(bytes.size()) / format_.bytesPerFrame();
}

} // namespace midi
