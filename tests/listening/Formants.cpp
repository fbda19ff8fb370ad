#include "Formants.h"

#include <cmath>

namespace recordings {

Vowel vowel(char name, bool female) {
    // Average formants of English vowels (Peterson and Barney), men and women.
    switch (name) {
    case 'e':
        return female ? Vowel{{610, 2330, 2990, 4000}, {70, 100, 150, 200}}
                      : Vowel{{530, 1840, 2480, 3500}, {60, 90, 120, 150}};
    case 'i':
        return female ? Vowel{{310, 2790, 3310, 4200}, {50, 100, 150, 200}}
                      : Vowel{{270, 2290, 3010, 3700}, {50, 90, 120, 150}};
    case 'o':
        return female ? Vowel{{590, 920, 2710, 3900}, {70, 90, 150, 200}}
                      : Vowel{{570, 840, 2410, 3400}, {60, 80, 120, 150}};
    case 'u':
        return female ? Vowel{{370, 950, 2670, 3900}, {50, 90, 150, 200}}
                      : Vowel{{300, 870, 2240, 3400}, {50, 80, 120, 150}};
    default:
        return female ? Vowel{{850, 1220, 2810, 4000}, {80, 100, 150, 200}}
                      : Vowel{{730, 1090, 2440, 3400}, {70, 90, 120, 150}};
    }
}

Vowel blend(const Vowel& from, const Vowel& to, double mix) {
    Vowel v{};
    for (std::size_t i = 0; i < 4; ++i) {
        v.frequencies[i] = from.frequencies[i] + (to.frequencies[i] - from.frequencies[i]) * mix;
        v.bandwidths[i] = from.bandwidths[i] + (to.bandwidths[i] - from.bandwidths[i]) * mix;
    }
    return v;
}

void FormantFilter::tune(const Vowel& vowel) {
    const double period = 1.0 / sampleRate_;
    for (std::size_t i = 0; i < stages_.size(); ++i) {
        const double f = std::min(vowel.frequencies[i], 0.45 * sampleRate_);
        Resonator& r = stages_[i];
        r.c = -std::exp(-2 * M_PI * vowel.bandwidths[i] * period);
        r.b = 2 * std::exp(-M_PI * vowel.bandwidths[i] * period) * std::cos(2 * M_PI * f * period);
        r.a = 1 - r.b - r.c;
    }
}

float FormantFilter::process(float x) {
    double y = x;
    for (Resonator& r : stages_) {
        const double out = r.a * y + r.b * r.y1 + r.c * r.y2;
        r.y2 = r.y1;
        r.y1 = out;
        y = out;
    }
    return static_cast<float>(y);
}

} // namespace recordings
