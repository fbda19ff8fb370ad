#include "ClapRecordings.h"

#include "MidiResult.h"
#include "OfflineRender.h"
#include "WavFile.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr int kRate = 48000;
// One stream tick is one 64-frame block of the synthesizer at 48 kHz, so every clap starts on a
// block boundary and sounds at a constant delay after its tick.
constexpr std::uint32_t kTicksPerQuarter = 375;
constexpr double kTickMs = 500.0 / kTicksPerQuarter;
constexpr std::uint32_t kHandClap = 39;

double fromDb(double db) {
    return std::pow(10.0, db / 20.0);
}

std::size_t frameAt(double ms) {
    return static_cast<std::size_t>(std::lround(std::max(0.0, ms) * kRate / 1000.0));
}

// A two-pole band-pass (constant peak gain), as in the common audio filter recipes.
class BandPass {
public:
    BandPass(double centreHz, double q) {
        const double w = 2 * std::numbers::pi * centreHz / kRate;
        const double alpha = std::sin(w) / (2 * q);
        const double a0 = 1 + alpha;
        b0_ = alpha / a0;
        a1_ = -2 * std::cos(w) / a0;
        a2_ = (1 - alpha) / a0;
    }
    double operator()(double x) {
        const double y = b0_ * x - b0_ * x2_ - a1_ * y1_ - a2_ * y2_;
        x2_ = x1_;
        x1_ = x;
        y2_ = y1_;
        y1_ = y;
        return y;
    }

private:
    double b0_, a1_, a2_;
    double x1_ = 0, x2_ = 0, y1_ = 0, y2_ = 0;
};

std::vector<float> renderedClaps(const std::vector<std::uint32_t>& ticks,
                                 const std::vector<int>& velocities, double tailMs) {
    struct Timed {
        std::uint32_t tick;
        std::uint32_t velocity;
    };
    std::vector<Timed> timed;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        const int velocity = velocities.empty() ? 110 : velocities[i % velocities.size()];
        timed.push_back({ticks[i], static_cast<std::uint32_t>(std::clamp(velocity, 1, 127))});
        timed.push_back({ticks[i] + 30, 0}); // released 40 ms later
    }
    std::stable_sort(timed.begin(), timed.end(),
                     [](const Timed& a, const Timed& b) { return a.tick < b.tick; });
    std::vector<midi::StreamEvent> events;
    std::uint32_t previous = 0;
    for (const Timed& t : timed) {
        events.push_back({t.tick - previous, 0, 0x99u | kHandClap << 8 | t.velocity << 16});
        previous = t.tick;
    }
    midi::RenderOptions options;
    options.sampleRate = kRate;
    options.ticksPerQuarter = kTicksPerQuarter;
    options.microsecondsPerQuarter = 500000;
    options.tailSeconds = tailMs / 1000.0;
    std::vector<float> stereo;
    if (midi::renderStream(events, options, stereo) != midi::Ok)
        return {};
    std::vector<float> mono(stereo.size() / 2);
    for (std::size_t i = 0; i < mono.size(); ++i)
        mono[i] = 0.5f * (stereo[2 * i] + stereo[2 * i + 1]);
    return mono;
}

// Where the synthesizer's clap begins after its tick, in frames: found once on a lone clap.
long clapDelayFrames() {
    static const long delay = [] {
        const std::uint32_t tick = 30;
        const std::vector<float> lone = renderedClaps({tick}, {127}, 100);
        float loudest = 0;
        for (float s : lone)
            loudest = std::max(loudest, std::fabs(s));
        // Where it rises out of the synthesizer's faint lead-in.
        const long first = midi::firstNonSilentFrame(lone, 1, 0.05f * loudest);
        return first < 0 ? 0 : first - static_cast<long>(tick * kTickMs * kRate / 1000.0);
    }();
    return delay;
}

