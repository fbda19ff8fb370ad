#include "MidiStream.h"

#include "MidiDevices.h"
#include "MidiResult.h"
#include "internal/StreamHub.h"
#include "internal/StreamPlayer.h"
#include "internal/SynthEngine.h"
#include "internal/SystemPorts.h"

#include <map>
#include <thread>

namespace midi {

namespace {

using Kind = PlayerCommand::Kind;

// A stream on one player. Every request becomes a command for the playing thread; a full
// command queue refuses the request with QueueFull rather than waiting. A queued buffer is
// copied: the playing thread reads the copy, which is let go only once the playing thread has
// handed the buffer back, so the caller may free its own at any time.
class PlayerStream : public MidiStream {
public:
    PlayerStream(StreamPlayer& player, CommandSink& sink, int stream, Listener listener)
        : player_(player), sink_(sink), stream_(stream), client_(std::make_shared<StreamClient>()) {
        client_->listener = std::move(listener);
        sink_.send(command(Kind::Open));
        StreamHub::instance().attach(player_, stream_, client_);
        StreamHub::instance().post(client_, StreamNotice::Open);
    }

    int setTimeDivision(uint32_t ticksPerQuarter) override {
        if (closed_)
            return InvalidHandle;
        if (ticksPerQuarter == 0 || ticksPerQuarter > 0x7FFF)
            return InvalidParam;
        const uint32_t previous = ticksPerQuarter_;
        ticksPerQuarter_ = ticksPerQuarter;
        const int result = sendTiming();
        if (result != Ok)
            ticksPerQuarter_ = previous;
        return result;
    }
    int setTempo(uint32_t microsecondsPerQuarter) override {
        if (closed_)
            return InvalidHandle;
        if (microsecondsPerQuarter == 0)
            return InvalidParam;
        const uint32_t previous = microsecondsPerQuarter_;
        microsecondsPerQuarter_ = microsecondsPerQuarter;
        const int result = sendTiming();
        if (result != Ok)
            microsecondsPerQuarter_ = previous;
        return result;
    }
    int queue(const StreamEvent* events, size_t count) override {
        if (closed_)
            return InvalidHandle;
        if (count > 0 && events == nullptr)
            return InvalidParam;
        if (client_->inFlight >= static_cast<int>(StreamCore::MaxBuffers))
            return QueueFull;
        auto copy = std::make_shared<const EventBuffer>(events, events + count);
        PlayerCommand queued = command(Kind::Queue, ++serial_);
        queued.events = copy->data();
        queued.count = copy->size();
        if (!sink_.send(queued))
            return QueueFull;
        client_->buffers[serial_] = std::move(copy);
        client_->queued += 1;
        client_->inFlight += 1;
        wake();
        return Ok;
    }
    int restart() override {
        if (closed_)
            return InvalidHandle;
        if (!sink_.send(command(Kind::Restart, epoch_)))
            return QueueFull;
        wake();
        return Ok;
    }
    int stop() override {
        if (closed_)
            return InvalidHandle;
        // Every buffer comes back as Done once the playing thread has let go of it.
        if (!sink_.send(command(Kind::Stop, epoch_ + 1)))
            return QueueFull;
        epoch_ += 1;
        client_->queued = 0;
        wake();
        return Ok;
    }
    int close() override {
        if (closed_)
            return InvalidHandle;
        if (client_->queued > 0)
            return StillPlaying;
        if (!sink_.send(command(Kind::Close)))
            return QueueFull;
        closed_ = true;
        wake();
        return Ok;
    }
    uint32_t positionTicks() const override { return player_.positionTicks(stream_, epoch_); }

protected:
    // The subclass's destructor calls this first, while its playing thread still runs.
    void abandon() {
        client_->listener = nullptr;
        if (closed_)
            return;
        closed_ = true;
        // The stream number is only free again after the Close notice, so these two must get
        // through; the playing thread empties the queue within a block or two.
        for (int attempt = 0; attempt < 1000 && !sink_.hasRoom(2); ++attempt) {
            wake();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        sink_.send(command(Kind::Stop, epoch_ + 1));
        sink_.send(command(Kind::Close));
        wake();
    }

    // The buffers the playing thread may still read, for a caller that outlives this stream
    // but not the playing thread.
    std::map<uint32_t, std::shared_ptr<const EventBuffer>> takeBuffers() {
        return std::move(client_->buffers);
    }

    virtual void wake() = 0;

    bool closed_ = false;

private:
    PlayerCommand command(Kind kind, uint32_t value = 0) const {
        PlayerCommand c;
        c.kind = kind;
        c.stream = static_cast<uint8_t>(stream_);
        c.value = value;
        return c;
    }
    int sendTiming() {
        PlayerCommand timing = command(Kind::Timing, ticksPerQuarter_);
        timing.value2 = microsecondsPerQuarter_;
        if (!sink_.send(timing))
            return QueueFull;
        wake();
        return Ok;
    }

    StreamPlayer& player_;
    CommandSink& sink_;
    const int stream_;
    std::shared_ptr<StreamClient> client_;
    uint32_t ticksPerQuarter_ = 96;
    uint32_t microsecondsPerQuarter_ = 500000;
    uint32_t serial_ = 0;
    uint32_t epoch_ = 0;
};

class BuiltinStream final : public PlayerStream {
public:
    BuiltinStream(int stream, Listener listener)
        : PlayerStream(SynthEngine::instance().player(), SynthEngine::instance().sink(), stream,
                       std::move(listener)) {
        SynthEngine::instance().start();
    }
    ~BuiltinStream() override { abandon(); }

