#include "OutputPort.h"

#include "MidiDevices.h"
#include "MidiResult.h"
#include "internal/SynthEngine.h"
#include "internal/SystemPorts.h"

#include <QCoreApplication>
#include <QMetaObject>

namespace midi {

namespace {

void postDone(std::function<void()> done) {
    if (!done)
        return;
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, std::move(done), Qt::QueuedConnection);
}

class BuiltinOutputPort : public OutputPort {
public:
    explicit BuiltinOutputPort(int id) : id_(id) { SynthEngine::instance().start(); }

    int sendShort(uint32_t message) override {
        if ((message & 0x80) == 0)
            return InvalidParam;
        return SynthEngine::instance().sendShort(message) ? Ok : QueueFull;
    }

    int sendLong(const QByteArray& data, std::function<void()> done) override {
        if (data.isEmpty())
            return InvalidParam;
        if (static_cast<std::size_t>(data.size()) > StreamPlayer::MaxLongMessage)
            return InvalidParam;
        if (!SynthEngine::instance().sendLong(data))
            return QueueFull;
        postDone(std::move(done));
        return Ok;
    }

    int reset() override { return SynthEngine::instance().resetOutput() ? Ok : QueueFull; }

    void preparePrograms(int channel, const QList<int>& programs) override {
        prepareBuiltinSynthPrograms(channel, programs);
    }

    int deviceId() const override { return id_; }

private:
    int id_;
};

class SystemOutputPort : public OutputPort {
public:
    SystemOutputPort(int id, std::unique_ptr<SystemPortConnection> connection)
        : id_(id), connection_(std::move(connection)) {}

    int sendShort(uint32_t message) override { return connection_->sendShort(message); }

    int sendLong(const QByteArray& data, std::function<void()> done) override {
        if (data.isEmpty())
            return InvalidParam;
        const int result =
            connection_->sendBytes(reinterpret_cast<const unsigned char*>(data.constData()),
                                   static_cast<size_t>(data.size()));
        if (result == Ok)
            postDone(std::move(done));
        return result;
    }

    int reset() override {
        connection_->resetOutput();
        return Ok;
    }

    int deviceId() const override { return id_; }

private:
    int id_;
    std::unique_ptr<SystemPortConnection> connection_;
};

} // namespace

std::unique_ptr<OutputPort> OutputPort::open(int id, int& result) {
    if (id == DefaultDevice || id == BuiltinDevice) {
        result = Ok;
        return std::make_unique<BuiltinOutputPort>(id);
    }
    if (id < DefaultDevice || id >= deviceCount()) {
        result = BadDeviceId;
        return nullptr;
    }
    auto connection = SystemPortConnection::open(id - 1, result);
    if (!connection)
        return nullptr;
    return std::make_unique<SystemOutputPort>(id, std::move(connection));
}

} // namespace midi
