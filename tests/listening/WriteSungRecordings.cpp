// write_sung_recordings FOLDER: the sung notes the golden transcripts of Tonewise sing
// (tests/transcripts/tonewise/sung/), made by the synthetic throat with vibrato, jitter and
// breath, at 16 kHz so that they stay small. The same files every time; written anew only when
// the recordings are to change.
#include "SyntheticVoice.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>

namespace {

struct Sung {
    const char* file;
    double pitch; // MIDI, with its fraction
    bool female;
    char vowel;
    double seconds;
};

// Notes of C major in a tenor's octave, the same pitches sung by a bass an octave lower and by a
// soprano an octave higher, and a note sung a little flat.
constexpr Sung Recordings[] = {
    {"tenor_c3.wav", 60, false, 'a', 0.9},  {"tenor_d3.wav", 62, false, 'a', 0.9},
    {"tenor_e3.wav", 64, false, 'o', 0.9},  {"tenor_f3.wav", 65, false, 'a', 0.9},
    {"tenor_g3.wav", 67, false, 'o', 0.9},  {"tenor_a3.wav", 69, false, 'a', 0.9},
    {"tenor_b3.wav", 71, false, 'o', 0.9},  {"bass_e2.wav", 52, false, 'o', 0.9},
    {"bass_g2.wav", 55, false, 'a', 0.9},   {"soprano_c4.wav", 72, true, 'a', 0.9},
    {"soprano_e4.wav", 76, true, 'i', 0.9}, {"tenor_g3_flat.wav", 66.75, false, 'a', 0.9},
};

bool write(const QString& path, const std::vector<float>& sound, int rate) {
    midi::WavData wav;
    wav.sampleRate = rate;
    wav.channels = 1;
    wav.samples.reserve(sound.size());
    for (float s : sound)
        wav.samples.push_back(
            static_cast<int16_t>(std::lround(std::clamp(s, -1.0f, 1.0f) * 32767.0f)));
    return midi::writeWav(path, wav);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2 || args[1].startsWith(QLatin1Char('-'))) {
        err << "usage: write_sung_recordings FOLDER\n";
        return args.size() == 2 && args[1] == QLatin1String("--help") ? 0 : 2;
    }
    QDir().mkpath(args[1]);
    constexpr int Rate = 16000;
    std::uint64_t seed = 1;
    for (const Sung& sung : Recordings) {
        recordings::VoiceSettings settings;
        settings.sampleRate = Rate;
        settings.female = sung.female;
        settings.vibratoCents = 30;
        settings.seed = seed++;
        // Silence around the note, as a microphone hears it before and after.
        std::vector<float> sound(Rate / 5, 0.0f);
        const std::vector<float> note =
            recordings::SyntheticVoice(settings).note(sung.pitch, sung.vowel, sung.seconds);
        sound.insert(sound.end(), note.begin(), note.end());
        sound.resize(sound.size() + Rate / 5, 0.0f);
        if (!write(QDir(args[1]).filePath(QString::fromLatin1(sung.file)), sound, Rate)) {
            err << "cannot write " << sung.file << "\n";
            return 1;
        }
    }
    return 0;
}
