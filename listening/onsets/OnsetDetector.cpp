#include "OnsetDetector.h"

#include "AubioLibrary.h"

#include <algorithm>
#include <cmath>

namespace listening {

namespace {

constexpr double kHistoryMs = 500;
constexpr std::size_t kMaxPending = 64;
constexpr double kFlushMs = 150;
constexpr std::size_t kPieceFrames = 2048;

} // namespace

// The spectral detector, fed block by block in hops of a fixed size. Its frame count starts at
// zero where listening (re)started.
class OnsetDetector::Detector {
public:
    Detector(const AubioLibrary& aubio, const OnsetSettings& settings, int sampleRate)
        : aubio_(aubio), hop_(scaled(settings.hopFrames, sampleRate)),
          onset_(aubio.newOnset(settings.method.c_str(), scaled(settings.windowFrames, sampleRate),
                                hop_, static_cast<uint_t>(sampleRate))),
          input_(aubio.newVector(hop_)), output_(aubio.newVector(1)) {
        if (!onset_)
            onset_ = aubio.newOnset("hfc", scaled(settings.windowFrames, sampleRate), hop_,
                                    static_cast<uint_t>(sampleRate));
        if (!onset_)
            return;
        aubio.setOnsetThreshold(onset_, static_cast<smpl_t>(settings.threshold));
        aubio.setOnsetMinimumInterval(onset_, static_cast<smpl_t>(settings.minimumIntervalMs));
        aubio.setOnsetSilence(onset_, static_cast<smpl_t>(settings.silenceDb));
    }
    ~Detector() {
        if (onset_)
            aubio_.deleteOnset(onset_);
        aubio_.deleteVector(input_);
        aubio_.deleteVector(output_);
    }
    Detector(const Detector&) = delete;
    Detector& operator=(const Detector&) = delete;

    bool valid() const { return onset_ && input_ && output_; }

    // Feeds samples; calls `found` with each onset's frame, counted from the detector's start.
    template <typename Found> void feed(std::span<const float> samples, Found&& found) {
        for (float s : samples) {
            input_->data[filled_++] = s;
            if (filled_ < hop_)
                continue;
            filled_ = 0;
            aubio_.detectOnset(onset_, input_, output_);
            if (output_->data[0] > 0)
                found(static_cast<std::int64_t>(aubio_.lastOnset(onset_)));
        }
    }

private:
    static uint_t scaled(int frames48k, int sampleRate) {
        // A power of two near the same duration at this rate.
        const double wanted = frames48k * sampleRate / 48000.0;
        uint_t size = 64;
        while (size * 2 <= wanted * 1.5)
            size *= 2;
        return size;
    }

    const AubioLibrary& aubio_;
    uint_t hop_;
    aubio_onset_t* onset_;
    fvec_t* input_;
    fvec_t* output_;
    uint_t filled_ = 0;
};

OnsetDetector::OnsetDetector(Listener listener, OnsetSettings settings)
    : listener_(std::move(listener)), settings_(std::move(settings)) {
    pending_.reserve(kMaxPending);
    piece_.resize(kPieceFrames);
}

OnsetDetector::~OnsetDetector() = default;

void OnsetDetector::start(int sampleRate, std::int64_t firstFrame) {
    if (sampleRate != sampleRate_) {
        sampleRate_ = sampleRate;
        history_.emplace(static_cast<std::size_t>(kHistoryMs * sampleRate / 1000.0));
        locator_.emplace(sampleRate, settings_.attack);
    }
    // The library is opened by the first detector made, not with the program.
    const AubioLibrary* aubio = AubioLibrary::get();
    detector_ = aubio ? std::make_unique<Detector>(*aubio, settings_, sampleRate) : nullptr;
    if (detector_ && !detector_->valid())
        detector_.reset();
    history_->clear();
    pending_.clear();
    lastOnset_ = kLongAgo;
    detectorStart_ = firstFrame;
    nextFrame_ = firstFrame;
}

void OnsetDetector::analyse(std::span<const float> samples, int sampleRate,
                            std::int64_t firstFrame) {
    if (sampleRate <= 0 || samples.empty())
        return;
    // A new rate or a gap in the sound: the detector starts again where the sound goes on.
    if (sampleRate != sampleRate_ || firstFrame != nextFrame_ || !detector_)
        start(sampleRate, firstFrame);
    if (!detector_)
        return;
    // A long block goes in pieces, so that every onset is placed while the samples around it
    // are still held. A broken device's samples (not numbers, or far out of range) are kept
    // within bounds.
    while (!samples.empty()) {
        const std::size_t count = std::min(samples.size(), kPieceFrames);
        for (std::size_t i = 0; i < count; ++i)
            piece_[i] = std::isfinite(samples[i]) ? std::clamp(samples[i], -1.0f, 1.0f) : 0.0f;
        const std::span<const float> piece(piece_.data(), count);
        history_->append(piece, nextFrame_);
        nextFrame_ += static_cast<std::int64_t>(piece.size());
        detector_->feed(piece, [this](std::int64_t frame) {
            if (pending_.size() < kMaxPending)
                pending_.push_back(detectorStart_ + frame);
        });
        placePending(false);
        samples = samples.subspan(count);
    }
}

void OnsetDetector::flush() {
    if (!detector_)
        return;
    // As if a moment of silence followed: the detector and the attacks after the last sounds
    // get the frames they wait for.
    silence_.assign(static_cast<std::size_t>(kFlushMs * sampleRate_ / 1000.0), 0.0f);
    analyse(silence_, sampleRate_, nextFrame_);
    placePending(true);
}

void OnsetDetector::placePending(bool final) {
    std::size_t done = 0;
    for (; done < pending_.size(); ++done) {
        const std::int64_t moment = pending_[done];
        if (!final && moment + locator_->framesAfter() > history_->endFrame())
            break;
        const auto attack = locator_->locate(*history_, moment);
        if (!attack)
            continue;
        const auto minimumGap =
            static_cast<std::int64_t>(settings_.minimumIntervalMs * sampleRate_ / 1000.0);
        if (attack->frame - lastOnset_ < minimumGap)
            continue;
        lastOnset_ = attack->frame;
        listener_({attack->frame, sampleRate_,
                   attack->noise > 0 ? attack->peak / attack->noise : attack->peak * 1e6f});
    }
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(done));
}

} // namespace listening
