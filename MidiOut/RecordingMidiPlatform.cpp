#include "RecordingMidiPlatform.h"

#include "MidiResult.h"

namespace {

class RecordingPort final : public midi::OutputPort {
public:
    RecordingPort(int id, std::function<void(const RecordingMidiPlatform::Message&)> record)
        : id_(id), record_(std::move(record)) {}
    int sendShort(uint32_t message) override {
        record_({id_, static_cast<uint8_t>(message & 0xFF), static_cast<uint8_t>(message >> 8),
                 static_cast<uint8_t>(message >> 16)});
        return midi::Ok;
    }
    int sendLong(const QByteArray&, std::function<void()>) override { return midi::Ok; }
    int reset() override { return midi::Ok; }
    int deviceId() const override { return id_; }

private:
    int id_;
    std::function<void(const RecordingMidiPlatform::Message&)> record_;
};

} // namespace

RecordingMidiPlatform::RecordingMidiPlatform(QStringList names) : names_(std::move(names)) {
    if (names_.isEmpty())
        names_.append(QStringLiteral("MIDI output"));
}

int RecordingMidiPlatform::deviceCount() {
    return static_cast<int>(names_.size());
}

int RecordingMidiPlatform::deviceCaps(int id, midi::DeviceCaps& caps) {
    if (id < -1 || id >= deviceCount())
        return midi::BadDeviceId;
    caps.productName = names_.at(std::max(id, 0));
    caps.technology = midi::TechnologySoftwareSynth;
    return midi::Ok;
}

std::unique_ptr<midi::OutputPort> RecordingMidiPlatform::open(int id, int& result) {
    if (id < -1 || id >= deviceCount()) {
        result = midi::BadDeviceId;
        return nullptr;
    }
    result = midi::Ok;
    ++opened;
    openDevice = id;
    return std::make_unique<RecordingPort>(id, [this](const Message& m) { record(m); });
}

std::optional<QString> RecordingMidiPlatform::errorText(int code) {
    return midi::errorText(code);
}

void RecordingMidiPlatform::record(const Message& message) {
    sent.push_back(message);
    if (onMessage)
        onMessage(message);
}
