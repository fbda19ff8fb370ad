#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

namespace midi {

// Device -1 is the default device and always exists: the built-in synthesizer.
// Numbered devices 0..deviceCount()-1 are the built-in synthesizer first, then the
// system's MIDI output ports (ALSA sequencer), in the order the system lists them.
constexpr int DefaultDevice = -1;
constexpr int BuiltinDevice = 0;

// What a device reports about itself.
struct DeviceCaps {
    QString productName;
    uint32_t driverVersion = 0;
    uint8_t technology = 0; // 7 = software synthesizer, 1 = MIDI port
    uint16_t voices = 0;
    uint16_t notes = 0;
    uint16_t channelMask = 0xFFFF;
    uint32_t support = 0; // bit 0: volume control, bit 3: stream playback
};

constexpr uint8_t TechnologyMidiPort = 1;
constexpr uint8_t TechnologySoftwareSynth = 7;
constexpr uint32_t SupportsVolume = 0x0001;
constexpr uint32_t SupportsStream = 0x0008;

// The number of numbered devices (at least 1: the built-in synthesizer).
// The list of system ports is read once and kept; refreshDevices() reads it again.
int deviceCount();
void refreshDevices();

// Capabilities of device id (-1 .. deviceCount()-1); a Result code.
int deviceCaps(int id, DeviceCaps& caps);

// The product names of the numbered devices, in order.
QStringList deviceNames();

// The built-in synthesizer's product name.
QString builtinProductName();

} // namespace midi
