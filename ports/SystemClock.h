#pragma once

#include "Clock.h"

#include <QElapsedTimer>

// The computer's clock, formatted by the user's locale.
class SystemClock final : public Clock {
public:
    QString shortDate() const override;
    QString longTime() const override;
    qint64 elapsedMs() const override { return steady_.elapsed(); }

private:
    QElapsedTimer steady_ = started();
    static QElapsedTimer started() {
        QElapsedTimer timer;
        timer.start();
        return timer;
    }
};
