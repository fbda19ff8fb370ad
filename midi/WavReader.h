#pragma once

#include <QFile>
#include <QString>

#include <cstdint>
#include <vector>

namespace midi {

// How a WAV file stores its sound, as its header says.
struct WavFormat {
    enum class Encoding { Pcm, Float };
    Encoding encoding = Encoding::Pcm;
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;   // PCM: 8, 16, 24 or 32; float: 32 or 64
    std::int64_t frames = 0; // whole frames present in the file
    qint64 dataOffset = 0;   // where the first frame begins

    int bytesPerFrame() const { return channels * (bitsPerSample / 8); }
    bool isPcm16() const { return encoding == Encoding::Pcm && bitsPerSample == 16; }
};

// Reads the sound of a WAV file piece by piece, so that a long recording never has to sit in
// memory whole: integer PCM of 8, 16, 24 or 32 bits and floating point of 32 or 64 bits, in the
// plain or the extensible header. A data chunk that claims more than the file holds (a recording
// cut short) gives what is there.
class WavReader {
public:
    // Opens the file and reads its header. False with a reason for the user in `error` when it
    // cannot be read or is not a WAV file of a kind above.
    bool open(const QString& path, QString* error = nullptr);
    const WavFormat& format() const { return format_; }
    std::int64_t framesLeft() const { return framesLeft_; }

    // Reads up to `frames` frames as interleaved samples from -1 to 1 into `interleaved`
    // (resized to what was read). Returns the number of frames; 0 at the end of the sound.
    std::size_t read(std::size_t frames, std::vector<float>& interleaved);
    // The same for 16-bit PCM files, the samples as stored.
    std::size_t readPcm16(std::size_t frames, std::vector<std::int16_t>& interleaved);

private:
    bool readHeader(QString* why);
    bool readFormatChunk(const QByteArray& body, QString* why);
    QByteArray readFrames(std::size_t frames);

    QFile file_;
    WavFormat format_;
    std::int64_t framesLeft_ = 0;
};

} // namespace midi
