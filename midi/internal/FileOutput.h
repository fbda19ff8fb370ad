#pragma once

#include "BlockRenderer.h"
#include "WavFile.h"

#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

namespace midi {

// The built-in synthesizer's output into a WAV file, written in real time on a thread of its
// own: frame f is written at start + f / rate, one synthesizer block at a time, so a note sent
// at any moment is in the file within about a millisecond of it.
class FileOutput {
public:
    // `playing()` says whether the synthesizer may be rendered yet (silence until then);
    // `failed(reason)` is told once when writing stops.
    FileOutput(BlockRenderer& renderer, int sampleRate, std::function<bool()> playing,
               std::function<void(const QString&)> failed);
    ~FileOutput();

    // Creates the file and starts writing; false with a reason.
    bool open(const QString& path, QString* reason);
    std::chrono::steady_clock::time_point clockStart() const { return clockStart_; }

private:
    void run();

    BlockRenderer& renderer_;
    const int rate_;
    const std::function<bool()> playing_;
    const std::function<void(const QString&)> failed_;
    QString path_;
    std::unique_ptr<WavStreamWriter> file_;
    std::chrono::steady_clock::time_point clockStart_ = std::chrono::steady_clock::now();
    std::atomic<bool> quit_{false};
    std::thread thread_;
};

} // namespace midi