    int reset() override {
        if (closed_)
            return InvalidHandle;
        return SynthEngine::instance().resetOutput() ? Ok : QueueFull;
    }

private:
    void wake() override { SynthEngine::instance().wake(); }
};

// A system port as the playing side of a player: its own connection, player and timing
// thread.
class PortPlayer : private MessageDevice {
protected:
    explicit PortPlayer(std::unique_ptr<SystemPortConnection> connection)
        : connection_(std::move(connection)), portPlayer_(1000000), clock_(portPlayer_, *this) {}
    ~PortPlayer() = default;

    std::unique_ptr<SystemPortConnection> connection_;
    StreamPlayer portPlayer_;
    // The buffers of a stream that has gone, freed only after the timing thread has ended.
    std::map<uint32_t, std::shared_ptr<const EventBuffer>> retired_;
    TimingThread clock_;

private:
    void message(uint32_t message) override { connection_->sendShort(message); }
    void longMessage(const uint8_t* data, std::size_t size) override {
        connection_->sendBytes(data, size);
    }
    void resetOutput() override { connection_->resetOutput(); }
};

class PortStream final : private PortPlayer, public PlayerStream {
public:
    PortStream(std::unique_ptr<SystemPortConnection> connection, Listener listener)
        : PortPlayer(std::move(connection)),
          PlayerStream(portPlayer_, portPlayer_, portPlayer_.reserveStream(), std::move(listener)) {
    }

    ~PortStream() override {
        abandon();
        StreamHub::instance().forget(portPlayer_);
        retired_ = takeBuffers();
    }

    int reset() override {
        if (closed_)
            return InvalidHandle;
        connection_->resetOutput();
        return Ok;
    }

private:
    void wake() override { clock_.wake(); }
};

} // namespace

std::unique_ptr<MidiStream> MidiStream::open(int id, Listener listener, int& result) {
    if (id == DefaultDevice || id == BuiltinDevice) {
        StreamPlayer& player = SynthEngine::instance().player();
        if (!SynthEngine::instance().sink().hasRoom(1)) {
            result = QueueFull;
            return nullptr;
        }
        const int stream = player.reserveStream();
        if (stream < 0) {
            result = Allocated;
            return nullptr;
        }
        result = Ok;
        return std::make_unique<BuiltinStream>(stream, std::move(listener));
    }
    if (id < DefaultDevice || id >= deviceCount()) {
        result = BadDeviceId;
        return nullptr;
    }
    auto connection = SystemPortConnection::open(id - 1, result);
    if (!connection)
        return nullptr;
    return std::make_unique<PortStream>(std::move(connection), std::move(listener));
}

} // namespace midi
