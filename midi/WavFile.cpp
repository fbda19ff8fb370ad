#include "WavFile.h"

#include "WavReader.h"

#include <QDataStream>
#include <QSaveFile>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace midi {

namespace {

QByteArray header(int sampleRate, int channels, quint64 frames) {
    const quint32 dataBytes =
        static_cast<quint32>(std::min<quint64>(frames * channels * 2, 0xFFFFFFFFull - 36));
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVE", 4);
    out.writeRawData("fmt ", 4);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(sampleRate)
        << quint32(sampleRate * channels * 2) << quint16(channels * 2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    return bytes;
}

} // namespace

bool writeWav(const QString& path, const WavData& wav) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(header(wav.sampleRate, wav.channels, wav.frames()));
    file.write(reinterpret_cast<const char*>(wav.samples.data()),
               static_cast<qint64>(wav.samples.size() * sizeof(int16_t)));
    return file.commit();
}

bool readWav(const QString& path, WavData& wav) {
    WavReader reader;
    if (!reader.open(path) || !reader.format().isPcm16())
        return false;
    wav.sampleRate = reader.format().sampleRate;
    wav.channels = reader.format().channels;
    reader.readPcm16(static_cast<size_t>(reader.framesLeft()), wav.samples);
    return true;
}

std::vector<int16_t> toPcm16(const std::vector<float>& samples) {
    std::vector<int16_t> pcm(samples.size());
    std::transform(samples.begin(), samples.end(), pcm.begin(), [](float s) {
        const float clipped = std::clamp(s, -1.0f, 1.0f);
        return static_cast<int16_t>(std::lround(clipped * 32767.0f));
    });
    return pcm;
}

long firstDifferentFrame(const std::vector<float>& a, const std::vector<float>& b, int channels,
                         float threshold) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        if (std::fabs(a[i] - b[i]) > threshold)
            return static_cast<long>(i / channels);
    }
    return a.size() == b.size() ? -1 : static_cast<long>(n / channels);
}

long firstNonSilentFrame(const std::vector<float>& interleaved, int channels, float threshold,
                         size_t fromFrame) {
    for (size_t i = fromFrame * channels; i < interleaved.size(); ++i) {
        if (std::fabs(interleaved[i]) > threshold)
            return static_cast<long>(i / channels);
    }
    return -1;
}

WavStreamWriter::WavStreamWriter(const QString& path, int sampleRate, int channels)
    : file_(path), sampleRate_(sampleRate), channels_(channels) {}

WavStreamWriter::~WavStreamWriter() {
    finish(nullptr);
}

bool WavStreamWriter::open(QString* error) {
    if (!file_.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        if (error)
            *error = file_.errorString();
        return false;
    }
    if (file_.write(header(sampleRate_, channels_, 0)) != 44) {
        if (error)
            *error = file_.errorString();
        return false;
    }
    return true;
}

bool WavStreamWriter::append(const int16_t* interleaved, size_t frames) {
    const qint64 bytes = static_cast<qint64>(frames * channels_ * sizeof(int16_t));
    if (failed_ || file_.write(reinterpret_cast<const char*>(interleaved), bytes) != bytes) {
        fail();
        return false;
    }
    frames_ += frames;
    return true;
}

void WavStreamWriter::fail() {
    if (failed_)
        return;
    failed_ = true;
    failure_ = file_.errorString();
    // A write that the disk took only in part leaves no reason of its own; writing the rest once
    // more gives the system's (a full disk, for one).
    file_.unsetError();
    if (!file_.flush())
        failure_ = file_.errorString();
}

bool WavStreamWriter::writeHeader() {
    const qint64 end = file_.pos();
    const QByteArray bytes = header(sampleRate_, channels_, frames_);
    return file_.seek(0) && file_.write(bytes) == bytes.size() && file_.seek(end) && file_.flush();
}

void WavStreamWriter::updateHeader() {
    if (!failed_)
        writeHeader();
}

bool WavStreamWriter::finish(QString* error) {
    if (file_.isOpen()) {
        if (!failed_ && !writeHeader())
            fail();
        file_.close();
        if (!failed_ && file_.error() != QFileDevice::NoError) {
            failed_ = true;
            failure_ = file_.errorString();
        }
    }
    if (failed_ && error)
        *error = failure_;
    return !failed_;
}

} // namespace midi
