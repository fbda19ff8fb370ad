// The built-in synthesizer on a real sound server: a private PulseAudio with a null sink,
// started here in user mode with its own runtime folder. The output pauses while idle and
// opens again with the next note; a server killed in the middle of a question is reported
// once, the question still ends on time, and the next one plays once the server is back.
#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "MidiStream.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

using midi::StreamNotice;
using miditest::drum;
using miditest::NoticeLog;
using miditest::waitFor;

namespace {

pid_t spawnQuietly(std::vector<std::string> args) {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

bool succeeds(std::vector<std::string> args) {
    const pid_t pid = spawnQuietly(std::move(args));
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

void stop(pid_t& pid, int signal) {
    if (pid <= 0)
        return;
    kill(pid, signal);
    waitpid(pid, nullptr, 0);
    pid = -1;
}

class SoundServer {
public:
    SoundServer() {
        const std::string root = dir_.path().toStdString();
        QDir(dir_.path()).mkpath(QStringLiteral("pulse"));
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        setenv("PULSE_RUNTIME_PATH", (root + "/pulse").c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + root + "/native").c_str(), 1);
        setenv("PULSE_STATE_PATH", (root + "/pulse").c_str(), 1);
    }
    ~SoundServer() {
        stop(monitor_, SIGTERM);
        stop(server_, SIGTERM);
    }

    bool start() {
        const std::string root = dir_.path().toStdString();
        server_ = spawnQuietly(
            {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
             "module-native-protocol-unix auth-anonymous=1 socket=" + root + "/native", "-L",
             "module-null-sink sink_name=test rate=48000"});
        bool up = false;
        for (int i = 0; i < 100 && server_ > 0 && !up; ++i) {
            up = succeeds({"pactl", "info"});
            if (!up)
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        if (!up)
            return false;
        // An idle null sink renders silence far ahead; a low-latency reader of its monitor
        // soon makes it keep pace, as a sound card would.
        monitor_ = spawnQuietly({"parec", "-d", "test.monitor", "--latency-msec=5", "--raw"});
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        return true;
    }

    void kill() {
        stop(monitor_, SIGTERM);
        stop(server_, SIGKILL);
    }

private:
    QTemporaryDir dir_;
    pid_t server_ = -1;
    pid_t monitor_ = -1;
};

SoundServer* server = nullptr;

// A rhythm question's length of wood-block strokes, `seconds` long.
std::vector<midi::StreamEvent> question(int seconds) {
    std::vector<midi::StreamEvent> events;
    for (int beat = 0; beat < 2 * seconds; ++beat)
        events.push_back(drum(beat == 0 ? 0 : 50, 76));
    events.push_back(drum(50, 76, 0));
    return events;
}

} // namespace

TEST(SoundServer, PausesWhileIdleLosesTheServerOnceAndComesBack) {
    if (server == nullptr)
        GTEST_SKIP() << "no pulseaudio to test with";
    midi::SynthStatus& status = midi::SynthStatus::instance();
    int reports = 0;
    QObject::connect(&status, &midi::SynthStatus::soundUnavailable, [&] { ++reports; });
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    EXPECT_TRUE(midi::builtinSynthOutputOpen());
    EXPECT_EQ(reports, 0);

    // Nothing sounds: the output pauses, and the next note opens it again.
    EXPECT_TRUE(waitFor([] { return !midi::builtinSynthOutputOpen(); }, std::chrono::seconds(8)));
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    ASSERT_EQ(port->sendShort(0x7F4C99), midi::Ok);
    EXPECT_TRUE(midi::builtinSynthOutputOpen());

    // The server goes away in the middle of a question.
    const std::vector<midi::StreamEvent> first = question(2);
    NoticeLog log;
    auto stream = midi::MidiStream::open(midi::DefaultDevice, log.listener(), result);
    ASSERT_TRUE(stream);
    stream->setTimeDivision(50);
    ASSERT_EQ(stream->queue(first.data(), first.size()), midi::Ok);
    ASSERT_EQ(stream->restart(), midi::Ok);
    EXPECT_FALSE(waitFor([&] { return log.count(StreamNotice::Done) == 1; },
                         std::chrono::milliseconds(500)));
    server->kill();
    // The question still ends in its time, timed by the silent clock, and the loss is told.
    const auto killed = std::chrono::steady_clock::now();
    ASSERT_TRUE(
        waitFor([&] { return log.count(StreamNotice::Done) == 1; }, std::chrono::seconds(5)));
    EXPECT_LT(std::chrono::steady_clock::now() - killed, std::chrono::seconds(3));
    EXPECT_TRUE(waitFor([&] { return reports == 1; }, std::chrono::seconds(3)));
    EXPECT_FALSE(midi::builtinSynthOutputOpen());
    EXPECT_EQ(stream->close(), midi::Ok);

    // Questions asked while it is gone still run; the message is not repeated.
    EXPECT_TRUE(miditest::builtinDeviceStillWorks());
    EXPECT_EQ(reports, 1);

    // With the server back, the next question plays through it.
    ASSERT_TRUE(server->start());
    std::this_thread::sleep_for(std::chrono::milliseconds(1100));
    EXPECT_TRUE(miditest::builtinDeviceStillWorks());
    EXPECT_TRUE(midi::builtinSynthOutputOpen());
    EXPECT_EQ(reports, 1);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<SoundServer> owner;
    const bool listing =
        QCoreApplication::arguments().contains(QStringLiteral("--gtest_list_tests"));
    if (!listing && !QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() &&
        !QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        owner = std::make_unique<SoundServer>();
        if (owner->start())
            server = owner.get();
    }
    midi::SynthOptions options;
    options.audioDrivers = QStringList{QStringLiteral("pulseaudio")};
    midi::configureBuiltinSynth(options);
    return RUN_ALL_TESTS();
}
