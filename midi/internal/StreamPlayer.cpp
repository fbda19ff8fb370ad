#include "StreamPlayer.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace midi {

// The playing side's view of one stream's output: messages to the device, notices into the
// queue (dropped and counted when nobody has taken the earlier ones).
class StreamPlayer::Output final : public StreamOutput {
public:
    Output(StreamPlayer& player, MessageDevice& device) : player_(player), device_(device) {}
    int stream = 0;
    bool sent = false;

    void message(uint32_t message) override {
        device_.message(message);
        sent = true;
    }
    void notice(StreamNotice notice, uint32_t serial) override {
        if (!player_.notices_.push(PlayerNotice{static_cast<uint8_t>(stream), notice, serial}))
            player_.dropped_.fetch_add(1, std::memory_order_relaxed);
    }

private:
    StreamPlayer& player_;
    MessageDevice& device_;
};

int StreamPlayer::reserveStream() {
    for (int i = 0; i < MaxStreams; ++i) {
        if (!reserved_[i]) {
            reserved_[i] = true;
            return i;
        }
    }
    return -1;
}

void StreamPlayer::releaseStream(int stream) {
    if (stream >= 0 && stream < MaxStreams)
        reserved_[stream] = false;
}

bool StreamPlayer::send(const PlayerCommand& command) {
    return commands_.push(command);
}

bool StreamPlayer::sendLong(const uint8_t* data, std::size_t size) {
    if (size > MaxLongMessage || !longMessages_.hasRoom(1) || !commands_.hasRoom(1))
        return false;
    LongMessage message;
    message.size = static_cast<uint16_t>(size);
    std::memcpy(message.data, data, size);
    longMessages_.push(message);
    commands_.push(PlayerCommand{PlayerCommand::Kind::LongMessage});
    return true;
}

uint32_t StreamPlayer::positionTicks(int stream, uint32_t epoch) const {
    if (stream < 0 || stream >= MaxStreams)
        return 0;
    const uint64_t packed = positions_[stream].load(std::memory_order_acquire);
    return static_cast<uint32_t>(packed >> 32) == epoch ? static_cast<uint32_t>(packed) : 0;
}

void StreamPlayer::publishPosition(int stream) {
    const uint64_t packed = static_cast<uint64_t>(epochs_[stream]) << 32 |
                            static_cast<uint32_t>(streams_[stream].positionTicks());
    positions_[stream].store(packed, std::memory_order_release);
}

void StreamPlayer::apply(const PlayerCommand& command, MessageDevice& device, Output& output) {
    using Kind = PlayerCommand::Kind;
    const int s = command.stream < MaxStreams ? command.stream : 0;
    StreamCore& stream = streams_[s];
    output.stream = s;
    switch (command.kind) {
    case Kind::Message:
        device.message(command.value);
        output.sent = true;
        break;
    case Kind::LongMessage: {
        LongMessage message;
        if (longMessages_.pop(message))
            device.longMessage(message.data, message.size);
        output.sent = true;
        break;
    }
    case Kind::Reset:
        device.resetOutput();
        output.sent = true;
        break;
    case Kind::Open:
        stream = StreamCore(unitsPerSecond_);
        open_[s] = true;
        epochs_[s] = 0;
        publishPosition(s);
        break;
    case Kind::Timing:
        stream.setTimeDivision(command.value);
        stream.setTempo(command.value2);
        break;
    case Kind::Queue:
        // The sending side never has more buffers out than a stream holds.
        if (!stream.queue(command.events, command.count, command.value))
            output.notice(StreamNotice::Done, command.value);
        break;
    case Kind::Restart:
        epochs_[s] = command.value;
        stream.restart();
        break;
    case Kind::Stop:
        stream.stop(output);
        epochs_[s] = command.value;
        publishPosition(s);
        break;
    case Kind::Close:
        stream.stop(output);
        open_[s] = false;
        output.notice(StreamNotice::Close, 0);
        break;
    }
}

bool StreamPlayer::process(int64_t now, int64_t limit, MessageDevice& device) {
    Output output(*this, device);
    PlayerCommand command;
    while (commands_.pop(command))
        apply(command, device, output);
    for (int s = 0; s < MaxStreams; ++s) {
        if (!open_[s] || !streams_[s].running() || !streams_[s].hasBuffers())
            continue;
        output.stream = s;
        streams_[s].playDue(now, limit, output);
        publishPosition(s);
    }
    return output.sent;
}

int64_t StreamPlayer::nextEventTime(int64_t now) const {
    int64_t next = INT64_MAX;
    for (int s = 0; s < MaxStreams; ++s) {
        if (open_[s])
            next = std::min(next, streams_[s].nextEventTime(now));
    }
    return next;
}

bool StreamPlayer::busy() const {
    for (int s = 0; s < MaxStreams; ++s) {
        if (open_[s] && streams_[s].running() && streams_[s].hasBuffers())
            return true;
    }
    return false;
}

TimingThread::TimingThread(StreamPlayer& player, MessageDevice& device)
    : player_(player), device_(device), start_(std::chrono::steady_clock::now()) {
    thread_ = std::thread([this] { run(); });
}

TimingThread::~TimingThread() {
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
    }
    wakeUp_.notify_one();
    thread_.join();
}

void TimingThread::wake() {
    {
        std::lock_guard lock(mutex_);
        woken_ = true;
    }
    wakeUp_.notify_one();
}

int64_t TimingThread::now() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
}

void TimingThread::run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        woken_ = false;
        lock.unlock();
        const int64_t present = now();
        player_.process(present, present + 1, device_);
        const int64_t next = player_.nextEventTime(now());
        lock.lock();
        if (quit_ || woken_)
            continue;
        if (next == INT64_MAX)
            wakeUp_.wait(lock, [this] { return quit_ || woken_; });
        else
            wakeUp_.wait_until(lock, start_ + std::chrono::microseconds(next),
                               [this] { return quit_ || woken_; });
    }
}

} // namespace midi
