#include "FileOutput.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace midi {

FileOutput::FileOutput(BlockRenderer& renderer, int sampleRate, std::function<bool()> playing,
                       std::function<void(const QString&)> failed)
    : renderer_(renderer), rate_(sampleRate), playing_(std::move(playing)),
      failed_(std::move(failed)) {}

FileOutput::~FileOutput() {
    quit_ = true;
    if (thread_.joinable())
        thread_.join();
}

bool FileOutput::open(const QString& path, QString* reason) {
    path_ = path;
    file_ = std::make_unique<WavStreamWriter>(path, rate_, 2);
    QString error;
    if (!file_->open(&error)) {
        *reason = QStringLiteral("The audio file %1 cannot be written (%2). The exercises run "
                                 "on without sound.")
                      .arg(path, error);
        file_.reset();
        return false;
    }
    clockStart_ = std::chrono::steady_clock::now();
    thread_ = std::thread([this] { run(); });
    return true;
}

void FileOutput::run() {
    constexpr int step = SynthCore::BlockFrames;
    std::vector<float> left(step), right(step);
    std::vector<int16_t> interleaved(step * 2);
    int64_t frames = 0;
    int64_t lastHeaderUpdate = 0;
    while (!quit_) {
        // Real time: frame f is written at clockStart + f / rate.
        const auto due = clockStart_ + std::chrono::microseconds(frames * 1000000 / rate_);
        std::this_thread::sleep_until(due);
        std::fill(left.begin(), left.end(), 0.0f);
        std::fill(right.begin(), right.end(), 0.0f);
        if (playing_())
            renderer_.render(step, left.data(), right.data());
        for (int i = 0; i < step; ++i) {
            interleaved[2 * i] =
                static_cast<int16_t>(std::lround(std::clamp(left[i], -1.0f, 1.0f) * 32767.0f));
            interleaved[2 * i + 1] =
                static_cast<int16_t>(std::lround(std::clamp(right[i], -1.0f, 1.0f) * 32767.0f));
        }
        if (!file_->append(interleaved.data(), step)) {
            failed_(
                QStringLiteral("Writing the audio file %1 failed; recording stopped.").arg(path_));
            return;
        }
        frames += step;
        if (frames - lastHeaderUpdate >= rate_ / 4) {
            file_->updateHeader();
            lastHeaderUpdate = frames;
        }
    }
    file_->updateHeader();
}

} // namespace midi
