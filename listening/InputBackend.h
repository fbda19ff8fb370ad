#pragma once

#include "AudioAnalyser.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QObject;
class QThread;

namespace listening {

// One of the system's sound inputs, as a menu lists it.
struct AudioInput {
    QByteArray id;       // the system's name for it, unique
    QString description; // what the student sees
    bool isDefault = false;
};

// What a capture tells, on its worker thread.
struct CaptureEvents {
    std::function<void(int generation, int sampleRate)> started;
    // The input could not be opened (`lost` false) or went away while listening (true).
    std::function<void(int generation, bool lost)> failed;
};

// Captures one sound input on a worker thread and feeds its analysers (see CaptureWorker).
// Every call runs on the worker thread; `object()` is what calls are queued to.
class InputCapture {
public:
    virtual ~InputCapture() = default;
    virtual QObject* object() = 0;
    // Listens to the input of that id instead of what it listened to before; `generation`
    // names this listening in the events.
    virtual void start(const QByteArray& inputId, int generation) = 0;
    virtual void stop() = 0;
};

// What listening needs from the system's sound inputs. It lives in a module of its own, loaded
// the first time the inputs are listed or one is opened, so that the multimedia libraries (and
// the sound server's client) stay out of a program that never listens.
class InputBackend {
public:
    virtual ~InputBackend() = default;
    // The inputs there are now, the system's default first. UI thread.
    virtual QList<AudioInput> inputs() = 0;
    // A capture living on `thread`, feeding `analysers`, telling `events`.
    virtual std::unique_ptr<InputCapture> createCapture(std::vector<AudioAnalyser*> analysers,
                                                        CaptureEvents events, QThread* thread) = 0;
};

// The input module, loaded on the first call (thread-safe). Null with a reason when it cannot
// be loaded.
InputBackend* inputBackend(QString* error = nullptr);
// Looks for the module at `path` only; before the first inputBackend().
void useInputModule(const QString& path);

} // namespace listening

// The one function the input module exports.
extern "C" listening::InputBackend* beatwiseInputBackend();
