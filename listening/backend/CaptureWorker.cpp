#include "CaptureWorker.h"

#include "RawMonoMix.h"
#include "SystemInputs.h"

#include <QAudioSource>
#include <cstring>

namespace listening {

namespace {

// Mono samples as floats at the input's own rate when it offers them (the sound system then
// mixes and converts); otherwise whatever it prefers, mixed and converted here.
QAudioFormat formatFor(const QAudioDevice& device) {
    QAudioFormat wanted = device.preferredFormat();
    if (wanted.sampleRate() <= 0)
        wanted.setSampleRate(48000);
    wanted.setChannelCount(1);
    wanted.setSampleFormat(QAudioFormat::Float);
    return device.isFormatSupported(wanted) ? wanted : device.preferredFormat();
}

constexpr int WatchMs = 500;
constexpr qsizetype ReadBytes = 1 << 16;

} // namespace

CaptureWorker::CaptureWorker(std::vector<AudioAnalyser*> analysers, CaptureEvents events)
    : analysers_(std::move(analysers)), events_(std::move(events)), watch_(this) {
    watch_.setInterval(WatchMs);
    connect(&watch_, &QTimer::timeout, this, &CaptureWorker::checkInput);
    pending_.resize(ReadBytes);
}

CaptureWorker::~CaptureWorker() {
    stop();
}

void CaptureWorker::start(const QByteArray& inputId, int generation) {
    stop();
    generation_ = generation;
    // Gone since it was chosen: it cannot be opened.
    const std::optional<QAudioDevice> device = SystemInputs::device(inputId);
    if (!device) {
        fail(false);
        return;
    }
    open(*device);
}

void CaptureWorker::open(const QAudioDevice& device) {
    id_ = device.id();
    source_ = std::make_unique<QAudioSource>(device, formatFor(device));
    // A tenth of a second of sound in hand is plenty; what the analysers hear is timed by its
    // frame count, not by when it arrives.
    source_->setBufferSize(source_->format().bytesForDuration(100000));
    io_ = source_->start();
    if (!io_ || source_->error() == QAudio::OpenError || !source_->format().isValid()) {
        fail(false);
        return;
    }
    format_ = source_->format();
    frame_ = 0;
    pendingBytes_ = 0;
    connect(io_, &QIODevice::readyRead, this, &CaptureWorker::readAvailable);
    connect(source_.get(), &QAudioSource::stateChanged, this, [this](QAudio::State state) {
        if (state == QAudio::StoppedState && source_ && source_->error() != QAudio::NoError)
            fail(true);
    });
    watch_.start();
    if (events_.started)
        events_.started(generation_, format_.sampleRate());
}

void CaptureWorker::stop() {
    watch_.stop();
    if (source_) {
        source_->disconnect(this);
        if (io_)
            io_->disconnect(this);
        source_->stop();
    }
    io_ = nullptr;
    source_.reset();
    id_.clear();
}

void CaptureWorker::readAvailable() {
    const int frameBytes = format_.bytesPerFrame();
    if (!io_ || frameBytes <= 0)
        return;
    for (;;) {
        const qint64 got = io_->read(pending_.data() + pendingBytes_, ReadBytes - pendingBytes_);
        if (got <= 0)
            return;
        pendingBytes_ += got;
        const qsizetype whole = pendingBytes_ - pendingBytes_ % frameBytes;
        mixToMono(QByteArrayView(pending_.constData(), whole), format_, mono_);
        for (AudioAnalyser* analyser : analysers_)
            analyser->analyse(mono_, format_.sampleRate(), frame_);
        frame_ += static_cast<std::int64_t>(mono_.size());
        std::memmove(pending_.data(), pending_.constData() + whole,
                     static_cast<size_t>(pendingBytes_ - whole));
        pendingBytes_ -= whole;
    }
}

void CaptureWorker::checkInput() {
    if (!source_)
        return;
    if (!SystemInputs::present(id_) || source_->state() == QAudio::StoppedState)
        fail(true);
}

void CaptureWorker::fail(bool lost) {
    stop();
    if (events_.failed)
        events_.failed(generation_, lost);
}

} // namespace listening