void addClap(std::vector<float>& out, std::size_t at, double peak, std::mt19937_64& random) {
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::uniform_real_distribution<double> centre(900, 2200);
    std::uniform_real_distribution<double> decayMs(3, 7);
    BandPass band(centre(random), 0.9);
    const double decay = decayMs(random);
    const double secondAt = 2.5 + 4 * (uniform(random) + 1) / 2; // a second crack, ms
    const std::size_t length = frameAt(120);
    std::vector<double> clap(length);
    for (std::size_t i = 0; i < length; ++i) {
        const double ms = i * 1000.0 / kRate;
        double envelope = (1 - std::exp(-ms / 0.15)) * std::exp(-ms / decay);
        if (ms >= secondAt)
            envelope += 0.5 * std::exp(-(ms - secondAt) / decay);
        envelope += 0.04 * std::exp(-ms / 40); // the room's diffuse tail
        clap[i] = band(uniform(random) * envelope);
    }
    // Two reflections from the walls.
    std::vector<double> echoed = clap;
    for (double delayMs : {9.0 + 6 * (uniform(random) + 1), 21.0 + 8 * (uniform(random) + 1)}) {
        const std::size_t delay = frameAt(delayMs);
        for (std::size_t i = delay; i < length; ++i)
            echoed[i] += 0.3 * clap[i - delay];
    }
    double loudest = 1e-12;
    for (double s : echoed)
        loudest = std::max(loudest, std::fabs(s));
    for (std::size_t i = 0; i < length && at + i < out.size(); ++i)
        out[at + i] += static_cast<float>(echoed[i] * peak / loudest);
}

void scaleToRms(std::vector<double>& signal, double levelDb) {
    double sum = 0;
    for (double s : signal)
        sum += s * s;
    const double rms = std::sqrt(sum / std::max<std::size_t>(signal.size(), 1));
    if (rms <= 0)
        return;
    for (double& s : signal)
        s *= fromDb(levelDb) / rms;
}

void addTo(Recording& recording, const std::vector<double>& signal) {
    for (std::size_t i = 0; i < recording.samples.size() && i < signal.size(); ++i)
        recording.samples[i] += static_cast<float>(signal[i]);
}

} // namespace

Recording ClapRecordings::synthesizerClaps(const std::vector<double>& timesMs,
                                           const std::vector<int>& velocities, double tailMs) {
    std::vector<std::uint32_t> ticks;
    for (double t : timesMs)
        ticks.push_back(static_cast<std::uint32_t>(std::lround(std::max(0.0, t) / kTickMs)));
    Recording recording;
    recording.samples = renderedClaps(ticks, velocities, tailMs);
    if (recording.samples.empty())
        return recording;
    const long delay = clapDelayFrames();
    for (std::uint32_t tick : ticks)
        recording.onsetMs.push_back(tick * kTickMs + delay * 1000.0 / kRate);
    return recording;
}

Recording ClapRecordings::syntheticClaps(const std::vector<double>& timesMs,
                                         std::mt19937_64& random, double quietestDb,
                                         double loudestDb, double tailMs) {
    Recording recording;
    const double end = timesMs.empty() ? 0 : *std::max_element(timesMs.begin(), timesMs.end());
    recording.samples.assign(frameAt(end + tailMs), 0.0f);
    std::uniform_real_distribution<double> loudness(quietestDb, loudestDb);
    for (double t : timesMs) {
        const std::size_t at = frameAt(t);
        addClap(recording.samples, at, fromDb(loudness(random)), random);
        recording.onsetMs.push_back(at * 1000.0 / kRate);
    }
    return recording;
}

void ClapRecordings::addRoomNoise(Recording& recording, double levelDb, std::mt19937_64& random) {
    std::normal_distribution<double> white(0.0, 1.0);
    std::vector<double> noise(recording.samples.size());
    double low = 0;
    for (double& s : noise) {
        low += 0.05 * (white(random) - low); // mostly below a few hundred hertz
        s = low + 0.1 * white(random);
    }
    scaleToRms(noise, levelDb);
    addTo(recording, noise);
}

