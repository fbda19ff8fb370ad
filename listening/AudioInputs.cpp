#include "AudioInputs.h"

#include <QMediaDevices>

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

QList<AudioInput> AudioInputs::list() {
    const QByteArray defaultId = QMediaDevices::defaultAudioInput().id();
    QList<AudioInput> inputs;
    for (const QAudioDevice& device : devicesDefaultFirst())
        inputs.append(AudioInput{device.id(), device.description(), device.id() == defaultId});
    return inputs;
}

std::optional<QAudioDevice> AudioInputs::find(const QString& idOrDescription) {
    const QList<QAudioDevice> devices = devicesDefaultFirst();
    if (devices.isEmpty())
        return std::nullopt;
    if (idOrDescription.isEmpty())
        return devices.first();
    for (const QAudioDevice& device : devices)
        if (device.id() == idOrDescription.toUtf8())
            return device;
    for (const QAudioDevice& device : devices)
        if (device.description() == idOrDescription)
            return device;
    return std::nullopt;
}

bool AudioInputs::present(const QByteArray& id) {
    const QList<QAudioDevice> devices = QMediaDevices::audioInputs();
    return std::any_of(devices.begin(), devices.end(),
                       [&](const QAudioDevice& d) { return d.id() == id; });
}

} // namespace listening
