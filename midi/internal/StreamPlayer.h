#pragma once

#include "SpscQueue.h"
#include "StreamCore.h"

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

namespace midi {

// What a player's playing side drives: the synthesizer, or a system port.
class MessageDevice {
public:
    virtual void message(uint32_t message) = 0;
    virtual void longMessage(const uint8_t* data, std::size_t size) = 0;
    virtual void resetOutput() = 0;

protected:
    ~MessageDevice() = default;
};

// A request from the sending thread to the playing thread.
struct PlayerCommand {
    enum class Kind : uint8_t {
        Message,     // value: a packed short message
        LongMessage, // the next item of the long-message queue
        Reset,       // sustain off and all notes off
        Open,        // the stream starts afresh, stopped
        Timing,      // value: ticks per quarter, value2: microseconds per quarter
        Queue,       // events, count; value: the buffer's serial number
        Restart,     // value: the stream's epoch
        Stop,        // value: the stream's new epoch
        Close,       // the stream ends; its Close notice follows every other one
    };
    Kind kind = Kind::Message;
    uint8_t stream = 0;
    uint32_t value = 0;
    uint32_t value2 = 0;
    const StreamEvent* events = nullptr;
    std::size_t count = 0;
};

// A notice from the playing thread: Done (serial names the buffer), Position or Close.
struct PlayerNotice {
    uint8_t stream = 0;
    StreamNotice kind = StreamNotice::Done;
    uint32_t serial = 0;
};

// Where a stream or a message's commands go on their way to the playing side.
class CommandSink {
public:
    // False when there is no room (the command is not taken).
    virtual bool send(const PlayerCommand& command) = 0;
    virtual bool sendLong(const uint8_t* data, std::size_t size) = 0;
    virtual bool hasRoom(std::size_t commands) const = 0;

protected:
    ~CommandSink() = default;
};

// The streams and immediate messages of one clock. One thread at a time sends (the UI thread,
// or the built-in synthesizer's loader passing on what waited for its sounds), one thread plays
// (the audio thread, or a timing thread); they meet only in fixed-size lock-free queues, so the
// playing side never waits for the sending side.
class StreamPlayer final : public CommandSink {
public:
    static constexpr int MaxStreams = 16;
    static constexpr std::size_t MaxLongMessage = 510;
    static constexpr std::size_t CommandCapacity = 512;
    static constexpr std::size_t NoticeCapacity = 1024;

    explicit StreamPlayer(int64_t unitsPerSecond) : unitsPerSecond_(unitsPerSecond) {}

    int64_t unitsPerSecond() const { return unitsPerSecond_; }

    // Sending side. A stream number is reserved until its Close notice has been taken;
    // -1 when all are in use.
    int reserveStream();
    void releaseStream(int stream);
    // False when the queue is full (the command is not sent).
    bool send(const PlayerCommand& command) override;
    bool hasRoom(std::size_t commands) const override { return commands_.hasRoom(commands); }
    // False when the queue is full or the message is longer than MaxLongMessage.
    bool sendLong(const uint8_t* data, std::size_t size) override;
    bool takeNotice(PlayerNotice& notice) { return notices_.pop(notice); }
    // The stream's position in ticks, 0 until the playing side has seen `epoch`.
    uint32_t positionTicks(int stream, uint32_t epoch) const;
    // Notices the playing side had to drop because nobody took them.
    uint64_t droppedNotices() const { return dropped_.load(std::memory_order_relaxed); }

    // Playing side: carries out the waiting commands, then plays every event due before
    // `limit`; `now` is the clock's present time. Returns whether a message was sent to the
    // device.
    bool process(int64_t now, int64_t limit, MessageDevice& device);
    // Playing side: the time of the next event, or INT64_MAX.
    int64_t nextEventTime(int64_t now) const;
    // Playing side: a stream is running with buffers left.
    bool busy() const;
    // Either side: commands wait to be carried out.
    bool commandsWaiting() const { return !commands_.empty(); }

private:
    struct LongMessage {
        uint16_t size = 0;
        uint8_t data[MaxLongMessage] = {};
    };
    class Output;

    void apply(const PlayerCommand& command, MessageDevice& device, Output& output);
    void publishPosition(int stream);

    const int64_t unitsPerSecond_;
    SpscQueue<PlayerCommand, CommandCapacity> commands_;
    SpscQueue<LongMessage, 8> longMessages_;
    SpscQueue<PlayerNotice, NoticeCapacity> notices_;
    std::array<bool, MaxStreams> reserved_{};                   // sending side
    std::array<StreamCore, MaxStreams> streams_{};              // playing side
    std::array<bool, MaxStreams> open_{};                       // playing side
    std::array<uint32_t, MaxStreams> epochs_{};                 // playing side
    std::array<std::atomic<uint64_t>, MaxStreams> positions_{}; // epoch << 32 | ticks
    std::atomic<uint64_t> dropped_{0};
};

// A thread that plays a player on the steady clock (in microseconds), sleeping until the
// next event or until woken. Used for system MIDI ports.
class TimingThread {
public:
    TimingThread(StreamPlayer& player, MessageDevice& device);
    ~TimingThread();

    TimingThread(const TimingThread&) = delete;
    TimingThread& operator=(const TimingThread&) = delete;

    // Sending side, after a command: look at the queue now.
    void wake();

private:
    void run();
    int64_t now() const;

    StreamPlayer& player_;
    MessageDevice& device_;
    std::chrono::steady_clock::time_point start_;
    std::mutex mutex_;
    std::condition_variable wakeUp_;
    bool woken_ = false;
    bool quit_ = false;
    std::thread thread_;
};

} // namespace midi
