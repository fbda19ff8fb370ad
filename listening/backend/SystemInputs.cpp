#include "SystemInputs.h"

#include <QMediaDevices>

#include <algorithm>

namespace listening {

namespace {

// The system's default input first, then the others in the system's order.
QList<QAudioDevice> devicesDefaultFirst() {
    QList<QAudioDevice> devices = QMediaDevices::audioInputs();
    const QByteArray defaultId = QMediaDevices::defaultAudioInput().id();
    const auto isDefault = [&](const QAudioDevice& d) { return d.id() == defaultId; };
    std::stable_partition(devices.begin(), devices.end(), isDefault);
    return devices;
}

} // namespace

QList<AudioInput> SystemInputs::list() {
    const QByteArray defaultId = QMediaDevices::defaultAudioInput().id();
    QList<AudioInput> inputs;
    for (const QAudioDevice& device : devicesDefaultFirst())
        inputs.append(AudioInput{device.id(), device.description(), device.id() == defaultId});
    return inputs;
}

std::optional<QAudioDevice> SystemInputs::device(const QByteArray& id) {
    for (const QAudioDevice& device : QMediaDevices::audioInputs())
        if (device.id() == id)
            return device;
    return std::nullopt;
}

bool SystemInputs::present(const QByteArray& id) {
    return device(id).has_value();
}

} // namespace listening
