// Without an audio output the program keeps working: streams are timed, messages are
// accepted, and the reason is reported once.
#include "BuiltinSynth.h"
#include "MidiDevices.h"
#include "MidiResult.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"

#include <gtest/gtest.h>

using miditest::waitFor;

TEST(NoAudioOutput, IsReportedOnceAndPlaybackStillRuns) {
    midi::SynthStatus& status = midi::SynthStatus::instance();
    int reports = 0;
    QString reason;
    QObject::connect(&status, &midi::SynthStatus::soundUnavailable, [&](const QString& text) {
        ++reports;
        reason = text;
    });
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(waitFor([&] { return status.ready(); }));
    EXPECT_EQ(reports, 1);
    EXPECT_TRUE(reason.contains("No audio output")) << reason.toStdString();
    EXPECT_EQ(status.unavailableReason(), reason);

    EXPECT_TRUE(miditest::builtinDeviceStillWorks());
    EXPECT_EQ(reports, 1);
}

MIDI_TEST_MAIN({
    midi::SynthOptions options;
    options.output = midi::AudioOutput::Device;
    options.audioDrivers = QStringList{"no-such-driver"};
    midi::configureBuiltinSynth(options);
})
