#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <mutex>

class RtMidiOut;

namespace midi {

// The system's MIDI output ports (ALSA sequencer through RtMidi). A machine without an
// ALSA sequencer simply has none.
class SystemPorts {
public:
    // The names of the output ports, read from the system now.
    static QStringList list();
};

// One connection to a system MIDI output port. Thread-safe: the UI thread and a timing
// thread may send at the same time.
class SystemPortConnection {
public:
    ~SystemPortConnection();

    // Connects to port `index` of list(); null with a Result code on failure.
    static std::unique_ptr<SystemPortConnection> open(int index, int& result);

    int sendShort(uint32_t message);
    int sendBytes(const unsigned char* data, size_t size);
    void resetOutput(); // sustain off and all notes off on every channel

private:
    SystemPortConnection() = default;
    std::mutex mutex_;
    std::unique_ptr<RtMidiOut> out_;
};

} // namespace midi
