#include "MidiTestSupport.h"

#include <QEventLoop>
#include <QThread>
#include <algorithm>

namespace miditest {

bool waitFor(const std::function<bool()>& done, std::chrono::milliseconds timeout) {
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!done() && std::chrono::steady_clock::now() < until) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::msleep(1);
    }
    return done();
}

size_t NoticeLog::count(midi::StreamNotice n) const {
    return static_cast<size_t>(std::count(notices.begin(), notices.end(), n));
}

midi::StreamEvent drum(uint32_t delta, uint32_t key, uint32_t velocity) {
    return {delta, 0, 0x99u | key << 8 | velocity << 16};
}

} // namespace miditest
