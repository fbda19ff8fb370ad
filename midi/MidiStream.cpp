#include "MidiStream.h"

#include "MidiDevices.h"
#include "MidiResult.h"
#include "StreamCore.h"
#include "SynthEngine.h"
#include "SystemPorts.h"
#include "Timeline.h"

namespace midi {

namespace {

// A stream on one timeline; subclasses say how to silence the device.
class TimelineStream : public MidiStream {
public:
    TimelineStream(Timeline& timeline, Listener listener)
        : timeline_(timeline),
          core_(std::make_shared<StreamCore>(std::move(listener), timeline.unitsPerSecond())) {
        timeline_.add(core_);
        core_->post(StreamNotice::Open);
    }

    ~TimelineStream() override {
        core_->dropListener();
        if (!closed_) {
            core_->stop();
            timeline_.remove(core_.get());
        }
    }

    int setTimeDivision(uint32_t ticksPerQuarter) override {
        return closed_ ? InvalidHandle : core_->setTimeDivision(ticksPerQuarter);
    }
    int setTempo(uint32_t microsecondsPerQuarter) override {
        return closed_ ? InvalidHandle : core_->setTempo(microsecondsPerQuarter);
    }
    int queue(const StreamEvent* events, size_t count) override {
        if (closed_)
            return InvalidHandle;
        const int result = core_->queue(events, count);
        timeline_.wake();
        return result;
    }
    int restart() override {
        if (closed_)
            return InvalidHandle;
        const int result = core_->restart();
        timeline_.wake();
        return result;
    }
    int stop() override {
        if (closed_)
            return InvalidHandle;
        const int result = core_->stop();
        timeline_.wake();
        return result;
    }
    int close() override {
        if (closed_)
            return InvalidHandle;
        if (core_->hasQueuedBuffers())
            return StillPlaying;
        closed_ = true;
        timeline_.remove(core_.get());
        core_->post(StreamNotice::Close);
        return Ok;
    }
    uint32_t positionTicks() const override { return core_->positionTicks(); }

protected:
    bool closed_ = false;

private:
    Timeline& timeline_;
    std::shared_ptr<StreamCore> core_;
};

class BuiltinStream : public TimelineStream {
public:
    explicit BuiltinStream(Listener listener)
        : TimelineStream(SynthEngine::instance().timeline(), std::move(listener)) {
        SynthEngine::instance().start();
    }
    int reset() override {
        if (closed_)
            return InvalidHandle;
        SynthEngine::instance().resetOutput();
        return Ok;
    }
};

// A stream on a system port: its own connection, timeline and timing thread.
class PortTimeline {
protected:
    explicit PortTimeline(std::unique_ptr<SystemPortConnection> connection)
        : connection_(std::move(connection)), portTimeline_(1000000) {}
    std::unique_ptr<SystemPortConnection> connection_;
    Timeline portTimeline_;
};

class PortStream : private PortTimeline, public TimelineStream {
public:
    PortStream(std::unique_ptr<SystemPortConnection> connection, Listener listener)
        : PortTimeline(std::move(connection)), TimelineStream(portTimeline_, std::move(listener)),
          clock_(portTimeline_, [this](uint32_t message) { connection_->sendShort(message); }) {}

    int reset() override {
        if (closed_)
            return InvalidHandle;
        connection_->resetOutput();
        return Ok;
    }

private:
    TimingThread clock_;
};

} // namespace

std::unique_ptr<MidiStream> MidiStream::open(int id, Listener listener, int& result) {
    if (id == DefaultDevice || id == BuiltinDevice) {
        result = Ok;
        return std::make_unique<BuiltinStream>(std::move(listener));
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
