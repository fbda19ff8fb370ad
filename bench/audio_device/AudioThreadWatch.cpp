#include "AudioThreadWatch.h"

#include "BuiltinSynth.h"

#include <QFile>

#include <fcntl.h>
#include <unistd.h>

namespace {

// The bytes a thread of this process has caused to be read from storage, or -1.
long long threadReadBytes(int thread) {
    QFile io(QStringLiteral("/proc/self/task/%1/io").arg(thread));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n')) {
        if (line.startsWith("read_bytes:"))
            return line.mid(11).trimmed().toLongLong();
    }
    return -1;
}

} // namespace

AudioThreadWatch::AudioThreadWatch() {
    timer_.setInterval(10);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { sample(); });
}

void AudioThreadWatch::start() {
    threads_.clear();
    started_ = false;
    sample();
    started_ = true;
    timer_.start();
}

void AudioThreadWatch::stop() {
    sample();
    timer_.stop();
}

void AudioThreadWatch::resume() {
    sample();
    timer_.start();
}

long long AudioThreadWatch::readBytes() const {
    long long total = 0;
    for (const auto& [thread, counter] : threads_)
        total += counter.last - counter.first;
    return total;
}

void AudioThreadWatch::sample() {
    const int thread = midi::builtinSynthAudioFigures().threadId;
    if (thread <= 0)
        return;
    const long long bytes = threadReadBytes(thread);
    if (bytes < 0)
        return;
    auto found = threads_.find(thread);
    if (found == threads_.end()) {
        // A thread already running when the watch starts counts from then; a later one (the
        // output opened again) from its beginning.
        found = threads_.emplace(thread, Counter{started_ ? 0 : bytes, bytes}).first;
    }
    found->second.last = bytes;
}

void AudioThreadWatch::evictSoundFont() {
    const QString path = midi::findGeneralMidiSoundFont();
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}
