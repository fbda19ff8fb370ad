#pragma once

#include <array>

namespace recordings {

// The resonances of the vocal tract for one vowel: frequencies and bandwidths in Hz.
struct Vowel {
    std::array<double, 4> frequencies;
    std::array<double, 4> bandwidths;
};

// The vowels "a", "e", "i", "o", "u" of a man's voice (`female` false) or a woman's.
Vowel vowel(char name, bool female);
// Between two vowels: `mix` 0 is `from`, 1 is `to`.
Vowel blend(const Vowel& from, const Vowel& to, double mix);

// A cascade of four two-pole resonators, one per formant, whose tuning can change while it runs.
class FormantFilter {
public:
    explicit FormantFilter(int sampleRate) : sampleRate_(sampleRate) {}
    void tune(const Vowel& vowel);
    float process(float x);

private:
    struct Resonator {
        double a = 1, b = 0, c = 0, y1 = 0, y2 = 0;
    };
    int sampleRate_;
    std::array<Resonator, 4> stages_;
};

} // namespace recordings
