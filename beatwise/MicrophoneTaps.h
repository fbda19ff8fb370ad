#pragma once

#include "ClapHearing.h"

#include <QObject>
#include <QString>

#include <memory>

namespace listening {
class MicrophoneCapture;
}

// Claps and taps heard by the microphone. The capture and the onset detector run on a worker
// thread; each clap is handed to the UI thread with how long ago its sound began, so that it can
// be placed on the trainer's clock. Which input it listens to is the microphone menu's choice.
class MicrophoneTaps final : public QObject {
    Q_OBJECT
public:
    explicit MicrophoneTaps(QObject* parent = nullptr);
    ~MicrophoneTaps() override;

    listening::MicrophoneCapture& capture() { return *capture_; }
    bool isListening() const;

signals:
    // A clap whose sound began `agoMs` milliseconds before this signal arrived.
    void heard(double agoMs);

private:
    void deliver(double agoMs, qint64 stampNs);

    listening::ClapHearing hearing_;
    std::unique_ptr<listening::MicrophoneCapture> capture_;
};
