// Without a SoundFont the program keeps working and tells which package to install.
#include "BuiltinSynth.h"
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
        QStringLiteral("no-soundfont-%1.wav").arg(QCoreApplication::applicationPid()));
}
} // namespace

TEST(NoSoundFont, IsReportedWithThePackageToInstall) {
    midi::SynthStatus& status = midi::SynthStatus::instance();
    QString reason;
    int reports = 0;
    QObject::connect(&status, &midi::SynthStatus::soundUnavailable, [&](const QString& text) {
        ++reports;
        reason = text;
    });
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(waitFor([&] { return status.ready(); }));
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(reason.contains("fluid-soundfont-gm")) << reason.toStdString();

    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->sendShort(0x7F3C99), midi::Ok);

    miditest::NoticeLog log;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    ASSERT_TRUE(stream);
    stream->setTimeDivision(50);
    std::vector<midi::StreamEvent> events{miditest::drum(0, 64), miditest::drum(3, 64, 0)};
    stream->queue(events.data(), events.size());
    stream->restart();
    EXPECT_TRUE(waitFor([&] { return log.count(midi::StreamNotice::Done) == 1; }));

    // The recording goes on, silent.
    waitFor([] { return false; }, std::chrono::milliseconds(400));
    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(audioPath(), wav));
    EXPECT_GT(wav.frames(), 0u);
    EXPECT_TRUE(
        std::all_of(wav.samples.begin(), wav.samples.end(), [](int16_t s) { return s == 0; }));
    QFile::remove(audioPath());
}

MIDI_TEST_MAIN({
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = audioPath();
    options.soundFont = "/nonexistent/none.sf2";
    midi::configureBuiltinSynth(options);
})
