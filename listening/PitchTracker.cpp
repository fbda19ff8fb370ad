#include "PitchTracker.h"

#include "AubioLibrary.h"

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
    const AubioLibrary& library;
    aubio_pitch_t* pitch;
    fvec_t* in;
    fvec_t* out;

    Aubio(const AubioLibrary& aubio, int window, int hop, int sampleRate)
        : library(aubio),
          pitch(aubio.newPitch("yinfast", static_cast<uint_t>(window), static_cast<uint_t>(hop),
                               static_cast<uint_t>(sampleRate))),
          in(aubio.newVector(static_cast<uint_t>(hop))), out(aubio.newVector(1)) {
        // Loudness is judged against the room's noise by whoever reads the frames.
        aubio.setPitchSilence(pitch, -120);
        aubio.setPitchUnit(pitch, "Hz");
        // YIN takes the first period whose difference falls below the tolerance. Its usual 0.15
        // lets a voice whose second harmonic outweighs the first (a woman's "o") read an octave
        // high; 0.1 keeps to the true period and still finds it in a noisy room.
        aubio.setPitchTolerance(pitch, 0.1);
    }
    ~Aubio() {
        library.deletePitch(pitch);
        library.deleteVector(in);
        library.deleteVector(out);
    }
    Aubio(const Aubio&) = delete;
    Aubio& operator=(const Aubio&) = delete;
};

// The analysis library is opened by the first tracker made.
PitchTracker::PitchTracker(int sampleRate)
    : sampleRate_(sampleRate), window_(windowFor(sampleRate)), hop_(window_ / 8),
      rumbleFilter_(RumbleHz, sampleRate), periodRefiner_(sampleRate),
      windowSamples_(static_cast<std::size_t>(window_), 0.0f),
      hopEnergy_(static_cast<std::size_t>(window_ / hop_), 0.0) {
    library_ = AubioLibrary::get();
    restart(0);
}

PitchTracker::~PitchTracker() = default;

void PitchTracker::restart(std::int64_t firstFrame) {
    if (library_)
        aubio_ = std::make_unique<Aubio>(*library_, window_, hop_, sampleRate_);
    rumbleFilter_.reset();
    filled_ = 0;
    nextFrame_ = firstFrame;
    std::fill(windowSamples_.begin(), windowSamples_.end(), 0.0f);
    std::fill(hopEnergy_.begin(), hopEnergy_.end(), 0.0);
    hopIndex_ = 0;
    hopsSeen_ = 0;
}

void PitchTracker::add(std::span<const float> samples, const FrameHandler& handler) {
    if (!aubio_)
        return;
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

    aubio_->library.detectPitch(aubio_->pitch, aubio_->in, aubio_->out);
    PitchFrame frame;
    frame.timeMs = 1000.0 * double(nextFrame_) / sampleRate_;
    frame.pitch = midiPitch(periodRefiner_.refine(windowSamples_, aubio_->out->data[0]));
    frame.confidence = std::clamp(double(aubio_->library.pitchConfidence(aubio_->pitch)), 0.0, 1.0);
    frame.levelDb = 10.0 * std::log10(meanSquare + 1e-12);
    return frame;
}

} // namespace listening
