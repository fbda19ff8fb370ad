#include "StreamCore.h"

#include "MidiResult.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <climits>

namespace midi {

namespace {
__extension__ using Int128 = __int128;
}

StreamCore::StreamCore(Listener listener, int64_t unitsPerSecond)
    : unitsPerSecond_(unitsPerSecond), listener_(std::move(listener)) {}

int StreamCore::setTimeDivision(uint32_t ticksPerQuarter) {
    if (ticksPerQuarter == 0 || ticksPerQuarter > 0x7FFF)
        return InvalidParam;
    std::lock_guard lock(mutex_);
    ticksPerQuarter_ = ticksPerQuarter;
    return Ok;
}

int StreamCore::setTempo(uint32_t microsecondsPerQuarter) {
    if (microsecondsPerQuarter == 0)
        return InvalidParam;
    std::lock_guard lock(mutex_);
    microsecondsPerQuarter_ = microsecondsPerQuarter;
    return Ok;
}

int StreamCore::queue(const StreamEvent* events, size_t count) {
    if (count > 0 && events == nullptr)
        return InvalidParam;
    std::lock_guard lock(mutex_);
    buffers_.push_back(Buffer{events, count});
    return Ok;
}

int StreamCore::restart() {
    std::lock_guard lock(mutex_);
    running_ = true;
    return Ok;
}

int StreamCore::stop() {
    size_t returned = 0;
    {
        std::lock_guard lock(mutex_);
        returned = buffers_.size();
        buffers_.clear();
        running_ = false;
        lastEventTime_ = -1;
        positionTicks_ = 0;
    }
    for (size_t i = 0; i < returned; ++i)
        post(StreamNotice::Done);
    return Ok;
}

bool StreamCore::hasQueuedBuffers() const {
    std::lock_guard lock(mutex_);
    return !buffers_.empty();
}

uint32_t StreamCore::positionTicks() const {
    std::lock_guard lock(mutex_);
    return static_cast<uint32_t>(positionTicks_);
}

int64_t StreamCore::ticksToUnits(uint64_t ticks) const {
    // ticks * us-per-quarter / ticks-per-quarter gives microseconds; rounded to units.
    const Int128 numerator = static_cast<Int128>(ticks) * microsecondsPerQuarter_ * unitsPerSecond_;
    const Int128 denominator = static_cast<Int128>(ticksPerQuarter_) * 1000000;
    return static_cast<int64_t>((numerator + denominator / 2) / denominator);
}

bool StreamCore::playDue(int64_t now, int64_t limit, const Sink& sink) {
    std::vector<StreamNotice> notices;
    bool anythingLeft = false;
    {
        std::lock_guard lock(mutex_);
        while (running_ && !buffers_.empty()) {
            Buffer& buffer = buffers_.front();
            if (buffer.base < 0)
                buffer.base = lastEventTime_ >= 0 && lastEventTime_ > now ? lastEventTime_ : now;
            if (buffer.next < buffer.count) {
                const StreamEvent& event = buffer.events[buffer.next];
                const uint64_t ticks = buffer.ticksSoFar + event.delta;
                const int64_t time = buffer.base + ticksToUnits(ticks);
                if (time >= limit)
                    break;
                buffer.ticksSoFar = ticks;
                buffer.next += 1;
                positionTicks_ += event.delta;
                lastEventTime_ = time;
                if ((event.event & EventTypeMask) == 0)
                    sink(event.event & 0x00FFFFFFu);
                if (event.event & EventCallback)
                    notices.push_back(StreamNotice::Position);
            }
            if (buffer.next >= buffer.count) {
                if (lastEventTime_ < buffer.base)
                    lastEventTime_ = buffer.base;
                buffers_.pop_front();
                notices.push_back(StreamNotice::Done);
            }
        }
        anythingLeft = running_ && !buffers_.empty();
    }
    for (StreamNotice notice : notices)
        post(notice);
    return anythingLeft;
}

int64_t StreamCore::nextEventTime(int64_t now) const {
    std::lock_guard lock(mutex_);
    if (!running_ || buffers_.empty())
        return INT64_MAX;
    const Buffer& buffer = buffers_.front();
    const int64_t base =
        buffer.base >= 0 ? buffer.base : (lastEventTime_ > now ? lastEventTime_ : now);
    if (buffer.next >= buffer.count)
        return base;
    return base + ticksToUnits(buffer.ticksSoFar + buffer.events[buffer.next].delta);
}

void StreamCore::post(StreamNotice notice) {
    QCoreApplication* app = QCoreApplication::instance();
    if (app == nullptr)
        return;
    std::weak_ptr<StreamCore> weak = weak_from_this();
    QMetaObject::invokeMethod(
        app,
        [weak, notice] {
            if (auto core = weak.lock())
                core->deliver(notice);
        },
        Qt::QueuedConnection);
}

void StreamCore::deliver(StreamNotice notice) {
    Listener listener;
    {
        std::lock_guard lock(listenerMutex_);
        listener = listener_;
    }
    if (listener)
        listener(notice);
}

void StreamCore::dropListener() {
    std::lock_guard lock(listenerMutex_);
    listener_ = nullptr;
}

} // namespace midi
