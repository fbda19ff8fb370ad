// The microphone's path through a real sound server: a private PulseAudio whose default input
// reads a null sink's monitor, and recordings played into that sink. The capture lists and
// picks inputs, hears a sung note on its worker thread, and says once that there is no input
// or that the input went away.
#include "HearingLog.h"
#include "MicrophoneCapture.h"
#include "OtherSounds.h"
#include "PrivateSoundServer.h"
#include "SingingAnalyser.h"
#include "SoundMix.h"
#include "SyntheticVoice.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>

using listening::InputProblem;
using listening::MicrophoneCapture;

namespace {

PrivateSoundServer* server = nullptr;
int microphoneModule = -1;

bool waitFor(const std::function<bool()>& done, int ms) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

// Counts what reaches the analysers, and where.
class BlockCounter final : public listening::AudioAnalyser {
public:
    void analyse(std::span<const float> samples, int sampleRate, std::int64_t firstFrame) override {
        if (QThread::currentThread() == QCoreApplication::instance()->thread())
            onUiThread = true;
        if (firstFrame != nextFrame)
            gaps += 1;
        nextFrame = firstFrame + static_cast<std::int64_t>(samples.size());
        rate = sampleRate;
        blocks += 1;
    }
    std::atomic<int> blocks{0};
    std::atomic<int> gaps{0};
    std::atomic<int> rate{0};
    std::atomic<bool> onUiThread{false};
    std::int64_t nextFrame = 0;
};

struct Problems {
    std::vector<std::pair<InputProblem, QString>> seen;
    void watch(MicrophoneCapture& capture) {
        QObject::connect(
            &capture, &MicrophoneCapture::inputUnavailable,
            [this](InputProblem p, const QString& input) { seen.emplace_back(p, input); });
    }
};

} // namespace

// The microphone's libraries load beside the window: what waits for them runs afterwards on the
// capture's own thread, in the order it came, and at once when they are loaded already.
TEST(Capture, LoadsBesideTheWindowThenRunsWhatWaited) {
    BlockCounter counter;
    MicrophoneCapture capture({&counter});
    std::vector<int> order;
    QThread* ranOn = nullptr;
    capture.whenLoaded([&] {
        order.push_back(1);
        ranOn = QThread::currentThread();
    });
    capture.whenLoaded([&] { order.push_back(2); });
    EXPECT_TRUE(order.empty());
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }, 5000));
    EXPECT_EQ(order, (std::vector<int>{1, 2}));
    EXPECT_EQ(ranOn, capture.thread());
    capture.whenLoaded([&] { order.push_back(3); });
    EXPECT_EQ(order.back(), 3);
}

// A capture that ends while its libraries load waits for the load, and runs nothing of what
// waited on it.
TEST(Capture, EndsWhileLoadingWithoutRunningWhatWaited) {
    bool ran = false;
    {
        MicrophoneCapture capture({});
        capture.whenLoaded([&] { ran = true; });
    }
    QCoreApplication::processEvents();
    EXPECT_FALSE(ran);
}

// Sound inputs never list a monitor, so the server has none until a microphone is added.
TEST(Capture, NoInputIsReportedOnce) {
    if (!server)
        GTEST_SKIP() << "PulseAudio could not be started";
    BlockCounter counter;
    MicrophoneCapture capture({&counter});
    Problems problems;
    problems.watch(capture);
    EXPECT_TRUE(MicrophoneCapture::inputs().isEmpty());
    EXPECT_FALSE(capture.listen());
    EXPECT_FALSE(capture.listen());
    EXPECT_FALSE(capture.isListening());
    ASSERT_EQ(problems.seen.size(), 1u);
    EXPECT_EQ(problems.seen[0].first, InputProblem::NoInput);
}

