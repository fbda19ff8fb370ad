#include "SingingAnalyser.h"

#include "AubioLibrary.h"

namespace listening {

SingingAnalyser::SingingAnalyser(const SingingRules& rules, QObject* parent)
    : QObject(parent), rules_(rules), frameHandler_([this](const PitchFrame& f) { take(f); }),
      gate_(rules), recogniser_(rules) {}

SingingAnalyser::~SingingAnalyser() = default;

void SingingAnalyser::analyse(std::span<const float> samples, int sampleRate,
                              std::int64_t firstFrame) {
    if (sampleRate <= 0)
        return;
    if (!tracker_ || tracker_->sampleRate() != sampleRate || firstFrame != expectedFrame_)
        restart(sampleRate, firstFrame);
    expectedFrame_ = firstFrame + static_cast<std::int64_t>(samples.size());
    tuner_.setMaxRate(tunerRate_.load(std::memory_order_relaxed));
    tracker_->add(samples, frameHandler_);
}

void SingingAnalyser::restart(int sampleRate, std::int64_t firstFrame) {
    if (!tracker_ || tracker_->sampleRate() != sampleRate)
        tracker_ = std::make_unique<PitchTracker>(sampleRate);
    tracker_->restart(firstFrame);
    gate_.restart();
    recogniser_.restart(tracker_->hopMs(), tracker_->windowMs());
    tuner_.restart();
}

void SingingAnalyser::take(const PitchFrame& frame) {
    const double hopMs = tracker_->hopMs();
    const bool sung = gate_.judge(frame, hopMs);
    if (const std::optional<HeardNote> note = recogniser_.add(frame, sung))
        emit heard(*note);
    if (const std::optional<TunerReading> reading = tuner_.add(frame, sung, hopMs))
        emit tunerReading(*reading);
}

QString SingingAnalyser::unavailable() const {
    QString why;
    return AubioLibrary::get(&why) != nullptr ? QString() : why;
}

} // namespace listening
