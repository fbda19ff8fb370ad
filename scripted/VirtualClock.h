#pragma once

#include "Clock.h"
#include "Timer.h"

#include <QDateTime>
#include <QtGlobal>

#include <vector>

// Time that passes only when it is told to: a clock and one-shot timers for running a trainer
// without an event loop. advance() moves the time forward and fires every timer that falls due
// on the way, in the order of their times (timers due at the same time in the order they were
// armed), each at its own time; a timer armed by a handler fires in the same advance when it
// falls due within it.
class VirtualClock final : public Clock, public TimerFactory {
public:
    explicit VirtualClock(QDateTime start = QDateTime(QDate(2026, 1, 5), QTime(9, 0)));
    ~VirtualClock() override;

    // Milliseconds since the clock was made.
    qint64 now() const { return now_; }
    void advance(qint64 milliseconds);
    // Advances to the next due timer and fires it; false when no timer is armed.
    bool fireNext();
    // The time the next armed timer falls due, or -1 when none is armed.
    qint64 nextDue() const;

    QString shortDate() const override;
    QString longTime() const override;
    qint64 elapsedMs() const override { return now_; }

    std::unique_ptr<Timer> createTimer(std::function<void()> onTimeout) override;

private:
    class VirtualTimer;
    friend class VirtualTimer;
    VirtualTimer* nextTimer(qint64 until) const;

    QDateTime start_;
    qint64 now_ = 0;
    quint64 armings_ = 0;
    std::vector<VirtualTimer*> timers_;
};
