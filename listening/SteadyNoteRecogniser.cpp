#include "SteadyNoteRecogniser.h"

#include <algorithm>
#include <cmath>

namespace listening {

namespace {

// YIN now and then takes a period twice or half as long as the true one: a moment an octave or
// two from the pitch around it is that pitch misread.
double foldOctaves(double pitch, double around) {
    const double octaves = std::clamp(std::round((around - pitch) / 12.0), -2.0, 2.0);
    return pitch + 12.0 * octaves;
}

} // namespace

void SteadyNoteRecogniser::restart(double hopMs, double windowMs) {
    hopMs_ = hopMs;
    windowMs_ = windowMs;
    // Each frame hears a whole window, so frames spanning the hold time less one window cover
    // the hold time of sound.
    const double spanMs = std::max(rules_.holdMs - windowMs, hopMs);
    span_ = static_cast<std::size_t>(std::lround(spanMs / hopMs)) + 1;
    recent_.assign(span_, Moment{0, -120, false});
    scratch_.reserve(span_);
    next_ = 0;
    count_ = 0;
    breakMs_ = 0;
    held_.reset();
}

std::optional<HeardNote> SteadyNoteRecogniser::add(const PitchFrame& frame, bool sung) {
    recent_[next_] = Moment{frame.pitch, frame.levelDb, sung};
    next_ = (next_ + 1) % span_;
    count_ = std::min(count_ + 1, span_);
    if (!sung) {
        breakMs_ += hopMs_;
        if (breakMs_ >= rules_.stopMs)
            held_.reset();
        return std::nullopt;
    }
    breakMs_ = 0;
    const std::optional<double> centre = steadyCentre();
    if (!centre || !sustained())
        return std::nullopt;
    const int note = static_cast<int>(std::lround(*centre));
    // Still the note last heard: the same note, wavering across the border to the next, or read
    // an octave off for a moment.
    if (held_ &&
        (std::fabs(*centre - held_->centre) <= 0.5 || std::abs(note - held_->note) % 12 == 0))
        return std::nullopt;
    held_ = Held{note, *centre};
    HeardNote heard;
    heard.timeMs = frame.timeMs;
    heard.startMs = frame.timeMs - (double(span_ - 1) * hopMs_ + windowMs_);
    heard.note = note;
    heard.cents = (*centre - note) * 100.0;
    return heard;
}

// Whether the sound holds its loudness, as a voice does: a knock or a plucked string rings at
// one pitch too, but dies away.
bool SteadyNoteRecogniser::sustained() const {
    double loudest = -120;
    for (std::size_t i = 0; i < span_; ++i) {
        const Moment& moment = recent_[(next_ + i) % span_];
        loudest = std::max(loudest, moment.levelDb);
        if (moment.levelDb < loudest - rules_.fadeDb)
            return false;
    }
    return true;
}

// How fast the pitch moves over the hold time, in semitones a second: a least-squares line
// through the moments that hold it.
double SteadyNoteRecogniser::drift(double median) const {
    double sumT = 0, sumP = 0, sumTT = 0, sumTP = 0, n = 0;
    const double tolerance = rules_.toleranceCents / 100.0;
    for (std::size_t i = 0; i < span_; ++i) {
        const Moment& moment = recent_[(next_ + i) % span_];
        const double pitch = foldOctaves(moment.pitch, median);
        if (!moment.sung || std::fabs(pitch - median) > tolerance)
            continue;
        const double t = double(i) * hopMs_ / 1000.0;
        sumT += t;
        sumP += pitch;
        sumTT += t * t;
        sumTP += t * pitch;
        n += 1;
    }
    const double spread = n * sumTT - sumT * sumT;
    return spread > 0 ? (n * sumTP - sumT * sumP) / spread : 0.0;
}

// The centre of the pitch over the last frames when they hold it: nearly all sung, within the
// tolerance of their median, and spanning no more than the tolerance both ways.
std::optional<double> SteadyNoteRecogniser::steadyCentre() {
    // The whole hold time is sung: it begins with a sung moment (and ends with one, the
    // latest); strays may only lie between.
    if (count_ < span_ || !recent_[next_].sung)
        return std::nullopt;
    const auto allowedStrays = static_cast<std::size_t>(rules_.strayShare * double(span_));
    scratch_.clear();
    for (const Moment& moment : recent_)
        if (moment.sung)
            scratch_.push_back(moment.pitch);
    if (scratch_.size() + allowedStrays < span_)
        return std::nullopt;
    auto middle = scratch_.begin() + static_cast<std::ptrdiff_t>(scratch_.size() / 2);
    std::nth_element(scratch_.begin(), middle, scratch_.end());
    const double median = *middle;
    for (double& pitch : scratch_)
        pitch = foldOctaves(pitch, median);
    const double tolerance = rules_.toleranceCents / 100.0;
    double sum = 0, lowest = median, highest = median;
    std::size_t inside = 0;
    for (const double pitch : scratch_) {
        if (std::fabs(pitch - median) > tolerance)
            continue;
        sum += pitch;
        lowest = std::min(lowest, pitch);
        highest = std::max(highest, pitch);
        ++inside;
    }
    if (inside + allowedStrays < span_)
        return std::nullopt;
    if (highest - lowest > 2 * tolerance)
        return std::nullopt;
    // A slide between notes moves on steadily; a held note, even one with vibrato, does not.
    if (std::fabs(drift(median)) * 100.0 > rules_.maxDriftCentsPerSecond)
        return std::nullopt;
    return sum / double(inside);
}

} // namespace listening
