// Messages sent faster than the audio thread takes them (here: while the SoundFont is still
// loading and nothing plays yet) are refused with QueueFull; the caller never waits.
#include "BuiltinSynth.h"
#include "MidiDevices.h"
#include "MidiResult.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

using miditest::waitFor;

namespace {
QString audioPath() {
    return QDir::temp().filePath(
        QStringLiteral("queue-full-%1.wav").arg(QCoreApplication::applicationPid()));
}
} // namespace

TEST(QueueFull, MessagesBeyondTheQueueAreRefusedAndAcceptedAgainOnceItDrains) {
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < 2000; ++i) {
        const int sent = port->sendShort(0x000B0u | 7u << 8 | 100u << 16); // channel volume
        ASSERT_TRUE(sent == midi::Ok || sent == midi::QueueFull) << sent;
        (sent == midi::Ok ? accepted : refused) += 1;
    }
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);

    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    EXPECT_TRUE(waitFor([&] { return port->sendShort(0x7F4099) == midi::Ok; }));
    EXPECT_TRUE(waitFor([&] { return port->sendShort(0x004099) == midi::Ok; }));
    EXPECT_TRUE(miditest::builtinDeviceStillWorks());
    QFile::remove(audioPath());
}

MIDI_TEST_MAIN(miditest::recordBuiltinSynthInto(audioPath()))
