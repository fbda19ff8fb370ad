#pragma once

#include "AttackLocator.h"
#include "AudioAnalyser.h"
#include "SampleHistory.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace listening {

// A clap or tap heard: where its sound begins, in frames since listening began.
struct DetectedOnset {
    std::int64_t frame = 0;
    int sampleRate = 48000;
    float strength = 0; // the attack's peak over the noise floor before it

    double ms() const { return static_cast<double>(frame) * 1000.0 / sampleRate; }
};

struct OnsetSettings {
    std::string method = "hfc"; // the detection function: "hfc", "complex", "specflux", ...
    // Peak picking: higher finds fewer onsets. Low, so that a soft clap in a noisy room is
    // pointed at; the attack's own test turns away what is no clap.
    double threshold = 0.1;
    double minimumIntervalMs = 50; // a second onset sooner than this is the same clap's echo
    double silenceDb = -55;        // a block quieter than this has no onset
    int windowFrames = 1024;       // analysis window and hop, at 48 kHz; scaled with the rate
    int hopFrames = 256;
    AttackLocator::Settings attack;
};

// Finds claps and taps in the microphone's sound. A spectral onset detector points at each
// sudden sound; the attack is then found in the samples around that moment, so that the time
// reported is where the sound begins, within a millisecond or two, whatever the detector's own
// delay. Soft swells such as speech are not onsets. When the analysis library cannot be opened
// no sound makes an onset. Runs on the thread that feeds it; each onset
// is handed to the listener on that thread, in time order, once the samples after it are in
// (some 60 ms after the clap began, plus the length of the block that brought them).
class OnsetDetector final : public AudioAnalyser {
public:
    using Listener = std::function<void(const DetectedOnset&)>;

    explicit OnsetDetector(Listener listener, OnsetSettings settings = {});
    ~OnsetDetector() override;
    OnsetDetector(const OnsetDetector&) = delete;
    OnsetDetector& operator=(const OnsetDetector&) = delete;

    void analyse(std::span<const float> samples, int sampleRate, std::int64_t firstFrame) override;
    // The sound has ended: hands over the onsets still waiting for the samples after them.
    void flush();

private:
    class Detector;

    void start(int sampleRate, std::int64_t firstFrame);
    void feedDetector(std::span<const float> samples);
    void placePending(bool final);

    Listener listener_;
    OnsetSettings settings_;
    int sampleRate_ = 0;
    std::int64_t nextFrame_ = 0;
    std::unique_ptr<Detector> detector_;
    std::optional<SampleHistory> history_;
    std::optional<AttackLocator> locator_;
    std::vector<std::int64_t> pending_; // moments the detector pointed at, not yet placed
    std::vector<float> piece_;          // the samples being analysed, within bounds
    std::vector<float> silence_;
    std::int64_t detectorStart_ = 0;
    static constexpr std::int64_t kLongAgo = INT64_MIN / 2;
    std::int64_t lastOnset_ = kLongAgo;
};

} // namespace listening
