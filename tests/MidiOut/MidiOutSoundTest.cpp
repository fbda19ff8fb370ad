// The MIDI output device playing through the built-in synthesizer, recorded to a file:
// A4 sounds at 440 Hz.
#include "BuiltinSynth.h"
#include "MidiOut.h"
#include "PitchEstimate.h"
#include "SoundTestSupport.h"
#include "WavFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>

TEST(MidiOutputSound, ANoteOnTheBuiltinSynthesizerSoundsAtItsPitch) {
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(30)));
    TMidiOutput output;
    output.SetDeviceID(-1);
    output.OpenDevice();
    const auto sent = std::chrono::steady_clock::now();
    output.SendShortMessage(0xC0, 0, 0);   // piano
    output.SendShortMessage(144, 69, 127); // A4
    soundtest::pause(600);
    output.SendShortMessage(128, 69, 127);
    soundtest::pause(400);
    output.CloseDevice();

    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(soundtest::audioPath(QStringLiteral("midiout-sound")), wav));
    const double sentAt =
        std::chrono::duration<double>(sent - midi::builtinSynthClockStart()).count();
    // 0.2 s into the note: past the attack, still sounding.
    const size_t from = static_cast<size_t>((sentAt + 0.2) * wav.sampleRate);
    ASSERT_GT(wav.frames(), from + wav.sampleRate / 5);
    std::vector<float> mono;
    for (size_t i = from; i < from + wav.sampleRate / 5; ++i)
        mono.push_back(wav.samples[2 * i] + wav.samples[2 * i + 1]);
    EXPECT_NEAR(fundamentalFrequency(mono, wav.sampleRate), 440.0, 4.0);
    QFile::remove(soundtest::audioPath(QStringLiteral("midiout-sound")));
}

int main(int argc, char** argv) {
    return soundtest::runRecording(argc, argv, QStringLiteral("midiout-sound"));
}
