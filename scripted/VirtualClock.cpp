#include "VirtualClock.h"

#include <algorithm>
#include <functional>

class VirtualClock::VirtualTimer final : public Timer {
public:
    VirtualTimer(VirtualClock& clock, std::function<void()> onTimeout)
        : clock_(&clock), onTimeout_(std::move(onTimeout)) {
        clock_->timers_.push_back(this);
    }
    ~VirtualTimer() override {
        if (clock_)
            std::erase(clock_->timers_, this);
    }
    void start(int milliseconds) override {
        armed_ = true;
        due_ = clock_->now_ + std::max(0, milliseconds);
        order_ = ++clock_->armings_;
    }
    void stop() override { armed_ = false; }
    bool isArmed() const override { return armed_; }

    void fire() {
        armed_ = false;
        onTimeout_();
    }
    void detach() { clock_ = nullptr; }

    VirtualClock* clock_;
    std::function<void()> onTimeout_;
    bool armed_ = false;
    qint64 due_ = 0;
    quint64 order_ = 0;
};

VirtualClock::VirtualClock(QDateTime start) : start_(std::move(start)) {}

VirtualClock::~VirtualClock() {
    for (VirtualTimer* timer : timers_)
        timer->detach();
}

VirtualClock::VirtualTimer* VirtualClock::nextTimer(qint64 until) const {
    VirtualTimer* next = nullptr;
    for (VirtualTimer* timer : timers_) {
        if (!timer->armed_ || timer->due_ > until)
            continue;
        if (!next || timer->due_ < next->due_ ||
            (timer->due_ == next->due_ && timer->order_ < next->order_))
            next = timer;
    }
    return next;
}

void VirtualClock::advance(qint64 milliseconds) {
    const qint64 until = now_ + std::max<qint64>(0, milliseconds);
    while (VirtualTimer* timer = nextTimer(until)) {
        now_ = std::max(now_, timer->due_);
        timer->fire();
    }
    now_ = until;
}

bool VirtualClock::fireNext() {
    VirtualTimer* timer = nextTimer(std::numeric_limits<qint64>::max());
    if (!timer)
        return false;
    now_ = std::max(now_, timer->due_);
    timer->fire();
    return true;
}

qint64 VirtualClock::nextDue() const {
    const VirtualTimer* timer = nextTimer(std::numeric_limits<qint64>::max());
    return timer ? timer->due_ : -1;
}

QString VirtualClock::shortDate() const {
    return start_.addMSecs(now_).toString(QStringLiteral("M/d/yyyy"));
}

QString VirtualClock::longTime() const {
    return start_.addMSecs(now_).toString(QStringLiteral("h:mm:ss AP"));
}

std::unique_ptr<Timer> VirtualClock::createTimer(std::function<void()> onTimeout) {
    return std::make_unique<VirtualTimer>(*this, std::move(onTimeout));
}
