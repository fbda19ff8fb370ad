#pragma once

#include <QString>

#include <random>
#include <vector>

// Recordings of claps made for the tests, by code: the same seed gives the same sound.
struct Recording {
    int sampleRate = 48000;
    std::vector<float> samples;  // mono, -1..1
    std::vector<double> onsetMs; // where each clap's sound begins

    double lengthMs() const { return samples.size() * 1000.0 / sampleRate; }
};

class ClapRecordings {
public:
    // The built-in synthesizer's hand clap (percussion key 39) at each time, each as loud as
    // `velocities` says (cycled), followed by `tailMs` of its ring. Empty when the synthesizer
    // cannot render.
    static Recording synthesizerClaps(const std::vector<double>& timesMs,
                                      const std::vector<int>& velocities, double tailMs = 600);

    // Hand claps made of noise: a crack of band-limited noise a few milliseconds long, a couple
    // of reflections from the walls and a short diffuse tail; each clap between `quietestDb` and
    // `loudestDb` (peak, below full scale).
    static Recording syntheticClaps(const std::vector<double>& timesMs, std::mt19937_64& random,
                                    double quietestDb = -24, double loudestDb = -6,
                                    double tailMs = 600);

    // A room: low, broad noise at `levelDb` (RMS below full scale), added to the recording.
    static void addRoomNoise(Recording& recording, double levelDb, std::mt19937_64& random);
    // Mains hum at 50 Hz with its first harmonics, at `levelDb`.
    static void addHum(Recording& recording, double levelDb);

    // Someone speaking: voiced syllables with slowly moving vowels and pitch, and soft hissing
    // consonants between them, about four syllables a second, peaks near `levelDb`.
    static Recording speechLike(double lengthMs, std::mt19937_64& random, double levelDb = -8);
    static Recording silence(double lengthMs);

    // 16-bit mono WAV, as a microphone recording would be stored.
    static bool writeWav(const Recording& recording, const QString& path);
};
