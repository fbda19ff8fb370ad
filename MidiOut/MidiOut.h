#pragma once

#include "Failure.h"
#include "MidiDevices.h"
#include "OutputPort.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>

// Every failure of the MIDI output device, with a text for the student or teacher.
class EmidioutputError : public Failure {
public:
    explicit EmidioutputError(const QString& message) : Failure(message) {}
    const QString& message() const { return text(); }
};

// One MIDI message for SendEvent: a short message, or a long one when `longData` is set.
struct TMidiOutputEvent {
    uint8_t status = 0;
    uint8_t data1 = 0;
    uint8_t data2 = 0;
    QByteArray longData;
};

// What TMidiOutput needs of the system's MIDI output service; tests put a fake in its place.
class MidiOutputPlatform {
public:
    virtual ~MidiOutputPlatform() = default;
    virtual int deviceCount() = 0;
    virtual int deviceCaps(int id, midi::DeviceCaps& caps) = 0;
    virtual std::unique_ptr<midi::OutputPort> open(int id, int& result) = 0;
    virtual std::optional<QString> errorText(int code) = 0;

    // The system's own service (the built-in synthesizer and the MIDI ports).
    static MidiOutputPlatform& system();
};

// The pitch trainer's path to sound: opens one MIDI output device, chosen by number
// (-1 is the default device) or by product name, and sends short and long messages at
// once. Every failure raises EmidioutputError. Use it on the UI thread.
class TMidiOutput : public QObject {
    Q_OBJECT
public:
    explicit TMidiOutput(QObject* parent = nullptr, MidiOutputPlatform* platform = nullptr);
    ~TMidiOutput() override;

    virtual bool OpenDevice();
    virtual bool CloseDevice();
    virtual void SendEvent(const TMidiOutputEvent& event);
    virtual void SendShortMessage(uint8_t status, uint8_t data1, uint8_t data2);
    virtual void SendLongMessage(const void* data, uint16_t length);
    // The programs `channel` will use (an instrument, an error tone): a device that loads its
    // sounds, as the built-in synthesizer does, loads them ahead so that the first note of each
    // is on time, and lets go of those named before for the channel and not now. Kept for the
    // device opened next as well.
    void PreparePrograms(uint8_t channel, const QList<int>& programs);

    int DeviceID() const { return deviceId_; }
    void SetDeviceID(int id);
    QString ProductName() const { return productName_; }
    void SetProductName(const QString& name);

    bool IsOpen() const { return !closed_; }
    uint16_t LastError() const { return lastError_; }
    uint32_t DriverVersion() const { return driverVersion_; }
    uint8_t Technology() const { return technology_; }
    uint16_t Voices() const { return voices_; }
    uint16_t Notes() const { return notes_; }
    uint16_t ChannelMask() const { return channelMask_; }
    uint32_t Support() const { return support_; }
    uint16_t DeviceCount() const { return deviceCount_; }

    // The packed form of a short message: status | data1 << 8 | data2 << 16.
    static uint32_t PackShortMessage(uint8_t status, uint8_t data1, uint8_t data2);

signals:
    // A long message has been sent and its buffer released.
    void Onmidioutput(TMidiOutput* sender);

private:
    [[noreturn]] void raisePlatformError(int code);
    int readCaps(int id, midi::DeviceCaps& caps);

    MidiOutputPlatform& platform_;
    int deviceId_ = 0;
    std::unique_ptr<midi::OutputPort> port_;
    std::map<uint8_t, QList<int>> preparedPrograms_;
    bool closed_ = true;
    uint16_t lastError_ = 0;
    uint32_t driverVersion_ = 0;
    QString productName_;
    uint8_t technology_ = 0;
    uint16_t voices_ = 0;
    uint16_t notes_ = 0;
    uint16_t channelMask_ = 0;
    uint32_t support_ = 0;
    uint16_t deviceCount_ = 0;
};
