#include "MidiDevices.h"

#include "MidiResult.h"
#include "internal/SynthCore.h"
#include "internal/SystemPorts.h"

#include <mutex>
#include <optional>

namespace midi {

namespace {

std::mutex portsMutex;
std::optional<QStringList> cachedPorts;

QStringList ports() {
    std::lock_guard lock(portsMutex);
    if (!cachedPorts)
        cachedPorts = SystemPorts::list();
    return *cachedPorts;
}

} // namespace

QString builtinProductName() {
    return QStringLiteral("Built-in General MIDI Synthesizer");
}

int deviceCount() {
    return 1 + static_cast<int>(ports().size());
}

void refreshDevices() {
    std::lock_guard lock(portsMutex);
    cachedPorts.reset();
}

QStringList deviceNames() {
    QStringList names{builtinProductName()};
    names << ports();
    return names;
}

int deviceCaps(int id, DeviceCaps& caps) {
    if (id == DefaultDevice || id == BuiltinDevice) {
        // The synthesizer library's version as built against: asking the library itself would
        // load it.
        caps = DeviceCaps{};
        caps.productName = builtinProductName();
        caps.driverVersion =
            static_cast<uint32_t>(BUILTIN_SYNTH_VERSION_MAJOR << 8 | BUILTIN_SYNTH_VERSION_MINOR);
        caps.technology = TechnologySoftwareSynth;
        caps.voices = SynthCore::Polyphony;
        caps.notes = SynthCore::Polyphony;
        caps.channelMask = 0xFFFF;
        caps.support = SupportsVolume | SupportsStream;
        return Ok;
    }
    const QStringList names = ports();
    if (id < 0 || id - 1 >= names.size())
        return BadDeviceId;
    caps = DeviceCaps{};
    caps.productName = names.at(id - 1);
    caps.driverVersion = 0x0500;
    caps.technology = TechnologyMidiPort;
    caps.channelMask = 0xFFFF;
    caps.support = SupportsStream;
    return Ok;
}

} // namespace midi
