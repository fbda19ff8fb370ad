// Requests travel to the audio thread as commands and notices come back through a queue:
// what the caller sees must stay exactly as if the calls acted at once.
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

std::unique_ptr<midi::MidiStream> openStream(NoticeLog& log, int& result) {
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    if (stream)
        stream->setTimeDivision(50);
    return stream;
}

// Five seconds of notes: still playing when the test stops it.
const std::vector<StreamEvent> longBuffer{drum(0, 64), drum(500, 64)};

} // namespace

TEST(CommandPath, AFullStreamRefusesTheNextBufferAndStopReturnsTheRestInOrder) {
    NoticeLog log;
    int result = -1;
    auto stream = openStream(log, result);
    ASSERT_EQ(result, midi::Ok);
    int accepted = 0;
    int refused = 0;
    for (int i = 0; i < 20; ++i) {
        const int queued = stream->queue(longBuffer.data(), longBuffer.size());
        ASSERT_TRUE(queued == midi::Ok || queued == midi::QueueFull) << queued;
        (queued == midi::Ok ? accepted : refused) += 1;
    }
    EXPECT_EQ(accepted, 16);
    EXPECT_EQ(refused, 4);
    EXPECT_TRUE(midi::errorText(midi::QueueFull).has_value());

    ASSERT_EQ(stream->restart(), midi::Ok);
    EXPECT_EQ(stream->close(), midi::StillPlaying);
    ASSERT_EQ(stream->stop(), midi::Ok);
    // Stopped buffers count as returned at once; their notices follow through the queue.
    EXPECT_EQ(stream->close(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Close) == 1; }));
    std::vector<StreamNotice> expected{StreamNotice::Open};
    expected.insert(expected.end(), 16, StreamNotice::Done);
    expected.push_back(StreamNotice::Close);
    EXPECT_EQ(log.notices, expected);
}

TEST(CommandPath, AfterAStopTheStreamStartsAfreshAtPositionZero) {
    NoticeLog log;
    int result = -1;
    auto stream = openStream(log, result);
    ASSERT_EQ(result, midi::Ok);
    ASSERT_EQ(stream->queue(longBuffer.data(), longBuffer.size()), midi::Ok);
    ASSERT_EQ(stream->restart(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Open) == 1; }));
    ASSERT_EQ(stream->stop(), midi::Ok);
    EXPECT_EQ(stream->positionTicks(), 0u);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 1; }));
    EXPECT_EQ(stream->positionTicks(), 0u);

    // Queued while stopped: nothing plays until the restart.
    const std::vector<StreamEvent> shortBuffer{drum(0, 64), drum(3, 64, 0)};
    ASSERT_EQ(stream->queue(shortBuffer.data(), shortBuffer.size()), midi::Ok);
    EXPECT_FALSE(waitFor([&] { return log.count(StreamNotice::Done) == 2; },
                         std::chrono::milliseconds(200)));
    ASSERT_EQ(stream->restart(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 2; }));
    EXPECT_EQ(stream->positionTicks(), 3u);
    EXPECT_EQ(stream->close(), midi::Ok);
}

TEST(CommandPath, StreamsPlayingTogetherKeepTheirOwnNoticeOrder) {
    constexpr int streams = 4;
    std::vector<NoticeLog> logs(streams);
    std::vector<std::unique_ptr<midi::MidiStream>> open;
    // Each buffer raises a position notice at its first event, then comes back Done.
    const std::vector<StreamEvent> buffer{
        {0, 0, 0xB9u | 121u << 8 | midi::EventCallback}, drum(0, 64), drum(4, 64, 0)};
    for (int s = 0; s < streams; ++s) {
        int result = -1;
        open.push_back(openStream(logs[s], result));
        ASSERT_EQ(result, midi::Ok);
        for (int b = 0; b < 3; ++b)
            ASSERT_EQ(open[s]->queue(buffer.data(), buffer.size()), midi::Ok);
    }
    for (auto& stream : open)
        ASSERT_EQ(stream->restart(), midi::Ok);
    ASSERT_TRUE(waitFor([&] {
        for (const NoticeLog& log : logs)
            if (log.count(StreamNotice::Done) < 3)
                return false;
        return true;
    }));
    const std::vector<StreamNotice> expected{
        StreamNotice::Open, StreamNotice::Position, StreamNotice::Done, StreamNotice::Position,
        StreamNotice::Done, StreamNotice::Position, StreamNotice::Done};
    for (const NoticeLog& log : logs)
        EXPECT_EQ(log.notices, expected);
}

TEST(CommandPath, SixteenStreamsAtOnceAndEachClosedOneIsFreeAgain) {
    std::vector<NoticeLog> logs(20);
    std::vector<std::unique_ptr<midi::MidiStream>> open;
    int result = midi::Ok;
    for (NoticeLog& log : logs) {
        auto stream = openStream(log, result);
        if (!stream)
            break;
        open.push_back(std::move(stream));
    }
    EXPECT_EQ(result, midi::Allocated);
    EXPECT_LE(open.size(), 16u);
    EXPECT_GE(open.size(), 1u);

    const size_t count = open.size();
    for (auto& stream : open)
        ASSERT_EQ(stream->close(), midi::Ok);
    ASSERT_TRUE(waitFor([&] {
        for (size_t i = 0; i < count; ++i)
            if (logs[i].count(StreamNotice::Close) != 1)
                return false;
        return true;
    }));
    NoticeLog again;
    auto stream = openStream(again, result);
    EXPECT_EQ(result, midi::Ok);
    EXPECT_TRUE(stream);
}

// A stop refused for a full queue leaves the buffer playing; the caller may still free its own
// events at once (a player tidying up after the refusal does), since the playing thread reads
// the stream's copy. Under ThreadSanitizer a read of the freed events would be reported.
TEST(CommandPath, ACallerMayFreeItsEventsWhileThePlayingThreadStillPlaysThem) {
    NoticeLog log;
    int result = -1;
    auto stream = openStream(log, result);
    ASSERT_EQ(result, midi::Ok);
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    // Eight strokes 50 ms apart, each raising a position notice as it plays.
    auto events = std::make_unique<std::vector<StreamEvent>>();
    for (int i = 0; i < 8; ++i)
        events->push_back({i == 0 ? 0u : 5u, 0, 0x7F4099u | midi::EventCallback});
    ASSERT_EQ(stream->queue(events->data(), events->size()), midi::Ok);
    ASSERT_EQ(stream->restart(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Position) >= 1; }));

    int stop = midi::Ok;
    for (int attempt = 0; attempt < 100 && stop == midi::Ok; ++attempt) {
        while (port->sendShort(0x6407B0) == midi::Ok) {
        }
        stop = stream->stop();
        if (stop == midi::Ok)
            GTEST_SKIP() << "the playing thread emptied the queue before the stop";
    }
    ASSERT_EQ(stop, midi::QueueFull);
    // The caller lets go of its events: what the playing thread reads stays intact.
    std::fill(events->begin(), events->end(), StreamEvent{0, 0, 0});
    events.reset();
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Done) == 1; }));
    EXPECT_EQ(log.count(StreamNotice::Position), 8u);
    EXPECT_EQ(stream->close(), midi::Ok);
    ASSERT_TRUE(waitFor([&] { return log.count(StreamNotice::Close) == 1; }));
}
