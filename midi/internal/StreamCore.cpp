#include "StreamCore.h"

#include <climits>

namespace midi {

namespace {
__extension__ using Int128 = __int128;
}

bool StreamCore::setTimeDivision(uint32_t ticksPerQuarter) {
    if (ticksPerQuarter == 0 || ticksPerQuarter > 0x7FFF)
        return false;
    ticksPerQuarter_ = ticksPerQuarter;
    return true;
}

bool StreamCore::setTempo(uint32_t microsecondsPerQuarter) {
    if (microsecondsPerQuarter == 0)
        return false;
    microsecondsPerQuarter_ = microsecondsPerQuarter;
    return true;
}

bool StreamCore::queue(const StreamEvent* events, std::size_t count, uint32_t serial) {
    if (count_ >= MaxBuffers)
        return false;
    Buffer& buffer = buffers_[(first_ + count_) % MaxBuffers];
    buffer = Buffer{events, count, 0, -1, 0, serial};
    count_ += 1;
    return true;
}

void StreamCore::stop(StreamOutput& output) {
    while (count_ > 0)
        popFront(output);
    running_ = false;
    lastEventTime_ = -1;
    positionTicks_ = 0;
}

void StreamCore::popFront(StreamOutput& output) {
    const uint32_t serial = front().serial;
    first_ = (first_ + 1) % MaxBuffers;
    count_ -= 1;
    output.notice(StreamNotice::Done, serial);
}

int64_t StreamCore::ticksToUnits(uint64_t ticks) const {
    // ticks * us-per-quarter / ticks-per-quarter gives microseconds; rounded to units.
    const Int128 numerator = static_cast<Int128>(ticks) * microsecondsPerQuarter_ * unitsPerSecond_;
    const Int128 denominator = static_cast<Int128>(ticksPerQuarter_) * 1000000;
    return static_cast<int64_t>((numerator + denominator / 2) / denominator);
}

bool StreamCore::playDue(int64_t now, int64_t limit, StreamOutput& output) {
    while (running_ && count_ > 0) {
        Buffer& buffer = front();
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
                output.message(event.event & 0x00FFFFFFu);
            if (event.event & EventCallback)
                output.notice(StreamNotice::Position, 0);
        }
        if (buffer.next >= buffer.count) {
            if (lastEventTime_ < buffer.base)
                lastEventTime_ = buffer.base;
            popFront(output);
        }
    }
    return running_ && count_ > 0;
}

int64_t StreamCore::nextEventTime(int64_t now) const {
    if (!running_ || count_ == 0)
        return INT64_MAX;
    const Buffer& buffer = front();
    const int64_t base =
        buffer.base >= 0 ? buffer.base : (lastEventTime_ > now ? lastEventTime_ : now);
    if (buffer.next >= buffer.count)
        return base;
    return base + ticksToUnits(buffer.ticksSoFar + buffer.events[buffer.next].delta);
}

} // namespace midi
