#include "MicrophoneTaps.h"

#include "MicrophoneCapture.h"

#include <QDeadlineTimer>
#include <QMetaObject>

namespace {

qint64 steadyNs() {
    return QDeadlineTimer::current(Qt::PreciseTimer).deadlineNSecs();
}

} // namespace

MicrophoneTaps::MicrophoneTaps(QObject* parent)
    : QObject(parent),
      // On the capture's worker thread: the clap is stamped there and handed over.
      hearing_([this](const listening::HeardClap& clap) {
          const double ago = clap.heardAtMs - clap.onsetMs;
          const qint64 stamp = steadyNs();
          QMetaObject::invokeMethod(
              this, [this, ago, stamp] { deliver(ago, stamp); }, Qt::QueuedConnection);
      }),
      capture_(std::make_unique<listening::MicrophoneCapture>(
          std::vector<listening::AudioAnalyser*>{&hearing_})) {}

MicrophoneTaps::~MicrophoneTaps() {
    // The worker thread ends before the detector it feeds goes.
    capture_.reset();
}

bool MicrophoneTaps::isListening() const {
    return capture_->isListening();
}

void MicrophoneTaps::deliver(double agoMs, qint64 stampNs) {
    emit heard(agoMs + static_cast<double>(steadyNs() - stampNs) / 1e6);
}
