#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace recordings {

// Sounds a microphone hears besides singing, none of which is a sung note. Mono, -1 to 1.

// Nothing at all.
std::vector<float> silence(double seconds, int sampleRate);
// A room: pink noise, a fan's rumble and a faint mains hum, at `rms`.
std::vector<float> roomNoise(double seconds, int sampleRate, double rms, std::uint64_t seed);
// Speech-like sound: a synthetic voice talking in syllables, its pitch gliding within each
// one and falling over each phrase, its vowels changing, with consonants and pauses between.
std::vector<float> speech(double seconds, int sampleRate, bool female, std::uint64_t seed);
// Breathing in and out near the microphone.
std::vector<float> breathing(double seconds, int sampleRate, std::uint64_t seed);
// Clicks, taps, knocks on a desk and claps, at uneven times.
std::vector<float> clicks(double seconds, int sampleRate, std::uint64_t seed);
// A voice sliding from one pitch to another (MIDI) over `seconds`, holding neither.
std::vector<float> slide(double fromPitch, double toPitch, double seconds, int sampleRate,
                         bool female, std::uint64_t seed);

// Real speech synthesis: the text spoken by espeak-ng at its own sample rate; nothing when the
// program is not installed.
struct Spoken {
    std::vector<float> samples;
    int sampleRate = 0;
};
Spoken spokenByEspeak(const QString& text, const QString& voice = QStringLiteral("en"));

} // namespace recordings
