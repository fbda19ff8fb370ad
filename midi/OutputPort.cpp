#include "OutputPort.h"

#include "MidiDevices.h"
#include "MidiResult.h"
#include "SynthEngine.h"
#include "SystemPorts.h"

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
        SynthEngine::instance().sendShort(message);
        return Ok;
    }

    int sendLong(const QByteArray& data, std::function<void()> done) override {
        if (data.isEmpty())
            return InvalidParam;
        SynthEngine::instance().sendLong(data);
        postDone(std::move(done));
        return Ok;
    }

    int reset() override {
        SynthEngine::instance().resetOutput();
        return Ok;
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
