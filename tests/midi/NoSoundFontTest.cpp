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

    EXPECT_TRUE(miditest::builtinDeviceStillWorks());

    // The recording goes on, silent.
    waitFor([] { return false; }, std::chrono::milliseconds(400));
    midi::WavData wav;
    ASSERT_TRUE(midi::readWav(audioPath(), wav));
    EXPECT_GT(wav.frames(), 0u);
    EXPECT_TRUE(
        std::all_of(wav.samples.begin(), wav.samples.end(), [](int16_t s) { return s == 0; }));
    QFile::remove(audioPath());
}

MIDI_TEST_MAIN(miditest::recordBuiltinSynthInto(audioPath(),
                                                QStringLiteral("/nonexistent/none.sf2")))
