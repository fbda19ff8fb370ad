#include "SyntheticVoice.h"

#include "NoiseSource.h"

#include <algorithm>
#include <cmath>

namespace recordings {

namespace {

// Glottal flow over one period (phase 0 to 1): opening for 40 %, closing for 16 %, then shut.
double glottalFlow(double phase) {
    constexpr double opening = 0.40, closing = 0.16;
    if (phase < opening)
        return 0.5 * (1 - std::cos(M_PI * phase / opening));
    if (phase < opening + closing)
        return std::cos(0.5 * M_PI * (phase - opening) / closing);
    return 0;
}

double hertz(double midiPitch) {
    return 440.0 * std::pow(2.0, (midiPitch - 69.0) / 12.0);
}

double smoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(M_PI * x);
}

} // namespace

std::vector<float> SyntheticVoice::note(double pitch, char vowelName, double seconds) const {
    const Vowel v = vowel(vowelName, settings_.female);
    const double attack = settings_.attackMs / 1000.0, release = settings_.releaseMs / 1000.0;
    return voice(
        seconds, [pitch](double) { return pitch; }, [v](double) { return v; },
        [=](double t) { return smoothStep(t / attack) * smoothStep((seconds - t) / release); });
}

std::vector<float> SyntheticVoice::voice(double seconds, const Contour& pitch,
                                         const VowelContour& vowelAt,
                                         const Contour& loudness) const {
    const int rate = settings_.sampleRate;
    const auto frames = static_cast<std::size_t>(std::max(0.0, seconds) * rate);
    NoiseSource random(settings_.seed);
    const double driftPhase = random.between(0, 2 * M_PI);
    const double vibratoPhase = random.between(0, 2 * M_PI);
    FormantFilter filter(rate);
    std::vector<float> out(frames);
    double phase = 0, flowBefore = 0, cycleStretch = 1, cycleLoudness = 1;
    double dcIn = 0, dcOut = 0, loudPower = 0;
    std::size_t loudFrames = 0;
    for (std::size_t n = 0; n < frames; ++n) {
        const double t = double(n) / rate;
        if (n % 32 == 0)
            filter.tune(vowelAt(t));
        const double onset = settings_.vibratoOnsetMs / 1000.0;
        const double vibrato = settings_.vibratoCents * (onset > 0 ? smoothStep(t / onset) : 1.0) *
                               std::sin(2 * M_PI * settings_.vibratoHz * t + vibratoPhase);
        const double drift = settings_.driftCents * std::sin(2 * M_PI * 0.35 * t + driftPhase);
        const double f0 = hertz(pitch(t) + (vibrato + drift) / 100.0);
        phase += f0 * cycleStretch / rate;
        if (phase >= 1) {
            phase -= std::floor(phase);
            cycleStretch = 1.0 / (1.0 + settings_.jitter * random.gaussian());
            cycleLoudness = std::max(0.0, 1.0 + settings_.shimmer * random.gaussian());
        }
        const double flow = glottalFlow(phase) * cycleLoudness;
        // The mouth radiates the flow's change; scaled so that its size does not follow f0.
        const double pulse = (flow - flowBefore) * rate / (f0 * M_PI);
        flowBefore = flow;
        const double breath = settings_.breath * random.gaussian() * (phase < 0.56 ? 1.0 : 0.4);
        const double shaped = filter.process(static_cast<float>(pulse + breath));
        // A gentle high-pass keeps the sound free of any offset.
        dcOut = shaped - dcIn + 0.995 * dcOut;
        dcIn = shaped;
        const double loud = loudness(t);
        out[n] = static_cast<float>(dcOut * loud);
        if (loud > 0.9) {
            loudPower += dcOut * dcOut;
            ++loudFrames;
        }
    }
    const double fullRms = loudFrames ? std::sqrt(loudPower / double(loudFrames)) : 0.0;
    const double gain = fullRms > 0 ? settings_.rms / fullRms : 0.0;
    for (float& s : out)
        s = static_cast<float>(s * gain);
    return out;
}

} // namespace recordings