TEST(Capture, HearsANoteSungIntoTheDefaultInput) {
    if (!server)
        GTEST_SKIP() << "PulseAudio could not be started";
    microphoneModule =
        server->addMicrophone(QStringLiteral("microphone"), QStringLiteral("Test microphone"));
    ASSERT_GE(microphoneModule, 0);
    ASSERT_TRUE(
        server->pactl({QStringLiteral("set-default-source"), QStringLiteral("microphone")}));
    ASSERT_TRUE(waitFor([] { return !MicrophoneCapture::inputs().isEmpty(); }, 5000));
    const QList<listening::AudioInput> inputs = MicrophoneCapture::inputs();
    EXPECT_EQ(inputs.first().id, QByteArray("microphone"));
    EXPECT_EQ(inputs.first().description, QStringLiteral("Test microphone"));
    EXPECT_TRUE(inputs.first().isDefault);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sung.wav"));
    std::vector<float> take = recordings::silence(0.5, 48000);
    recordings::mixInto(take, recordings::SyntheticVoice({}).note(57.1, 'a', 1.0), take.size());
    recordings::mixInto(take, recordings::silence(0.6, 48000), take.size());
    recordings::VoiceSettings alto;
    alto.female = true;
    recordings::mixInto(take, recordings::SyntheticVoice(alto).note(66.8, 'o', 1.0), take.size());
    recordings::mixInto(take, recordings::silence(0.5, 48000), take.size());
    ASSERT_TRUE(recordings::writeMonoWav(path, take, 48000));

    BlockCounter counter;
    listening::SingingAnalyser analyser;
    recordings::HearingLog log;
    log.attach(analyser);
    MicrophoneCapture capture({&counter, &analyser});
    int started = 0;
    QObject::connect(&capture, &MicrophoneCapture::started, [&] { ++started; });
    ASSERT_TRUE(capture.listen());
    EXPECT_EQ(capture.inputId(), QByteArray("microphone"));
    ASSERT_TRUE(waitFor([&] { return started == 1 && counter.blocks > 0; }, 5000));
    ASSERT_TRUE(server->startPlaying(path));
    // The tuner follows the singing and falls silent after it.
    EXPECT_TRUE(waitFor(
        [&] { return log.notes.size() >= 2 && !log.readings.empty() && !log.readings.back().sung; },
        10000));
    ASSERT_EQ(log.notes.size(), 2u);
    EXPECT_EQ(log.notes[0].note, 57);
    EXPECT_NEAR(log.notes[0].cents, 10, 6);
    EXPECT_EQ(log.notes[1].note, 67);
    EXPECT_NEAR(log.notes[1].cents, -20, 6);
    EXPECT_NEAR(log.notes[1].timeMs - log.notes[0].timeMs, 1600, 60);
    EXPECT_GT(log.readings.size(), 50u);
    EXPECT_FALSE(counter.onUiThread);
    EXPECT_EQ(counter.gaps, 0);
    EXPECT_EQ(counter.rate, 48000);
    capture.stop();
    EXPECT_FALSE(capture.isListening());
}

TEST(Capture, AnInputIsChosenByItsIdOrDescriptionAndItsLossIsReportedOnce) {
    if (!server || microphoneModule < 0)
        GTEST_SKIP() << "PulseAudio could not be started";
    const int second =
        server->addMicrophone(QStringLiteral("second"), QStringLiteral("Second microphone"));
    ASSERT_GE(second, 0);
    ASSERT_TRUE(waitFor([] { return MicrophoneCapture::inputs().size() == 2; }, 5000));
    EXPECT_EQ(MicrophoneCapture::inputs().first().id, QByteArray("microphone"));

    BlockCounter counter;
    MicrophoneCapture capture({&counter});
    Problems problems;
    problems.watch(capture);
    EXPECT_FALSE(capture.listen(QStringLiteral("A microphone that is not there")));
    ASSERT_EQ(problems.seen.size(), 1u);
    EXPECT_EQ(problems.seen[0].first, InputProblem::NotFound);

    ASSERT_TRUE(capture.listen(QStringLiteral("microphone")));
    EXPECT_EQ(capture.inputDescription(), QStringLiteral("Test microphone"));
    ASSERT_TRUE(capture.listen(QStringLiteral("Second microphone")));
    EXPECT_EQ(capture.inputId(), QByteArray("second"));
    ASSERT_TRUE(waitFor([&] { return counter.blocks > 5; }, 5000));

    ASSERT_TRUE(server->removeModule(second));
    ASSERT_TRUE(waitFor([&] { return problems.seen.size() == 2; }, 5000));
    EXPECT_EQ(problems.seen[1],
              std::make_pair(InputProblem::Lost, QStringLiteral("Second microphone")));
    EXPECT_FALSE(capture.isListening());
    const int blocksWhenLost = counter.blocks;
    waitFor([] { return false; }, 1500);
    EXPECT_EQ(problems.seen.size(), 2u);
    EXPECT_EQ(counter.blocks, blocksWhenLost);

    // The program goes on: the other input still listens.
    ASSERT_TRUE(capture.listen());
    EXPECT_TRUE(waitFor([&] { return counter.blocks > blocksWhenLost + 5; }, 5000));
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const bool listing =
        QCoreApplication::arguments().contains(QStringLiteral("--gtest_list_tests"));
    std::unique_ptr<PrivateSoundServer> owner;
    if (!listing) {
        owner = std::make_unique<PrivateSoundServer>();
        if (owner->start())
            server = owner.get();
    }
    return RUN_ALL_TESTS();
}
