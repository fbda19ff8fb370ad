#pragma once

#include "MidiDevices.h"

#include <QByteArray>
#include <QList>
#include <cstdint>
#include <functional>
#include <memory>

namespace midi {

// One open MIDI output device: immediate short messages, long (system-exclusive)
// messages with a completion notice, and an output reset. Use on the UI thread.
class OutputPort {
public:
    virtual ~OutputPort() = default;

    // Opens device id (-1 = the default device). On failure returns null and sets result.
    static std::unique_ptr<OutputPort> open(int id, int& result);

    // A packed short message: status | data1 << 8 | data2 << 16. Sent at once.
    virtual int sendShort(uint32_t message) = 0;

    // A long message. `done` runs on the UI thread once the data has been sent and
    // the buffer is free again (never from inside this call).
    virtual int sendLong(const QByteArray& data, std::function<void()> done) = 0;

    // All sounding notes off.
    virtual int reset() = 0;

    // The programs `channel` is about to use, for a device that loads sounds (the built-in
    // synthesizer loads them ahead, so that their first notes are on time, and lets go of those
    // named before for the channel and not now). Other devices need nothing.
    virtual void preparePrograms(int channel, const QList<int>& programs) {
        (void)channel;
        (void)programs;
    }

    virtual int deviceId() const = 0;
};

} // namespace midi
