#include "MicrophoneCapture.h"

#include "CaptureWorker.h"

namespace listening {

MicrophoneCapture::MicrophoneCapture(std::vector<AudioAnalyser*> analysers, QObject* parent)
    : QObject(parent), worker_(new CaptureWorker(std::move(analysers))) {
    thread_.setObjectName(QStringLiteral("Microphone"));
    worker_->moveToThread(&thread_);
    connect(worker_, &CaptureWorker::started, this, &MicrophoneCapture::workerStarted);
    connect(worker_, &CaptureWorker::failed, this, &MicrophoneCapture::workerFailed);
    thread_.start();
}

MicrophoneCapture::~MicrophoneCapture() {
    // The worker closes its input on its own thread; then the thread ends.
    QMetaObject::invokeMethod(worker_, &CaptureWorker::stop, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
    delete worker_;
}

bool MicrophoneCapture::listen(const QString& input) {
    const std::optional<QAudioDevice> device = AudioInputs::find(input);
    if (!device) {
        stop();
        report(input.isEmpty() ? InputProblem::NoInput : InputProblem::NotFound, input);
        return false;
    }
    if (device->id() == id_)
        return true;
    id_ = device->id();
    description_ = device->description();
    const int generation = ++generation_;
    QMetaObject::invokeMethod(
        worker_, [worker = worker_, d = *device, generation] { worker->start(d, generation); },
        Qt::QueuedConnection);
    return true;
}

void MicrophoneCapture::stop() {
    if (id_.isEmpty())
        return;
    id_.clear();
    description_.clear();
    ++generation_;
    QMetaObject::invokeMethod(worker_, &CaptureWorker::stop, Qt::QueuedConnection);
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
