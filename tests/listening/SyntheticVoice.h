#pragma once

#include "Formants.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace recordings {

// How a synthetic singer or speaker sounds.
struct VoiceSettings {
    int sampleRate = 48000;
    bool female = false;
    double jitter = 0.006;   // the spread of each period's length, relative
    double shimmer = 0.05;   // the spread of each period's loudness, relative
    double breath = 0.08;    // aspiration noise beside the voice, relative
    double vibratoCents = 0; // the vibrato's extent either way
    double vibratoHz = 5.5;
    double vibratoOnsetMs = 200; // the vibrato grows in over this long, as a singer's does
    double driftCents = 3;       // a slow wandering of the pitch
    double attackMs = 40;
    double releaseMs = 60;
    double rms = 0.1; // the loudness of the full voice (-20 dB below full scale)
    std::uint64_t seed = 1;
};

// A voice made the way a throat makes one: a train of glottal pulses (Rosenberg's shape), each
// period a little longer or shorter and louder or softer than the last, with breath noise,
// through the four formants of a vowel.
class SyntheticVoice {
public:
    using Contour = std::function<double(double seconds)>;
    using VowelContour = std::function<Vowel(double seconds)>;

    explicit SyntheticVoice(VoiceSettings settings) : settings_(settings) {}

    // A note held on one vowel: `pitch` is a MIDI pitch with its fraction (60.2: middle C and 20
    // cents), with the settings' vibrato and drift around it.
    std::vector<float> note(double pitch, char vowelName, double seconds) const;

    // Anything a voice does: the pitch (MIDI), the vowel and the loudness (0 to 1) follow their
    // contours over `seconds`. The vibrato and drift are added to the pitch.
    std::vector<float> voice(double seconds, const Contour& pitch, const VowelContour& vowel,
                             const Contour& loudness) const;

private:
    VoiceSettings settings_;
};

} // namespace recordings
