#include "MicrophoneCapture.h"

#include <QMetaObject>

#include <utility>

namespace listening {

MicrophoneCapture::MicrophoneCapture(std::vector<AudioAnalyser*> analysers, QObject* parent)
    : QObject(parent), analysers_(std::move(analysers)) {
    thread_.setObjectName(QStringLiteral("Microphone"));
}

MicrophoneCapture::~MicrophoneCapture() {
    // A load under way only posts its end to this object, which then goes with it.
    if (loader_.joinable())
        loader_.join();
    if (!worker_)
        return;
    // The worker closes its input on its own thread; then the thread ends.
    InputCapture* worker = worker_.get();
    QMetaObject::invokeMethod(
        worker->object(), [worker] { worker->stop(); }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    worker_.reset();
}

void MicrophoneCapture::whenLoaded(std::function<void()> then) {
    if (isLoaded_) {
        then();
        return;
    }
    waitingForLoad_.push_back(std::move(then));
    if (loader_.joinable())
        return; // already loading
    loader_ = std::thread([this] {
        inputBackend();
        for (const AudioAnalyser* analyser : analysers_)
            analyser->unavailable();
        QMetaObject::invokeMethod(
            this, [this] { loaded(); }, Qt::QueuedConnection);
    });
}

void MicrophoneCapture::loaded() {
    loader_.join();
    isLoaded_ = true;
    for (const std::function<void()>& then : std::exchange(waitingForLoad_, {}))
        then();
}

// The module, the worker on its thread and the analysers' library, the first time they are
// needed. False, after reporting why, when any of them cannot be had.
bool MicrophoneCapture::prepare() {
    QString why;
    InputBackend* backend = inputBackend(&why);
    for (const AudioAnalyser* analyser : analysers_)
        if (why.isEmpty())
            why = analyser->unavailable();
    if (!why.isEmpty()) {
        report(InputProblem::Unavailable, why);
        return false;
    }
    if (worker_)
        return true;
    CaptureEvents events;
    // Told on the worker thread, handled here.
    events.started = [this](int generation, int sampleRate) {
        QMetaObject::invokeMethod(
            this, [this, generation, sampleRate] { workerStarted(generation, sampleRate); },
            Qt::QueuedConnection);
    };
    events.failed = [this](int generation, bool lost) {
        QMetaObject::invokeMethod(
            this, [this, generation, lost] { workerFailed(generation, lost); },
            Qt::QueuedConnection);
    };
    worker_ = backend->createCapture(analysers_, std::move(events), &thread_);
    thread_.start();
    return true;
}

bool MicrophoneCapture::listen(const QString& input) {
    if (!prepare()) {
        stop();
        return false;
    }
    const std::optional<AudioInput> device = AudioInputs::find(input);
    if (!device) {
        stop();
        report(input.isEmpty() ? InputProblem::NoInput : InputProblem::NotFound, input);
        return false;
    }
    if (device->id == id_)
        return true;
    id_ = device->id;
    description_ = device->description;
    const int generation = ++generation_;
    QMetaObject::invokeMethod(
        worker_->object(),
        [worker = worker_.get(), id = id_, generation] { worker->start(id, generation); },
        Qt::QueuedConnection);
    return true;
}

void MicrophoneCapture::stop() {
    if (id_.isEmpty())
        return;
    id_.clear();
    description_.clear();
    ++generation_;
    InputCapture* worker = worker_.get();
    QMetaObject::invokeMethod(
        worker->object(), [worker] { worker->stop(); }, Qt::QueuedConnection);
}

void MicrophoneCapture::workerStarted(int generation, int sampleRate) {
    if (generation != generation_)
        return;
    reported_.reset();
    emit started(sampleRate);
}

void MicrophoneCapture::workerFailed(int generation, bool lost) {
    if (generation != generation_)
        return;
    const QString input = description_;
    id_.clear();
    description_.clear();
    report(lost ? InputProblem::Lost : InputProblem::Refused, input);
}

void MicrophoneCapture::report(InputProblem problem, const QString& input) {
    const std::pair<InputProblem, QString> what{problem, input};
    if (reported_ == what)
        return;
    reported_ = what;
    emit inputUnavailable(problem, input);
}

} // namespace listening
