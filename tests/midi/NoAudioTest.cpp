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

    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->sendShort(0x7F3C90), midi::Ok);

    miditest::NoticeLog log;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    ASSERT_TRUE(stream);
    stream->setTimeDivision(50);
    std::vector<midi::StreamEvent> events{miditest::drum(0, 64), miditest::drum(3, 64, 0)};
    stream->queue(events.data(), events.size());
    stream->restart();
    EXPECT_TRUE(waitFor([&] { return log.count(midi::StreamNotice::Done) == 1; }));
    EXPECT_EQ(reports, 1);
}

MIDI_TEST_MAIN({
    midi::SynthOptions options;
    options.output = midi::AudioOutput::Device;
    options.audioDrivers = QStringList{"no-such-driver"};
    midi::configureBuiltinSynth(options);
})
