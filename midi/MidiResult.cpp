#include "MidiResult.h"

namespace midi {

std::optional<QString> errorText(int code) {
    switch (code) {
    case Ok:
        return QStringLiteral("The specified command was carried out.");
    case Error:
        return QStringLiteral("Undefined external error.");
    case BadDeviceId:
        return QStringLiteral("A device ID has been used that is out of range for your system.");
    case NotEnabled:
        return QStringLiteral("The driver was not enabled.");
    case Allocated:
        return QStringLiteral(
            "The specified device is already in use. Wait until it is free, and then try again.");
    case InvalidHandle:
        return QStringLiteral("The specified device handle is invalid.");
    case NoDriver:
        return QStringLiteral("There is no driver installed on your system.");
    case NoMemory:
        return QStringLiteral("There is not enough memory available for this task. Quit one or "
                              "more applications to increase available memory, and then try "
                              "again.");
    case NotSupported:
        return QStringLiteral("This function is not supported. Use the Capabilities function to "
                              "determine which functions and messages the driver supports.");
    case BadErrNum:
        return QStringLiteral("An error number was specified that is not defined in the system.");
    case InvalidFlag:
        return QStringLiteral("An invalid flag was passed to a system function.");
    case InvalidParam:
        return QStringLiteral("An invalid parameter was passed to a system function.");
    case Unprepared:
        return QStringLiteral("The header was not prepared. Prepare the header, and then try "
                              "again.");
    case StillPlaying:
        return QStringLiteral("Cannot perform this operation while media data is still playing. "
                              "Reset the device, or wait until the data is finished playing.");
    case NotReady:
        return QStringLiteral("The MIDI player is busy. Wait until it is free, and then try "
                              "again.");
    case NoDevice:
        return QStringLiteral("No MIDI port was found.");
    case NoSoundFont:
        return QStringLiteral("No General MIDI SoundFont is installed for the built-in "
                              "synthesizer.");
    case NoAudioOutput:
        return QStringLiteral("The built-in synthesizer could not open an audio output.");
    case QueueFull:
        return QStringLiteral("The sound output has not caught up with the earlier requests. "
                              "Wait a moment, and then try again.");
    default:
        return std::nullopt;
    }
}

} // namespace midi
