#pragma once

#include "ClapHearing.h"

#include <QObject>
#include <QString>

#include <memory>

namespace listening {
class MicrophoneCapture;
}

// Claps and taps heard by the microphone while the student taps an answer. The capture and the
// onset detector run on a worker thread; each clap is handed to the UI thread with how long ago
// its sound began, so that it can be placed on the trainer's clock.
class MicrophoneTaps final : public QObject {
    Q_OBJECT
public:
    explicit MicrophoneTaps(QObject* parent = nullptr);
    ~MicrophoneTaps() override;

    // The input listened to: its id or description; empty for the system's default input.
    void setInput(const QString& input) { input_ = input; }
    const QString& input() const { return input_; }
    // Listens from now on; false when there is no input to listen to (taps then come from the
    // keys alone).
    bool start();
    void stop();
    bool isListening() const;

signals:
    // A clap whose sound began `agoMs` milliseconds before this signal arrived.
    void heard(double agoMs);

private:
    void deliver(double agoMs, qint64 stampNs);

    QString input_;
    listening::ClapHearing hearing_;
    std::unique_ptr<listening::MicrophoneCapture> capture_;
};
