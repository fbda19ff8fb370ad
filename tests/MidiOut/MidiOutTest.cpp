#include "MidiOut.h"
#include "MidiResult.h"

#include <QCoreApplication>
#include <QThread>
#include <gtest/gtest.h>

namespace {

// Two devices besides the default one; every call can be made to fail.
class FakePlatform : public MidiOutputPlatform {
public:
    struct Port : midi::OutputPort {
        FakePlatform& platform;
        int id;
        Port(FakePlatform& p, int i) : platform(p), id(i) {}
        int sendShort(uint32_t message) override {
            platform.sent.push_back(message);
            return platform.sendResult;
        }
        int sendLong(const QByteArray& data, std::function<void()> done) override {
            platform.longSent.push_back(data);
            if (platform.sendResult == midi::Ok && done)
                QMetaObject::invokeMethod(QCoreApplication::instance(), done, Qt::QueuedConnection);
            return platform.sendResult;
        }
        int reset() override { return midi::Ok; }
        int deviceId() const override { return id; }
    };

    QStringList names{"Default Synth", "Synth A", "Port B"};
    int openResult = midi::Ok;
    int sendResult = midi::Ok;
    int capsFailsFor = -99;
    std::vector<uint32_t> sent;
    std::vector<QByteArray> longSent;

    int deviceCount() override { return 2; }
    int deviceCaps(int id, midi::DeviceCaps& caps) override {
        if (id == capsFailsFor)
            return midi::NoDriver;
        if (id < -1 || id > 1)
            return midi::BadDeviceId;
        caps.productName = names.at(id + 1);
        caps.voices = static_cast<uint16_t>(10 + id);
        caps.technology = id == 1 ? midi::TechnologyMidiPort : midi::TechnologySoftwareSynth;
        return midi::Ok;
    }
    std::unique_ptr<midi::OutputPort> open(int id, int& result) override {
        result = openResult;
        return openResult == midi::Ok ? std::make_unique<Port>(*this, id) : nullptr;
    }
    std::optional<QString> errorText(int code) override {
        if (code == 12345)
            return std::nullopt;
        return midi::errorText(code);
    }
};

QString raised(const std::function<void()>& action) {
    try {
        action();
    } catch (const EmidioutputError& error) {
        return error.message();
    }
    return QString();
}

} // namespace

TEST(MidiOutput, ChoosingADeviceByNumber) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    EXPECT_EQ(output.DeviceCount(), 2);
    output.SetDeviceID(-1); // the default device always passes
    EXPECT_EQ(output.ProductName(), "Default Synth");
    output.SetDeviceID(1);
    EXPECT_EQ(output.ProductName(), "Port B");
    EXPECT_EQ(output.Voices(), 11);
    EXPECT_EQ(output.Technology(), midi::TechnologyMidiPort);
    EXPECT_EQ(raised([&] { output.SetDeviceID(2); }), "Invalid device ID");
    EXPECT_EQ(raised([&] { output.SetDeviceID(-2); }), "Invalid device ID");
    EXPECT_EQ(output.DeviceID(), 1);
}

TEST(MidiOutput, ChoosingADeviceByName) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    output.SetProductName("Synth A");
    EXPECT_EQ(output.DeviceID(), 0);
    output.SetProductName("Default Synth");
    EXPECT_EQ(output.DeviceID(), -1);

    // Names compare exactly; a missing one changes nothing.
    EXPECT_EQ(raised([&] { output.SetProductName("synth a"); }),
              "MIDI output Device synth a not installed");
    EXPECT_EQ(output.DeviceID(), -1);
    EXPECT_EQ(output.ProductName(), "Default Synth");

    // A device that cannot report itself stops the search with the system's text.
    platform.capsFailsFor = 0;
    EXPECT_EQ(raised([&] { output.SetProductName("Port B"); }), *midi::errorText(midi::NoDriver));
    EXPECT_EQ(output.LastError(), midi::NoDriver);
    EXPECT_EQ(output.DeviceID(), -1);
}

