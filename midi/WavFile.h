#pragma once

#include <QFile>
#include <QString>
#include <cstdint>
#include <vector>

namespace midi {

// 16-bit PCM WAV files, as the synthesizer writes them.
struct WavData {
    int sampleRate = 0;
    int channels = 0;
    std::vector<int16_t> samples; // interleaved
    size_t frames() const { return channels ? samples.size() / channels : 0; }
};

bool writeWav(const QString& path, const WavData& wav);
// Reads a 16-bit PCM file whole (WavReader reads other kinds, and piece by piece).
bool readWav(const QString& path, WavData& wav);

// Writes a WAV file piece by piece, keeping its header valid as it grows.
class WavStreamWriter {
public:
    WavStreamWriter(const QString& path, int sampleRate, int channels);
    ~WavStreamWriter(); // finishes the header

    bool open(QString* error);
    // False when the samples could not be written; errorString() says why.
    bool append(const int16_t* interleaved, size_t frames);
    void updateHeader();
    // Writes the final header and closes the file. False when anything written since the file
    // was opened did not reach the disk (a full disk), with `error` saying why.
    bool finish(QString* error);
    // Why writing failed, in the system's words.
    QString errorString() const { return failure_; }
    quint64 framesWritten() const { return frames_; }

private:
    bool writeHeader();
    void fail();

    QFile file_;
    int sampleRate_;
    int channels_;
    quint64 frames_ = 0;
    bool failed_ = false;
    QString failure_;
};

// Converts interleaved float samples (-1..1) to 16-bit.
std::vector<int16_t> toPcm16(const std::vector<float>& samples);

// The first frame at which two renderings differ by more than `threshold`, or -1.
long firstDifferentFrame(const std::vector<float>& a, const std::vector<float>& b, int channels,
                         float threshold = 1e-6f);

// The first frame whose absolute sample exceeds `threshold`, or -1.
long firstNonSilentFrame(const std::vector<float>& interleaved, int channels,
                         float threshold = 1e-6f, size_t fromFrame = 0);

} // namespace midi
