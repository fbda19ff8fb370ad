// Stream playback on the built-in device, with the synthesizer silent (timed, not heard).
#include "BuiltinSynth.h"
#include "MidiDevices.h"
#include "MidiResult.h"
#include "MidiStream.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"

#include <gtest/gtest.h>

using midi::StreamEvent;
using midi::StreamNotice;
using miditest::drum;
using miditest::NoticeLog;
using miditest::waitFor;

namespace {

std::unique_ptr<midi::MidiStream> openStream(NoticeLog& log) {
    int result = -1;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    EXPECT_EQ(result, midi::Ok);
    EXPECT_TRUE(stream);
    if (stream) {
        EXPECT_EQ(stream->setTimeDivision(50), midi::Ok);
    }
    return stream;
}

} // namespace

TEST(StreamPlayback, NoticesComeInOrderOnTheEventLoop) {
    NoticeLog log;
    auto stream = openStream(log);
    // Notices never arrive from inside a call, only through the event loop.
    EXPECT_TRUE(log.notices.empty());
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Open) == 1; }));

    std::vector<StreamEvent> events{
        {0, 0, 0xB9u | 121u << 8 | midi::EventCallback}, drum(0, 64), drum(5, 64, 0)};
    ASSERT_EQ(stream->queue(events.data(), events.size()), midi::Ok);
    ASSERT_EQ(stream->restart(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 1; }));
    EXPECT_EQ(stream->close(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Close) == 1; }));

    const std::vector<StreamNotice> expected{StreamNotice::Open, StreamNotice::Position,
                                             StreamNotice::Done, StreamNotice::Close};
    EXPECT_EQ(log.notices, expected);
    EXPECT_EQ(stream->queue(events.data(), events.size()), midi::InvalidHandle);
}

TEST(StreamPlayback, StopReturnsEveryQueuedBufferAndSilencesTheRest) {
    NoticeLog log;
    auto stream = openStream(log);
    // Ten seconds of notes: stopped long before the end.
    std::vector<StreamEvent> first{drum(0, 64), drum(500, 64)};
    std::vector<StreamEvent> second{drum(500, 63)};
    stream->queue(first.data(), first.size());
    stream->queue(second.data(), second.size());
    stream->restart();
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Open) == 1; }));
    EXPECT_EQ(stream->close(), midi::StillPlaying);

    const auto stopped = std::chrono::steady_clock::now();
    EXPECT_EQ(stream->stop(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 2; }));
    EXPECT_LT(std::chrono::steady_clock::now() - stopped, std::chrono::seconds(4));
    EXPECT_EQ(stream->positionTicks(), 0u);
    EXPECT_EQ(stream->close(), midi::Ok);
}

TEST(StreamPlayback, ReQueueingOnDoneLoopsTheBuffer) {
    NoticeLog log;
    std::unique_ptr<midi::MidiStream> stream;
    std::vector<StreamEvent> events{drum(0, 64), drum(2, 64, 0)};
    int loopsLeft = 3;
    int result = -1;
    stream = midi::MidiStream::open(
        midi::DefaultDevice,
        [&](StreamNotice notice) {
            log.notices.push_back(notice);
            if (notice == StreamNotice::Done && --loopsLeft > 0) {
                stream->queue(events.data(), events.size());
                stream->restart();
            }
        },
        result);
    ASSERT_EQ(result, midi::Ok);
    stream->setTimeDivision(50);
    stream->queue(events.data(), events.size());
    stream->restart();
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 3; }));
    EXPECT_EQ(loopsLeft, 0);
    EXPECT_EQ(stream->positionTicks(), 6u);
}

TEST(StreamPlayback, EventsWaitForTheirTime) {
    NoticeLog log;
    auto stream = openStream(log);
    // 20 ticks of 10 ms: the buffer cannot come back before 200 ms have passed.
    std::vector<StreamEvent> events{drum(0, 64), drum(20, 64, 0)};
    stream->queue(events.data(), events.size());
    const auto started = std::chrono::steady_clock::now();
    stream->restart();
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 1; }));
    EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(195));
}

TEST(StreamPlayback, AnEmptyBufferComesBackAtOnce) {
    NoticeLog log;
    auto stream = openStream(log);
    stream->queue(nullptr, 0);
    stream->restart();
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 1; }));
    EXPECT_EQ(stream->queue(nullptr, 3), midi::InvalidParam);
}

TEST(StreamPlayback, DestroyingAStreamDropsItsPendingNotices) {
    NoticeLog log;
    {
        auto stream = openStream(log);
        std::vector<StreamEvent> events{drum(0, 64)};
        stream->queue(events.data(), events.size());
        stream->restart();
    }
    QCoreApplication::processEvents();
    waitFor([] { return false; }, std::chrono::milliseconds(50));
    EXPECT_TRUE(log.notices.empty());
}

TEST(Devices, TheBuiltinSynthesizerIsTheDefaultAndTheFirstDevice) {
    ASSERT_GE(midi::deviceCount(), 1);
    midi::DeviceCaps byDefault, first;
    EXPECT_EQ(midi::deviceCaps(midi::DefaultDevice, byDefault), midi::Ok);
    EXPECT_EQ(midi::deviceCaps(0, first), midi::Ok);
    EXPECT_EQ(byDefault.productName, midi::builtinProductName());
    EXPECT_EQ(first.productName, midi::builtinProductName());
    EXPECT_EQ(first.technology, midi::TechnologySoftwareSynth);
    EXPECT_EQ(midi::deviceNames().size(), midi::deviceCount());

    midi::DeviceCaps none;
    EXPECT_EQ(midi::deviceCaps(midi::deviceCount(), none), midi::BadDeviceId);
    EXPECT_EQ(midi::deviceCaps(-2, none), midi::BadDeviceId);
    int result = -1;
    EXPECT_FALSE(midi::OutputPort::open(midi::deviceCount(), result));
    EXPECT_EQ(result, midi::BadDeviceId);
    EXPECT_FALSE(midi::MidiStream::open(-5, nullptr, result));
    EXPECT_EQ(result, midi::BadDeviceId);
}

TEST(Devices, EveryResultCodeHasAText) {
    for (int code : {midi::Ok, midi::Error, midi::BadDeviceId, midi::Allocated, midi::InvalidHandle,
                     midi::NoDriver, midi::NotSupported, midi::InvalidParam, midi::StillPlaying,
                     midi::NoSoundFont, midi::NoAudioOutput, midi::QueueFull})
        EXPECT_TRUE(midi::errorText(code).has_value()) << code;
    EXPECT_FALSE(midi::errorText(12345).has_value());
}

TEST(OutputPortTest, ShortAndLongMessagesAndReset) {
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    EXPECT_EQ(port->sendShort(0x7F3C90), midi::Ok);
    EXPECT_EQ(port->sendShort(0x3C), midi::InvalidParam); // no status byte
    bool done = false;
    const QByteArray gmOn("\xF0\x7E\x7F\x09\x01\xF7", 6);
    EXPECT_EQ(port->sendLong(gmOn, [&] { done = true; }), midi::Ok);
    EXPECT_FALSE(done); // only through the event loop
    EXPECT_TRUE(waitFor([&] { return done; }));
    EXPECT_EQ(port->sendLong(QByteArray(), nullptr), midi::InvalidParam);
    EXPECT_EQ(port->reset(), midi::Ok);
}

MIDI_TEST_MAIN({
    midi::SynthOptions options;
    options.output = midi::AudioOutput::Silent;
    midi::configureBuiltinSynth(options);
})
