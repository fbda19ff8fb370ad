#include "QtTimers.h"

#include <QTimer>

namespace {

class QtOneShotTimer final : public Timer {
public:
    explicit QtOneShotTimer(std::function<void()> onTimeout) : onTimeout_(std::move(onTimeout)) {
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] { onTimeout_(); });
    }
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    bool isArmed() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

} // namespace

std::unique_ptr<Timer> QtTimers::createTimer(std::function<void()> onTimeout) {
    return std::make_unique<QtOneShotTimer>(std::move(onTimeout));
}
