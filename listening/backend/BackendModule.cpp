// The input module: the system's sound inputs through the multimedia library, loaded the first
// time the microphone is listed or opened (see InputBackend.h).
#include "CaptureWorker.h"
#include "InputBackend.h"
#include "SystemInputs.h"

#include <QThread>

namespace listening {

namespace {

class SystemInputBackend final : public InputBackend {
public:
    QList<AudioInput> inputs() override { return SystemInputs::list(); }

    std::unique_ptr<InputCapture> createCapture(std::vector<AudioAnalyser*> analysers,
                                                CaptureEvents events, QThread* thread) override {
        auto worker = std::make_unique<CaptureWorker>(std::move(analysers), std::move(events));
        worker->moveToThread(thread);
        return worker;
    }
};

} // namespace

} // namespace listening

extern "C" __attribute__((visibility("default"))) listening::InputBackend* beatwiseInputBackend() {
    static listening::SystemInputBackend backend;
    return &backend;
}