void ClapRecordings::addHum(Recording& recording, double levelDb) {
    std::vector<double> hum(recording.samples.size());
    for (std::size_t i = 0; i < hum.size(); ++i) {
        const double phase = 2 * std::numbers::pi * 50.0 * i / kRate;
        hum[i] = std::sin(phase) + 0.5 * std::sin(2 * phase) + 0.3 * std::sin(3 * phase) +
                 0.15 * std::sin(5 * phase);
    }
    scaleToRms(hum, levelDb);
    addTo(recording, hum);
}

Recording ClapRecordings::speechLike(double lengthMs, std::mt19937_64& random, double levelDb) {
    struct Vowel {
        double f1, f2, f3;
    };
    constexpr Vowel kVowels[] = {{730, 1090, 2440}, {270, 2290, 3010}, {530, 1840, 2480},
                                 {570, 840, 2410},  {300, 870, 2240},  {660, 1720, 2410}};
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::normal_distribution<double> white(0.0, 1.0);
    const auto between = [&](double low, double high) { return low + (high - low) * unit(random); };
    std::vector<double> voice(frameAt(lengthMs), 0.0);
    double ms = 80;
    while (ms < lengthMs - 350) {
        if (unit(random) < 0.5) { // a hissing consonant first, swelling and fading
            const double length = between(60, 120);
            BandPass hiss(between(3500, 6000), 1.2);
            for (std::size_t i = frameAt(ms); i < frameAt(ms + length) && i < voice.size(); ++i) {
                const double x = (i * 1000.0 / kRate - ms) / length;
                voice[i] += 0.25 * std::sin(std::numbers::pi * x) * hiss(white(random));
            }
            ms += length;
        }
        const Vowel& vowel = kVowels[static_cast<std::size_t>(unit(random) * 6) % 6];
        const double length = between(150, 300), attack = between(40, 70),
                     release = between(60, 100);
        const double pitch = between(110, 200), glide = between(-0.15, 0.15);
        BandPass f1(vowel.f1, 5), f2(vowel.f2, 8), f3(vowel.f3, 12);
        double phase = 0, previous = 0;
        for (std::size_t i = frameAt(ms); i < frameAt(ms + length) && i < voice.size(); ++i) {
            const double x = i * 1000.0 / kRate - ms;
            const double swell =
                x < attack ? 0.5 - 0.5 * std::cos(std::numbers::pi * x / attack)
                : x > length - release
                    ? 0.5 + 0.5 * std::cos(std::numbers::pi * (x - length + release) / release)
                    : 1.0;
            const double f0 = pitch * (1 + glide * x / length) * (1 + 0.01 * white(random));
            phase += f0 / kRate;
            if (phase >= 1)
                phase -= 1;
            // The glottis opens smoothly and closes fast; the lips pass on the change.
            const double flow = phase < 0.6 ? 0.5 - 0.5 * std::cos(std::numbers::pi * phase / 0.6)
                                            : std::cos(std::numbers::pi * (phase - 0.6) / 0.8);
            const double source = std::max(flow, 0.0) - previous;
            previous = std::max(flow, 0.0);
            voice[i] += swell * (f1(source) + 0.5 * f2(source) + 0.25 * f3(source));
        }
        ms += length + between(40, 140);
    }
    double loudest = 1e-12;
    for (double s : voice)
        loudest = std::max(loudest, std::fabs(s));
    Recording recording;
    recording.samples.resize(voice.size());
    for (std::size_t i = 0; i < voice.size(); ++i)
        recording.samples[i] = static_cast<float>(voice[i] * fromDb(levelDb) / loudest);
    return recording;
}

Recording ClapRecordings::silence(double lengthMs) {
    Recording recording;
    recording.samples.assign(frameAt(lengthMs), 0.0f);
    return recording;
}

bool ClapRecordings::writeWav(const Recording& recording, const QString& path) {
    midi::WavData wav;
    wav.sampleRate = recording.sampleRate;
    wav.channels = 1;
    wav.samples = midi::toPcm16(recording.samples);
    return midi::writeWav(path, wav);
}
