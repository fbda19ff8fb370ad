#include "MidiOut.h"

#include "MidiResult.h"

#include <QPointer>

namespace {

class SystemPlatform : public MidiOutputPlatform {
public:
    int deviceCount() override { return midi::deviceCount(); }
    int deviceCaps(int id, midi::DeviceCaps& caps) override { return midi::deviceCaps(id, caps); }
    std::unique_ptr<midi::OutputPort> open(int id, int& result) override {
        return midi::OutputPort::open(id, result);
    }
    std::optional<QString> errorText(int code) override { return midi::errorText(code); }
};

} // namespace

MidiOutputPlatform& MidiOutputPlatform::system() {
    static SystemPlatform platform;
    return platform;
}

TMidiOutput::TMidiOutput(QObject* parent, MidiOutputPlatform* platform)
    : QObject(parent), platform_(platform ? *platform : MidiOutputPlatform::system()) {
    deviceCount_ = static_cast<uint16_t>(platform_.deviceCount());
}

TMidiOutput::~TMidiOutput() {
    if (!closed_) {
        try {
            CloseDevice();
        } catch (const EmidioutputError&) {
            // Closing while destroyed: nothing is left to tell.
        }
    }
}

uint32_t TMidiOutput::PackShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    return uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16;
}

void TMidiOutput::raisePlatformError(int code) {
    lastError_ = static_cast<uint16_t>(code);
    throw EmidioutputError(platform_.errorText(code).value_or(
        QStringLiteral("Specified error number is out of range")));
}

int TMidiOutput::readCaps(int id, midi::DeviceCaps& caps) {
    return platform_.deviceCaps(id, caps);
}

bool TMidiOutput::OpenDevice() {
    int result = midi::Ok;
    port_ = platform_.open(deviceId_, result);
    if (port_)
        for (const auto& [channel, programs] : preparedPrograms_)
            port_->preparePrograms(channel, programs);
    // A refused device shows at the first message sent, as an invalid handle.
    lastError_ = static_cast<uint16_t>(result);
    closed_ = false;
    return true;
}

bool TMidiOutput::CloseDevice() {
    const bool wasOpen = !closed_;
    port_.reset();
    closed_ = true;
    return wasOpen;
}

void TMidiOutput::SendEvent(const TMidiOutputEvent& event) {
    if (closed_)
        throw EmidioutputError(QStringLiteral("MIDI Output device not open"));
    if (!event.longData.isEmpty())
        SendLongMessage(event.longData.constData(), static_cast<uint16_t>(event.longData.size()));
    else
        SendShortMessage(event.status, event.data1, event.data2);
}

void TMidiOutput::SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2) {
    if (!port_)
        raisePlatformError(midi::InvalidHandle);
    const int result = port_->sendShort(PackShortMessage(status, data1, data2));
    lastError_ = static_cast<uint16_t>(result);
    if (result != midi::Ok)
        raisePlatformError(result);
}

void TMidiOutput::SendLongMessage(const void* data, uint16_t length) {
    if (!port_)
        raisePlatformError(midi::InvalidHandle);
    const QByteArray bytes = length > 0 && data != nullptr
                                 ? QByteArray(static_cast<const char*>(data), length)
                                 : QByteArray();
    QPointer<TMidiOutput> self(this);
    const int result = port_->sendLong(bytes, [self] {
        if (self)
            emit self->Onmidioutput(self);
    });
    lastError_ = static_cast<uint16_t>(result);
    if (result != midi::Ok)
        raisePlatformError(result);
}

void TMidiOutput::PreparePrograms(uint8_t channel, const QList<int>& programs) {
    preparedPrograms_[channel] = programs;
    if (port_)
        port_->preparePrograms(channel, programs);
}

void TMidiOutput::SetDeviceID(int id) {
    if (!closed_)
        throw EmidioutputError(QStringLiteral("Change to DeviceID while device was open"));
    if (id != -1 && !(id >= 0 && id < platform_.deviceCount()))
        throw EmidioutputError(QStringLiteral("Invalid device ID"));
    deviceId_ = id;
    midi::DeviceCaps caps;
    const int result = readCaps(id, caps);
    lastError_ = static_cast<uint16_t>(result);
    if (result == midi::Ok) {
        productName_ = caps.productName;
        driverVersion_ = caps.driverVersion;
        technology_ = caps.technology;
        voices_ = caps.voices;
        notes_ = caps.notes;
        channelMask_ = caps.channelMask;
        support_ = caps.support;
    }
}

void TMidiOutput::SetProductName(const QString& name) {
    if (!closed_)
        throw EmidioutputError(QStringLiteral("Change to ProductName while device was open"));
    const int count = platform_.deviceCount();
    for (int id = -1; id < count; ++id) {
        midi::DeviceCaps caps;
        const int result = readCaps(id, caps);
        if (result != midi::Ok)
            raisePlatformError(result);
        if (caps.productName == name) {
            SetDeviceID(id);
            return;
        }
    }
    throw EmidioutputError(QStringLiteral("MIDI output Device ") + name +
                           QStringLiteral(" not installed"));
}
