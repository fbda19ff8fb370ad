#pragma once

#include <QString>
#include <optional>

namespace midi {

// Result codes of the MIDI service. 0 is success; the numbers follow the classic
// multimedia codes so that callers written against them read naturally.
enum Result : int {
    Ok = 0,
    Error = 1,         // unspecified error
    BadDeviceId = 2,   // the device identifier is out of range
    NotEnabled = 3,    // the driver failed to enable
    Allocated = 4,     // the device is already in use
    InvalidHandle = 5, // the handle is not an open device or stream
    NoDriver = 6,      // no device driver is present
    NoMemory = 7,      // memory could not be allocated
    NotSupported = 8,  // the function is not supported by this device
    BadErrNum = 9,     // the error number is out of range
    InvalidFlag = 10,
    InvalidParam = 11,
    Unprepared = 64,     // the header was not prepared
    StillPlaying = 65,   // buffers are still queued
    NotReady = 67,       // the device is busy
    NoDevice = 68,       // no MIDI port was found
    NoSoundFont = 100,   // the built-in synthesizer has no General MIDI SoundFont
    NoAudioOutput = 101, // the built-in synthesizer could not open an audio output
    QueueFull = 102,     // the sound thread has not yet taken the earlier requests
};

// The text of a result code, or nothing when the code is not one of ours.
std::optional<QString> errorText(int code);

} // namespace midi
