#pragma once

#include "MidiStream.h"
#include "StreamPlayer.h"

#include <QObject>
#include <array>
#include <map>
#include <memory>
#include <vector>

class QTimer;

namespace midi {

// The events of one queued buffer: the stream's own copy, which the playing side reads.
using EventBuffer = std::vector<StreamEvent>;

// The UI side of one open stream, shared by the stream object and the hub.
struct StreamClient {
    MidiStream::Listener listener;
    int queued = 0;   // buffers the caller still counts as queued (none after a stop)
    int inFlight = 0; // buffers the playing side holds until their Done notice
    // The buffers the playing side may still read, by serial number: each is let go only when
    // its Done notice has come back (all of them with the Close notice), so that nothing the
    // playing thread reads is ever freed under it.
    std::map<uint32_t, std::shared_ptr<const EventBuffer>> buffers;
};

// Takes the notices of every player out of their queues on the UI thread, on a short timer
// that runs only while a stream is open, and delivers each through the event loop, never
// from inside a call. UI thread only.
class StreamHub {
public:
    static StreamHub& instance();
    ~StreamHub();

    // Routes the notices of `player`'s stream to `client` until that stream's Close notice.
    void attach(StreamPlayer& player, int stream, std::shared_ptr<StreamClient> client);
    // Delivers a notice to the client later, through the event loop.
    void post(const std::shared_ptr<StreamClient>& client, StreamNotice notice);
    // Takes every waiting notice now.
    void drain();
    // The player goes away: its last notices are taken and it is forgotten.
    void forget(StreamPlayer& player);

private:
    struct Entry {
        StreamPlayer* player = nullptr;
        std::array<std::shared_ptr<StreamClient>, StreamPlayer::MaxStreams> clients;
    };

    StreamHub();
    void drain(Entry& entry);
    void updateTimer();

    std::vector<Entry> entries_;
    std::unique_ptr<QObject> context_;
    QTimer* timer_ = nullptr;
};

} // namespace midi
