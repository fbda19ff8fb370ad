#pragma once

#include "AudioAnalyser.h"
#include "AudioInputs.h"

#include <QObject>
#include <QThread>

#include <functional>

#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace listening {

// Why listening could not begin or went on no longer.
enum class InputProblem {
    NoInput,  // the system has no sound input at all
    NotFound, // the input asked for is not there
    Refused,  // the input is there but could not be opened
    Lost,     // the input went away while listening
    // Nothing can be listened to: the microphone's module or the analysis library cannot be
    // loaded (the reason stands for the input)
    Unavailable,
};

// Listens to one of the system's sound inputs (a microphone) and feeds what it hears to its
// analysers on a worker thread of its own, never on the UI thread nor on the audio thread; the
// analysers must outlive it. Made and used on the UI thread. Nothing of the system's inputs is
// touched (their module is not even loaded, nor the thread started) before the inputs are first
// listed or listened to. A problem is reported once through
// `inputUnavailable`: the same problem with the same input is not reported again before
// listening next begins.
class MicrophoneCapture final : public QObject {
    Q_OBJECT
public:
    explicit MicrophoneCapture(std::vector<AudioAnalyser*> analysers, QObject* parent = nullptr);
    ~MicrophoneCapture() override;

    // The system's inputs now, the default one first; none when their module cannot be loaded.
    static QList<AudioInput> inputs() { return AudioInputs::list(); }

    // Listens to the input of that id or description, or to the system's default input when
    // `input` is empty. False, after reporting the problem, when there is no such input; an
    // input that then cannot be opened is reported as Refused.
    // Nothing listens, and Unavailable is reported, when the analysers cannot work.
    bool listen(const QString& input = QString());
    // Loads what listening needs, the microphone's module and the analysers' library, on a
    // thread of its own, then runs `then` on this object's thread; at once when they are loaded
    // already. Loading takes some milliseconds (the multimedia library's chain): done this way it
    // never holds up the window.
    void whenLoaded(std::function<void()> then);

    // Listens to nothing (the menus' "None").
    void stop();

    bool isListening() const { return !id_.isEmpty(); }
    // The input listened to, empty when none.
    QByteArray inputId() const { return id_; }
    QString inputDescription() const { return description_; }

signals:
    // Listening has begun; the analysers' frame count starts from 0 at `sampleRate`.
    void started(int sampleRate);
    void inputUnavailable(listening::InputProblem problem, const QString& input);

private:
    bool prepare();
    void loaded();
    void workerStarted(int generation, int sampleRate);
    void workerFailed(int generation, bool lost);
    void report(InputProblem problem, const QString& input);

    std::vector<AudioAnalyser*> analysers_;
    QThread thread_;
    std::unique_ptr<InputCapture> worker_;
    int generation_ = 0;
    QByteArray id_;
    QString description_;
    std::optional<std::pair<InputProblem, QString>> reported_;
    std::thread loader_;
    bool isLoaded_ = false;
    std::vector<std::function<void()>> waitingForLoad_;
};

} // namespace listening

Q_DECLARE_METATYPE(listening::InputProblem)
