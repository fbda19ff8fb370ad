// The MIDI output device playing through the built-in synthesizer, recorded to a file:
// A4 sounds at 440 Hz.
#include "BuiltinSynth.h"
#include "MidiOut.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString audioPath() {
    return QDir::temp().filePath(
        QStringLiteral("midiout-sound-%1.wav").arg(QCoreApplication::applicationPid()));
}

void pause(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(2);
    }
}

// The fundamental frequency of a mono signal by the normalised difference function (the
// first clear dip, so strong overtones do not fool it).
double fundamental(const std::vector<float>& x, int rate) {
    const int minLag = rate / 2000, maxLag = rate / 50;
    const size_t window = static_cast<size_t>(rate / 10);
    std::vector<double> d(maxLag + 1, 0.0);
    for (int lag = 1; lag <= maxLag; ++lag)
        for (size_t i = 0; i < window; ++i) {
            const double diff = x[i] - x[i + lag];
            d[lag] += diff * diff;
        }
    double running = 0;
    for (int lag = 1; lag <= maxLag; ++lag) {
        running += d[lag];
        const double normalised = d[lag] * lag / running;
        if (lag >= minLag && normalised < 0.2) {
            while (lag < maxLag && d[lag + 1] < d[lag])
                ++lag;
            return double(rate) / lag;
        }
    }
    return 0;
}

} // namespace

TEST(MidiOutputSound, ANoteOnTheBuiltinSynthesizerSoundsAtItsPitch) {
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(30)));
    TMidiOutput output;
    output.SetDeviceID(-1);
    output.OpenDevice();
    const auto sent = std::chrono::steady_clock::now();
    output.SendShortMessage(0xC0, 0, 0);   // piano
    output.SendShortMessage(144, 69, 127); // A4
    pause(600);
    output.SendShortMessage(128, 69, 127);
    pause(400);
    output.CloseDevice();

    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(audioPath(), wav));
    const double sentAt =
        std::chrono::duration<double>(sent - midi::builtinSynthClockStart()).count();
    // 0.2 s into the note: past the attack, still sounding.
    const size_t from = static_cast<size_t>((sentAt + 0.2) * wav.sampleRate);
    ASSERT_GT(wav.frames(), from + wav.sampleRate / 5);
    std::vector<float> mono;
    for (size_t i = from; i < from + wav.sampleRate / 5; ++i)
        mono.push_back(wav.samples[2 * i] + wav.samples[2 * i + 1]);
    EXPECT_NEAR(fundamental(mono, wav.sampleRate), 440.0, 4.0);
    QFile::remove(audioPath());
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = audioPath();
    midi::configureBuiltinSynth(options);
    midi::warmUpBuiltinSynth();
    return RUN_ALL_TESTS();
}
