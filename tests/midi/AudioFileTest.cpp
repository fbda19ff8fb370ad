// The built-in synthesizer playing into a WAV file in real time (--audio-file).
#include "BuiltinSynth.h"
#include "MidiDevices.h"
#include "MidiResult.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"
#include "WavFile.h"

#include <QDir>
#include <gtest/gtest.h>

using miditest::waitFor;

namespace {
QString audioPath() {
    return QDir::temp().filePath(
        QStringLiteral("audio-file-%1.wav").arg(QCoreApplication::applicationPid()));
}

void pause(int ms) {
    waitFor([] { return false; }, std::chrono::milliseconds(ms));
}
} // namespace

TEST(AudioFile, RecordsWhatIsPlayedAndNothingBeforeIt) {
    midi::SynthStatus& status = midi::SynthStatus::instance();
    int reports = 0;
    QObject::connect(&status, &midi::SynthStatus::soundUnavailable, [&] { ++reports; });
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    pause(100);

    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(port->sendShort(0x7F4099), midi::Ok); // Low Conga on the drum channel
    pause(300);
    ASSERT_EQ(port->sendShort(0x004099), midi::Ok);

    miditest::NoticeLog log;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    ASSERT_TRUE(stream);
    stream->setTimeDivision(50);
    std::vector<midi::StreamEvent> events{miditest::drum(0, 50), miditest::drum(10, 50, 0)};
    stream->queue(events.data(), events.size());
    stream->restart();
    ASSERT_TRUE(waitFor([&] { return log.count(midi::StreamNotice::Done) == 1; }));
    pause(400); // the header is brought up to date four times a second

    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(audioPath(), wav));
    EXPECT_EQ(wav.sampleRate, 48000);
    std::vector<float> samples(wav.samples.begin(), wav.samples.end());
    const long first = midi::firstNonSilentFrame(samples, 2, 0.5f);
    ASSERT_GE(first, 0) << "nothing was recorded";
    const double sentFrame =
        std::chrono::duration<double>(sent - midi::builtinSynthClockStart()).count() *
        wav.sampleRate;
    EXPECT_GE(first, static_cast<long>(sentFrame) - 64) << "sound before the note was sent";
    EXPECT_EQ(reports, 0);
    QFile::remove(audioPath());
}

MIDI_TEST_MAIN(miditest::recordBuiltinSynthInto(audioPath()))
