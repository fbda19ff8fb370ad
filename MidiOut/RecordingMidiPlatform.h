#pragma once

#include "MidiOut.h"

#include <QStringList>

#include <functional>

// A MIDI output service that sounds nothing and reports every message sent to any of its
// devices: for running the pitch trainer from a script, and for tests. Its devices are the
// numbers 0 .. names.size() - 1 and the default device -1, which has the first name.
class RecordingMidiPlatform final : public MidiOutputPlatform {
public:
    struct Message {
        int device = 0;
        uint8_t status = 0;
        uint8_t data1 = 0;
        uint8_t data2 = 0;
    };

    explicit RecordingMidiPlatform(QStringList names);

    // Called for every short message, in order.
    std::function<void(const Message&)> onMessage;
    std::vector<Message> sent;
    int opened = 0; // how many times a device was opened
    int openDevice = -2; // the device opened last

    int deviceCount() override;
    int deviceCaps(int id, midi::DeviceCaps& caps) override;
    std::unique_ptr<midi::OutputPort> open(int id, int& result) override;
    std::optional<QString> errorText(int code) override;

private:
    void record(const Message& message);
    QStringList names_;
};
