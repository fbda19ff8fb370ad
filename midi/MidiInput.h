#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

namespace midi {

// Incoming MIDI: complete short messages from one input port at a time, handed over on the thread
// that owns the input (the UI thread). The system's ports are one source; tests are another.
class MidiInput {
public:
    using MessageHandler = std::function<void(const QByteArray& message)>;
    using LostHandler = std::function<void(const QString& port)>;

    virtual ~MidiInput() = default;

    // The names of the input ports there are now.
    virtual QStringList ports() const = 0;
    // Listens to the port of that name instead of the current one. Returns false with a sentence
    // for the user in `error` when it cannot.
    virtual bool open(const QString& port, QString* error) = 0;
    virtual void close() = 0;
    // The port listened to, empty when none.
    virtual QString openPort() const = 0;

    void onMessage(MessageHandler handler) { messageHandler_ = std::move(handler); }
    // Called once when the open port goes away (a keyboard unplugged); the input is then closed.
    void onLost(LostHandler handler) { lostHandler_ = std::move(handler); }

    // The port to listen to without being asked: the first that is not the system's
    // loop-back ("Midi Through"), which would hand back whatever the program itself plays.
    static QString preferredPort(const QStringList& ports);

protected:
    void deliver(const QByteArray& message) {
        if (messageHandler_)
            messageHandler_(message);
    }
    void portLost(const QString& port) {
        if (lostHandler_)
            lostHandler_(port);
    }

private:
    MessageHandler messageHandler_;
    LostHandler lostHandler_;
};

} // namespace midi
