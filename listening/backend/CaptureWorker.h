#pragma once

#include "AudioAnalyser.h"
#include "InputBackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <vector>

class QAudioSource;
class QIODevice;

namespace listening {

// Captures one sound input on the worker thread it lives in: the sound arrives as raw bytes,
// becomes mono samples and goes to the analysers, with its frame count since this listening
// began. While it listens it looks for the input twice a second, so that an input unplugged
// (or taken away by the system) is noticed: listening then stops and `failed` says so once.
// Every call but the constructor runs on the worker thread.
class CaptureWorker final : public QObject, public InputCapture {
    Q_OBJECT
public:
    CaptureWorker(std::vector<AudioAnalyser*> analysers, CaptureEvents events);
    ~CaptureWorker() override;

    QObject* object() override { return this; }
    void start(const QByteArray& inputId, int generation) override;
    void stop() override;

private:
    void open(const QAudioDevice& device);
    void readAvailable();
    void checkInput();
    void fail(bool lost);

    std::vector<AudioAnalyser*> analysers_;
    CaptureEvents events_;
    std::unique_ptr<QAudioSource> source_;
    QIODevice* io_ = nullptr;
    QTimer watch_;
    QByteArray id_;
    QAudioFormat format_;
    int generation_ = 0;
    QByteArray pending_; // raw bytes read, a partial frame left over at its end
    qsizetype pendingBytes_ = 0;
    std::vector<float> mono_;
    std::int64_t frame_ = 0;
};

} // namespace listening
