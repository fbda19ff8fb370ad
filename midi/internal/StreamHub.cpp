#include "StreamHub.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTimer>
#include <algorithm>

namespace midi {

namespace {
// Notices reach the UI within this long of the audio thread raising them.
constexpr int DrainIntervalMs = 2;
} // namespace

StreamHub& StreamHub::instance() {
    static StreamHub hub;
    return hub;
}

StreamHub::StreamHub() : context_(std::make_unique<QObject>()) {
    timer_ = new QTimer(context_.get());
    timer_->setInterval(DrainIntervalMs);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_, &QTimer::timeout, context_.get(), [this] { drain(); });
}

StreamHub::~StreamHub() = default;

void StreamHub::attach(StreamPlayer& player, int stream, std::shared_ptr<StreamClient> client) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.player == &player; });
    if (entry == entries_.end()) {
        entries_.push_back(Entry{&player, {}});
        entry = entries_.end() - 1;
    }
    entry->clients[stream] = std::move(client);
    updateTimer();
}

void StreamHub::post(const std::shared_ptr<StreamClient>& client, StreamNotice notice) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    std::weak_ptr<StreamClient> weak = client;
    QMetaObject::invokeMethod(
        app,
        [weak, notice] {
            const auto target = weak.lock();
            if (target && target->listener) {
                // A copy: the listener may close or drop its own stream.
                const MidiStream::Listener listener = target->listener;
                listener(notice);
            }
        },
        Qt::QueuedConnection);
}

void StreamHub::drain() {
    for (size_t i = 0; i < entries_.size(); ++i)
        drain(entries_[i]);
    updateTimer();
}

void StreamHub::drain(Entry& entry) {
    PlayerNotice notice;
    while (entry.player->takeNotice(notice)) {
        const int stream = notice.stream;
        std::shared_ptr<StreamClient> client = entry.clients[stream];
        if (!client)
            continue;
        if (notice.kind == StreamNotice::Done) {
            client->inFlight -= 1;
            client->queued = std::min(client->queued, client->inFlight);
            client->buffers.erase(notice.serial);
        } else if (notice.kind == StreamNotice::Close) {
            client->buffers.clear();
            entry.clients[stream].reset();
            entry.player->releaseStream(stream);
        }
        post(client, notice.kind);
    }
}

void StreamHub::forget(StreamPlayer& player) {
    auto entry = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.player == &player; });
    if (entry == entries_.end())
        return;
    drain(*entry);
    entries_.erase(entry);
    updateTimer();
}

void StreamHub::updateTimer() {
    const bool anyOpen = std::any_of(entries_.begin(), entries_.end(), [](const Entry& e) {
        return std::any_of(e.clients.begin(), e.clients.end(),
                           [](const auto& client) { return client != nullptr; });
    });
    if (anyOpen && !timer_->isActive())
        timer_->start();
    else if (!anyOpen && timer_->isActive())
        timer_->stop();
}

} // namespace midi