TEST(MidiOutput, NothingChangesWhileOpen) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    output.SetDeviceID(0);
    EXPECT_TRUE(output.OpenDevice());
    EXPECT_EQ(raised([&] { output.SetDeviceID(1); }), "Change to DeviceID while device was open");
    EXPECT_EQ(raised([&] { output.SetProductName("Port B"); }),
              "Change to ProductName while device was open");
    EXPECT_EQ(output.DeviceID(), 0);
    EXPECT_TRUE(output.CloseDevice());
    EXPECT_FALSE(output.CloseDevice()); // already closed: no error
    output.SetDeviceID(1);
    EXPECT_EQ(output.DeviceID(), 1);
}

TEST(MidiOutput, ShortMessagesArePackedAndSentAtOnce) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    output.SetDeviceID(-1);
    output.OpenDevice();
    output.SendShortMessage(144, 60, 127);
    ASSERT_EQ(platform.sent.size(), 1u);
    EXPECT_EQ(platform.sent[0], 8338576u);
    EXPECT_EQ(TMidiOutput::PackShortMessage(144, 60, 127), 8338576u);
    output.SendEvent({0xC0, 24, 0, {}});
    EXPECT_EQ(platform.sent.back(), 0x18C0u);
}

TEST(MidiOutput, FailuresRaiseTheSystemsTextAndKeepTheState) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    // Closed: SendEvent refuses by itself; the plain send has no handle to send on.
    EXPECT_EQ(raised([&] {
                  output.SendEvent({0x90, 60, 127, {}});
              }),
              "MIDI Output device not open");
    EXPECT_EQ(raised([&] { output.SendShortMessage(0x90, 60, 127); }),
              *midi::errorText(midi::InvalidHandle));

    // A device that refuses to open still "opens"; the first message tells.
    platform.openResult = midi::Allocated;
    EXPECT_TRUE(output.OpenDevice());
    EXPECT_TRUE(output.IsOpen());
    EXPECT_EQ(output.LastError(), midi::Allocated);
    EXPECT_EQ(raised([&] { output.SendShortMessage(0x90, 60, 127); }),
              *midi::errorText(midi::InvalidHandle));
    output.CloseDevice();

    platform.openResult = midi::Ok;
    output.OpenDevice();
    platform.sendResult = midi::NotReady;
    EXPECT_EQ(raised([&] { output.SendShortMessage(0x90, 60, 127); }),
              *midi::errorText(midi::NotReady));
    platform.sendResult = 12345;
    EXPECT_EQ(raised([&] { output.SendShortMessage(0x90, 60, 127); }),
              "Specified error number is out of range");
    EXPECT_EQ(output.LastError(), 12345);
    EXPECT_TRUE(output.IsOpen());
}

TEST(MidiOutput, LongMessagesNotifyWhenTheBufferComesBack) {
    FakePlatform platform;
    TMidiOutput output(nullptr, &platform);
    output.OpenDevice();
    int notices = 0;
    QObject::connect(&output, &TMidiOutput::Onmidioutput, [&](TMidiOutput* sender) {
        EXPECT_EQ(sender, &output);
        ++notices;
    });
    const char gmOn[] = "\xF0\x7E\x7F\x09\x01\xF7";
    output.SendLongMessage(gmOn, 6);
    EXPECT_EQ(notices, 0); // only from the event loop
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 1);
    ASSERT_EQ(platform.longSent.size(), 1u);
    EXPECT_EQ(platform.longSent[0], QByteArray(gmOn, 6));

    output.SendEvent({0, 0, 0, QByteArray(gmOn, 6)});
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 2);

    platform.sendResult = midi::InvalidParam;
    EXPECT_EQ(raised([&] { output.SendLongMessage(nullptr, 0); }),
              *midi::errorText(midi::InvalidParam));
    QCoreApplication::processEvents();
    EXPECT_EQ(notices, 2);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
