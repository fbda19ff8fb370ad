#include "MidiTestSupport.h"

#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "OutputPort.h"

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

bool builtinDeviceStillWorks() {
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    if (!port || port->sendShort(0x7F3C99) != midi::Ok)
        return false;
    NoticeLog log;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    if (!stream)
        return false;
    stream->setTimeDivision(50);
    std::vector<midi::StreamEvent> events{drum(0, 64), drum(3, 64, 0)};
    stream->queue(events.data(), events.size());
    stream->restart();
    return waitFor([&] { return log.count(midi::StreamNotice::Done) == 1; });
}

void recordBuiltinSynthInto(const QString& path, const QString& soundFont) {
    midi::SynthOptions options;
    options.output = midi::AudioOutput::File;
    options.audioFile = path;
    options.soundFont = soundFont;
    midi::configureBuiltinSynth(options);
}

} // namespace miditest
