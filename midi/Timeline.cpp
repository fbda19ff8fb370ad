#include "Timeline.h"

#include <algorithm>
#include <climits>

namespace midi {

namespace {
__extension__ using Int128 = __int128;
}

void Timeline::add(const std::shared_ptr<StreamCore>& stream) {
    std::lock_guard lock(mutex_);
    streams_.push_back(stream);
}

void Timeline::remove(const StreamCore* stream) {
    std::lock_guard lock(mutex_);
    std::erase_if(streams_, [stream](const auto& s) { return s.get() == stream; });
}

void Timeline::playDue(int64_t now, int64_t limit, const StreamCore::Sink& sink) {
    std::lock_guard lock(mutex_);
    for (const auto& stream : streams_)
        stream->playDue(now, limit, sink);
}

int64_t Timeline::nextEventTime(int64_t now) {
    std::lock_guard lock(mutex_);
    int64_t next = INT64_MAX;
    for (const auto& stream : streams_)
        next = std::min(next, stream->nextEventTime(now));
    return next;
}

void Timeline::wake() {
    std::function<void()> waker;
    {
        std::lock_guard lock(mutex_);
        waker = waker_;
    }
    if (waker)
        waker();
}

void Timeline::setWaker(std::function<void()> waker) {
    std::lock_guard lock(mutex_);
    waker_ = std::move(waker);
}

TimingThread::TimingThread(Timeline& timeline, StreamCore::Sink sink)
    : timeline_(timeline), sink_(std::move(sink)), start_(std::chrono::steady_clock::now()) {
    timeline_.setWaker([this] {
        std::lock_guard lock(mutex_);
        woken_ = true;
        wakeUp_.notify_one();
    });
    thread_ = std::thread([this] { run(); });
}

TimingThread::~TimingThread() {
    timeline_.setWaker(nullptr);
    {
        std::lock_guard lock(mutex_);
        quit_ = true;
        wakeUp_.notify_one();
    }
    thread_.join();
}

int64_t TimingThread::now() const {
    const auto elapsed = std::chrono::steady_clock::now() - start_;
    const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
    return static_cast<int64_t>(static_cast<Int128>(micros) * timeline_.unitsPerSecond() / 1000000);
}

void TimingThread::run() {
    std::unique_lock lock(mutex_);
    while (!quit_) {
        lock.unlock();
        const int64_t present = now();
        timeline_.playDue(present, present + 1, sink_);
        const int64_t next = timeline_.nextEventTime(now());
        lock.lock();
        if (quit_)
            break;
        if (woken_) {
            woken_ = false;
            continue;
        }
        if (next == INT64_MAX) {
            wakeUp_.wait(lock, [this] { return quit_ || woken_; });
        } else {
            const auto micros = static_cast<int64_t>(static_cast<Int128>(next) * 1000000 /
                                                     timeline_.unitsPerSecond());
            wakeUp_.wait_until(lock, start_ + std::chrono::microseconds(micros),
                               [this] { return quit_ || woken_; });
        }
        woken_ = false;
    }
}

} // namespace midi
