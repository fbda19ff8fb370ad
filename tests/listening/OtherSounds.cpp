#include "OtherSounds.h"

#include "Formants.h"
#include "NoiseSource.h"
#include "SyntheticVoice.h"
#include "WavReader.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

namespace recordings {

namespace {

void scaleToRms(std::vector<float>& samples, double rms) {
    double power = 0;
    for (const float s : samples)
        power += double(s) * s;
    const double now = samples.empty() ? 0.0 : std::sqrt(power / double(samples.size()));
    if (now > 0)
        for (float& s : samples)
            s = static_cast<float>(s * rms / now);
}

double smoothStep(double x) {
    x = std::clamp(x, 0.0, 1.0);
    return 0.5 - 0.5 * std::cos(M_PI * x);
}

// One stretch of talk: a syllable's vowel, or the consonant or pause after it.
struct Syllable {
    double start, end; // seconds
    double fromPitch, toPitch;
    char vowel;
};

std::vector<Syllable> talk(double seconds, bool female, NoiseSource& random) {
    std::vector<Syllable> syllables;
    const double base = female ? 55.0 : 45.0; // about 196 Hz and 110 Hz
    double t = 0.1;
    while (t < seconds - 0.4) {
        const int count = 4 + static_cast<int>(random.uniform() * 8);
        const double phraseStart = t;
        for (int i = 0; i < count && t < seconds - 0.3; ++i) {
            const double length = random.between(0.10, 0.24);
            const double declination = -2.5 * (t - phraseStart) / 2.0;
            const double from = base + declination + random.between(-2.0, 3.0);
            const double glide = random.between(1.5, 5.0) * (random.uniform() < 0.5 ? -1 : 1);
            syllables.push_back(
                {t, t + length, from, from + glide, "aeiou"[int(random.uniform() * 5)]});
            t += length + random.between(0.04, 0.10); // the consonant after it
        }
        t += random.between(0.25, 0.5);
    }
    return syllables;
}

} // namespace

std::vector<float> silence(double seconds, int sampleRate) {
    return std::vector<float>(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
}

std::vector<float> roomNoise(double seconds, int sampleRate, double rms, std::uint64_t seed) {
    NoiseSource random(seed);
    std::vector<float> out(static_cast<std::size_t>(seconds * sampleRate));
    // Pink noise by Paul Kellet's filter, a low rumble, and mains hum with two harmonics.
    double b0 = 0, b1 = 0, b2 = 0, rumble = 0;
    const double humPhase = random.between(0, 2 * M_PI);
    for (std::size_t n = 0; n < out.size(); ++n) {
        const double white = random.gaussian();
        b0 = 0.99765 * b0 + white * 0.0990460;
        b1 = 0.96300 * b1 + white * 0.2965164;
        b2 = 0.57000 * b2 + white * 1.0526913;
        const double pink = b0 + b1 + b2 + white * 0.1848;
        rumble = 0.995 * rumble + 0.05 * random.gaussian();
        const double t = double(n) / sampleRate;
        const double hum = 0.08 * std::sin(2 * M_PI * 50 * t + humPhase) +
                           0.04 * std::sin(2 * M_PI * 100 * t) +
                           0.02 * std::sin(2 * M_PI * 150 * t);
        out[n] = static_cast<float>(0.2 * pink + rumble + hum);
    }
    scaleToRms(out, rms);
    return out;
}

std::vector<float> speech(double seconds, int sampleRate, bool female, std::uint64_t seed) {
    NoiseSource random(seed);
    const std::vector<Syllable> syllables = talk(seconds, female, random);
    const auto at = [&syllables](double t) {
        const auto it = std::upper_bound(syllables.begin(), syllables.end(), t,
                                         [](double v, const Syllable& s) { return v < s.start; });
        return it == syllables.begin() ? syllables.begin() : it - 1;
    };
    VoiceSettings settings;
    settings.sampleRate = sampleRate;
    settings.female = female;
    settings.jitter = 0.012;
    settings.shimmer = 0.08;
    settings.breath = 0.12;
    settings.driftCents = 0;
    settings.seed = seed + 1;
    const SyntheticVoice voice(settings);
    std::vector<float> out = voice.voice(
        seconds,
        [&](double t) {
            const Syllable& s = *at(t);
            const double x = std::clamp((t - s.start) / (s.end - s.start), 0.0, 1.0);
            return s.fromPitch + (s.toPitch - s.fromPitch) * x;
        },
        [&](double t) {
            const auto s = at(t);
            const Vowel here = vowel(s->vowel, female);
            if (s == syllables.begin())
                return here;
            // The tongue moves from the last vowel to this one during the first 40 ms.
            return blend(vowel((s - 1)->vowel, female), here, smoothStep((t - s->start) / 0.04));
        },
        [&](double t) {
            const Syllable& s = *at(t);
            return smoothStep((t - s.start) / 0.02) * smoothStep((s.end - t) / 0.03);
        });
    // Consonants: a hiss or a burst of noise in some of the gaps.
    NoiseSource hiss(seed + 2);
    for (std::size_t i = 0; i + 1 < syllables.size(); ++i) {
        if (hiss.uniform() < 0.4)
            continue;
        const auto from = static_cast<std::size_t>(syllables[i].end * sampleRate);
        const auto to =
            std::min(out.size(), static_cast<std::size_t>(syllables[i + 1].start * sampleRate));
        double previous = 0;
        for (std::size_t n = from; n < to; ++n) {
            const double white = hiss.gaussian();
            const double x = double(n - from) / double(std::max<std::size_t>(to - from, 1));
            out[n] += static_cast<float>(0.03 * (white - previous) * std::sin(M_PI * x));
            previous = white;
        }
    }
    return out;
}

std::vector<float> breathing(double seconds, int sampleRate, std::uint64_t seed) {
    NoiseSource random(seed);
    std::vector<float> out(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
    FormantFilter throat(sampleRate);
    double t = random.between(0.1, 0.4);
    bool inhale = true;
    while (t < seconds) {
        const double length = inhale ? random.between(0.8, 1.3) : random.between(1.0, 1.6);
        throat.tune(vowel(inhale ? 'o' : 'a', random.uniform() < 0.5));
        const auto from = static_cast<std::size_t>(t * sampleRate);
        const auto to = std::min(out.size(), static_cast<std::size_t>((t + length) * sampleRate));
        const double loudness = random.between(0.5, 1.0);
        for (std::size_t n = from; n < to; ++n) {
            const double x = double(n - from) / (length * sampleRate);
            const double envelope = std::pow(std::sin(M_PI * x), 2);
            out[n] = static_cast<float>(0.05 * loudness * envelope *
                                        throat.process(static_cast<float>(random.gaussian())));
        }
        t += length + random.between(0.2, 0.5);
        inhale = !inhale;
    }
    return out;
}

std::vector<float> clicks(double seconds, int sampleRate, std::uint64_t seed) {
    NoiseSource random(seed);
    std::vector<float> out(static_cast<std::size_t>(seconds * sampleRate), 0.0f);
    double t = random.between(0.05, 0.3);
    while (t < seconds) {
        const auto from = static_cast<std::size_t>(t * sampleRate);
        const int kind = static_cast<int>(random.uniform() * 4);
        const double size = random.between(0.2, 0.8);
        const double ring = random.between(150, 400); // a knock's pitch, Hz
        const double decay = kind == 2 ? random.between(0.015, 0.04) : random.between(0.001, 0.008);
        const auto length =
            static_cast<std::size_t>((kind == 0 ? 0.0001 : 8 * decay) * sampleRate) + 1;
        for (std::size_t i = 0; i < length && from + i < out.size(); ++i) {
            const double u = double(i) / sampleRate;
            const double fade = std::exp(-u / decay);
            double s = 0;
            if (kind == 0)
                s = 1; // a single-sample click
            else if (kind == 2)
                s = std::sin(2 * M_PI * ring * u); // a knock on a desk
            else
                s = random.gaussian(); // a mouse click or a clap
            out[from + i] += static_cast<float>(size * fade * s);
        }
        t += random.between(0.15, 0.7);
    }
    return out;
}

std::vector<float> slide(double fromPitch, double toPitch, double seconds, int sampleRate,
                         bool female, std::uint64_t seed) {
    VoiceSettings settings;
    settings.sampleRate = sampleRate;
    settings.female = female;
    settings.seed = seed;
    const SyntheticVoice voice(settings);
    const Vowel a = vowel('a', female);
    return voice.voice(
        seconds, [=](double t) { return fromPitch + (toPitch - fromPitch) * t / seconds; },
        [a](double) { return a; },
        [seconds](double t) { return smoothStep(t / 0.03) * smoothStep((seconds - t) / 0.03); });
}

Spoken spokenByEspeak(const QString& text, const QString& voice) {
    Spoken spoken;
    const QString program = QStandardPaths::findExecutable(QStringLiteral("espeak-ng"));
    QTemporaryDir dir;
    if (program.isEmpty() || !dir.isValid())
        return spoken;
    const QString path = dir.filePath(QStringLiteral("speech.wav"));
    QProcess espeak;
    espeak.start(program, {QStringLiteral("-v"), voice, QStringLiteral("-w"), path, text});
    if (!espeak.waitForFinished(30000) || espeak.exitCode() != 0)
        return spoken;
    midi::WavReader reader;
    if (!reader.open(path))
        return spoken;
    std::vector<float> interleaved;
    const int channels = reader.format().channels;
    while (reader.read(4096, interleaved) > 0)
        for (std::size_t i = 0; i < interleaved.size(); i += static_cast<std::size_t>(channels))
            spoken.samples.push_back(interleaved[i]);
    spoken.sampleRate = reader.format().sampleRate;
    return spoken;
}

} // namespace recordings
