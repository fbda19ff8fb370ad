#include "PitchTracker.h"

#include <aubio/aubio.h>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace listening {

namespace {

// About 43 ms: long enough for two periods of a bass's low E, short enough to follow a singer.
int windowFor(int sampleRate) {
    const double wanted = sampleRate * 0.043;
    int window = 256;
    while (window * 1.5 < wanted)
        window *= 2;
    return window;
}

// Below C two octaves under middle C (65 Hz), the lowest note listened for.
constexpr double RumbleHz = 55.0;

double midiPitch(double hertz) {
    return hertz > 0 ? 69.0 + 12.0 * std::log2(hertz / 440.0) : 0.0;
}

} // namespace

struct PitchTracker::Aubio {
    struct PitchDeleter {
        void operator()(aubio_pitch_t* p) const { del_aubio_pitch(p); }
    };
    struct VectorDeleter {
        void operator()(fvec_t* v) const { del_fvec(v); }
    };
    std::unique_ptr<aubio_pitch_t, PitchDeleter> pitch;
    std::unique_ptr<fvec_t, VectorDeleter> in;
    std::unique_ptr<fvec_t, VectorDeleter> out;

    Aubio(int window, int hop, int sampleRate)
        : pitch(new_aubio_pitch("yinfast", static_cast<uint_t>(window), static_cast<uint_t>(hop),
                                static_cast<uint_t>(sampleRate))),
          in(new_fvec(static_cast<uint_t>(hop))), out(new_fvec(1)) {
        // Loudness is judged against the room's noise by whoever reads the frames.
        aubio_pitch_set_silence(pitch.get(), -120);
        aubio_pitch_set_unit(pitch.get(), "Hz");
        // YIN takes the first period whose difference falls below the tolerance. Its usual 0.15
        // lets a voice whose second harmonic outweighs the first (a woman's "o") read an octave
        // high; 0.1 keeps to the true period and still finds it in a noisy room.
        aubio_pitch_set_tolerance(pitch.get(), 0.1);
    }
};

PitchTracker::PitchTracker(int sampleRate)
    : sampleRate_(sampleRate), window_(windowFor(sampleRate)), hop_(window_ / 8),
      rumbleFilter_(RumbleHz, sampleRate), periodRefiner_(sampleRate),
      windowSamples_(static_cast<std::size_t>(window_), 0.0f),
      hopEnergy_(static_cast<std::size_t>(window_ / hop_), 0.0) {
    restart(0);
}

PitchTracker::~PitchTracker() = default;

void PitchTracker::restart(std::int64_t firstFrame) {
    aubio_ = std::make_unique<Aubio>(window_, hop_, sampleRate_);
    rumbleFilter_.reset();
    filled_ = 0;
    nextFrame_ = firstFrame;
    std::fill(windowSamples_.begin(), windowSamples_.end(), 0.0f);
    std::fill(hopEnergy_.begin(), hopEnergy_.end(), 0.0);
    hopIndex_ = 0;
    hopsSeen_ = 0;
}

void PitchTracker::add(std::span<const float> samples, const FrameHandler& handler) {
    smpl_t* hop = aubio_->in->data;
    for (const float sample : samples) {
        hop[filled_++] = rumbleFilter_.process(sample);
        ++nextFrame_;
        if (filled_ == hop_) {
            filled_ = 0;
            handler(analyseHop());
        }
    }
}

PitchFrame PitchTracker::analyseHop() {
    const smpl_t* hop = aubio_->in->data;
    double energy = 0;
    for (int i = 0; i < hop_; ++i)
        energy += double(hop[i]) * hop[i];
    hopEnergy_[hopIndex_] = energy / hop_;
    hopIndex_ = (hopIndex_ + 1) % hopEnergy_.size();
    // Right after a restart the window is not full yet: its level is that of what it holds.
    hopsSeen_ = std::min(hopsSeen_ + 1, hopEnergy_.size());
    const double meanSquare =
        std::accumulate(hopEnergy_.begin(), hopEnergy_.end(), 0.0) / double(hopsSeen_);
    std::copy(windowSamples_.begin() + hop_, windowSamples_.end(), windowSamples_.begin());
    std::copy(hop, hop + hop_, windowSamples_.end() - hop_);

    aubio_pitch_do(aubio_->pitch.get(), aubio_->in.get(), aubio_->out.get());
    PitchFrame frame;
    frame.timeMs = 1000.0 * double(nextFrame_) / sampleRate_;
    frame.pitch = midiPitch(periodRefiner_.refine(windowSamples_, aubio_->out->data[0]));
    frame.confidence =
        std::clamp(double(aubio_pitch_get_confidence(aubio_->pitch.get())), 0.0, 1.0);
    frame.levelDb = 10.0 * std::log10(meanSquare + 1e-12);
    return frame;
}

} // namespace listening
