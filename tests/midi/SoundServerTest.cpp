// The built-in synthesizer on a real sound server: a private PulseAudio with a null sink,
// started here in user mode with its own runtime folder. Notes are heard at their time and a
// held note does not break up; the output pauses while idle and opens again with the next
// note; a server killed in the middle of a question is reported once, the question still ends
// on time, and the next one plays once the server is back.
#include "BuiltinSynth.h"
#include "MidiResult.h"
#include "MidiStream.h"
#include "MidiTestSupport.h"
#include "OutputPort.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <atomic>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <pthread.h>
#include <sched.h>
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

pid_t spawnQuietly(std::vector<std::string> args, const std::string& output = "/dev/null") {
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0600);
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

// A reader of the sink's monitor stands in for a sound card, which takes every sample on time:
// it runs at real-time priority where the system allows, so that the load of a busy machine
// does not hold it up (a late reader makes the server skip sink output).
std::vector<std::string> asSoundCard(std::vector<std::string> command) {
    static const bool allowed = succeeds({"chrt", "-f", "10", "true"});
    if (allowed)
        command.insert(command.begin(), {"chrt", "-f", "10"});
    return command;
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
            {"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no",
             // Real-time scheduling where the system grants it, as desktops run the server.
             "--realtime=yes", "--high-priority=yes", "-L",
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
        monitor_ =
            spawnQuietly(asSoundCard({"parec", "-d", "test.monitor", "--latency-msec=5", "--raw"}));
        std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        return true;
    }

    // Holds the server up, as a processor taken away from it would, for `time`.
    void holdUp(std::chrono::milliseconds time) {
        ::kill(server_, SIGSTOP);
        std::this_thread::sleep_for(time);
        ::kill(server_, SIGCONT);
    }

    void kill() {
        stop(monitor_, SIGTERM);
        stop(server_, SIGKILL);
    }

    // Records the sink's monitor (16-bit stereo at 48 kHz) until stopRecording().
    void startRecording() {
        recording_ = dir_.filePath(QStringLiteral("monitor.raw")).toStdString();
        recorder_ =
            spawnQuietly(asSoundCard({"parec", "-d", "test.monitor", "--raw", "--format=s16le",
                                      "--rate=48000", "--channels=2", "--latency-msec=5"}),
                         recording_);
    }
    std::vector<int16_t> stopRecording() {
        stop(recorder_, SIGTERM);
        QFile file(QString::fromStdString(recording_));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QByteArray bytes = file.readAll();
        std::vector<int16_t> samples(static_cast<size_t>(bytes.size()) / 2);
        std::memcpy(samples.data(), bytes.constData(), samples.size() * 2);
        return samples;
    }

private:
    QTemporaryDir dir_;
    pid_t server_ = -1;
    pid_t monitor_ = -1;
    pid_t recorder_ = -1;
    std::string recording_;
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

constexpr int Rate = 48000;

// Frames where the right channel rises above `level` and far above what it was a few
// milliseconds before (the held note on the left is heard a little on the right too).
std::vector<long> rightOnsets(const std::vector<int16_t>& s, int level) {
    std::vector<long> onsets;
    const long frames = static_cast<long>(s.size() / 2);
    for (long f = Rate / 200; f < frames; ++f) {
        const int value = std::abs(static_cast<int>(s[2 * f + 1]));
        if (value <= level || (!onsets.empty() && f - onsets.back() < Rate / 10))
            continue;
        int before = 0;
        for (long g = f - Rate / 200; g < f - Rate / 400; ++g)
            before = std::max(before, std::abs(static_cast<int>(s[2 * g + 1])));
        if (value > 3 * before)
            onsets.push_back(f);
    }
    return onsets;
}

// Silent runs of the left channel longer than half a millisecond between `from` and `to`.
int leftGaps(const std::vector<int16_t>& s, long from, long to) {
    int gaps = 0;
    long run = 0;
    for (long f = from; f < to && 2 * f < static_cast<long>(s.size()); ++f) {
        run = std::abs(static_cast<int>(s[2 * f])) <= 1 ? run + 1 : 0;
        if (run == Rate / 2000 + 1)
            gaps += 1;
    }
    return gaps;
}

} // namespace

namespace {

// Real-time threads, one on each processor, that only sleep a millisecond at a time, counting
// the wakeups that came more than 5 ms late: the times the machine itself stopped a processor
// (a loaded virtual machine does). Each such stall may break up any sound, the server's too; the
// tests allow a few gaps for each.
class MachineStalls {
public:
    MachineStalls() {
        const long processors = sysconf(_SC_NPROCESSORS_ONLN);
        for (long cpu = 0; cpu < processors; ++cpu)
            threads_.emplace_back([this, cpu] { watch(static_cast<int>(cpu)); });
    }
    ~MachineStalls() {
        stop_ = true;
        for (std::thread& thread : threads_)
            thread.join();
    }
    int stalls() const { return stalls_; }
    // The gaps a held note may show: one, and a few for each stall of the machine.
    int allowedGaps() const { return 1 + 4 * stalls_; }

private:
    void watch(int cpu) {
        cpu_set_t set;
        CPU_ZERO(&set);
        CPU_SET(cpu, &set);
        pthread_setaffinity_np(pthread_self(), sizeof set, &set);
        sched_param parameter{};
        parameter.sched_priority = 20;
        pthread_setschedparam(pthread_self(), SCHED_FIFO, &parameter);
        while (!stop_) {
            const auto due = std::chrono::steady_clock::now() + std::chrono::milliseconds(1);
            std::this_thread::sleep_until(due);
            if (std::chrono::steady_clock::now() - due > std::chrono::milliseconds(5))
                stalls_ += 1;
        }
    }

    std::atomic<bool> stop_{false};
    std::atomic<int> stalls_{0};
    std::vector<std::thread> threads_;
};

// What a thread of this process has caused to be read from storage, in bytes.
long long threadStorageReads(int thread) {
    QFile io(QStringLiteral("/proc/self/task/%1/io").arg(thread));
    if (!io.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : io.readAll().split('\n'))
        if (line.startsWith("read_bytes:"))
            return line.mid(11).trimmed().toLongLong();
    return -1;
}

// Drops the SoundFont from the page cache, so that whatever reads it next reads the disk.
void evictSoundFont() {
    const int fd = ::open(QFile::encodeName(midi::findGeneralMidiSoundFont()).constData(),
                          O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return;
    posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
    ::close(fd);
}

} // namespace

// The audio thread keeps the stream filled on its own clock: a note held for seconds does not
// break up, and wood-block strokes sent apart are heard just as far apart (a level that ran
// dry or kept growing would show in both).
TEST(SoundServer, NotesAreHeardAtTheirTimeAndAHeldNoteDoesNotBreakUp) {
    if (server == nullptr)
        GTEST_SKIP() << "no pulseaudio to test with";
    // The organ and the kit are named ahead, as the programs name theirs: they are loaded by the
    // time the synthesizer is ready, so that no note waits for its sound.
    midi::prepareBuiltinSynthPrograms(0, {19});
    midi::prepareBuiltinSynthPrograms(9, {0});
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    server->startRecording();
    const MachineStalls machine;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // An organ held hard left, the strokes hard right, neither with reverb or chorus.
    for (uint32_t message :
         {0x000AB0u, 0x005BB0u, 0x005DB0u, 0x7F0AB9u, 0x005BB9u, 0x005DB9u, 0x13C0u, 0x643C90u})
        ASSERT_EQ(port->sendShort(message), midi::Ok);
    std::vector<std::chrono::steady_clock::time_point> sent;
    for (int stroke = 0; stroke < 5; ++stroke) {
        std::this_thread::sleep_for(std::chrono::milliseconds(stroke == 0 ? 300 : 450));
        sent.push_back(std::chrono::steady_clock::now());
        ASSERT_EQ(port->sendShort(0x7F4C99), midi::Ok);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_EQ(port->sendShort(0x3C80), midi::Ok);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::vector<int16_t> recording = server->stopRecording();

    const std::vector<long> onsets = rightOnsets(recording, 1500);
    ASSERT_EQ(onsets.size(), sent.size());
    for (size_t i = 1; i < onsets.size(); ++i) {
        const double heardMs = (onsets[i] - onsets[i - 1]) * 1000.0 / Rate;
        const double sentMs =
            std::chrono::duration<double, std::milli>(sent[i] - sent[i - 1]).count();
        EXPECT_NEAR(heardMs, sentMs, 15.0) << "stroke " << i;
    }
    // The held note, from just after its start to just before its release. A loaded machine
    // may hold up the sound server now and then; a stream that runs dry breaks up all the time.
    EXPECT_LE(leftGaps(recording, onsets.front() - Rate / 5, onsets.back() + Rate / 4),
              machine.allowedGaps())
        << machine.stalls() << " stalls of the machine";
}

// A wrong answer in the pitch trainer: the error tone's program and note on the instrument's
// channel, and 100 ms later the instrument's program again. Both sounds named ahead, the audio
// thread reads nothing from the disk, and a note held on another channel does not break up.
TEST(SoundServer, AWrongAnswersSwitchToTheErrorToneAndBackPlaysWithoutAGap) {
    if (server == nullptr)
        GTEST_SKIP() << "no pulseaudio to test with";
    midi::prepareBuiltinSynthPrograms(0, {40, 113});
    midi::prepareBuiltinSynthPrograms(1, {19});
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    ASSERT_TRUE(waitFor([] { return midi::builtinSynthAudioFigures().threadId != 0; }));
    const int audioThread = midi::builtinSynthAudioFigures().threadId;
    evictSoundFont();
    const long long readBefore = threadStorageReads(audioThread);
    server->startRecording();
    const MachineStalls machine;
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    // An organ held hard left on channel 2; the violin and the error tone hard right on 1.
    for (uint32_t message : {0x000AB1u, 0x005BB1u, 0x005DB1u, 0x13C1u, 0x643091u, 0x7F0AB0u,
                             0x005BB0u, 0x005DB0u, 0x28C0u, 0x643C90u})
        ASSERT_EQ(port->sendShort(message), midi::Ok);
    for (int answer = 0; answer < 5; ++answer) {
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
        for (uint32_t message : {0x71C0u, 0x7F5190u}) // the error tone
            ASSERT_EQ(port->sendShort(message), midi::Ok);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        for (uint32_t message : {0x5180u, 0x28C0u, 0x3C80u, 0x643C90u}) // the notes again
            ASSERT_EQ(port->sendShort(message), midi::Ok);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
    ASSERT_EQ(port->sendShort(0x3C80), midi::Ok);
    ASSERT_EQ(port->sendShort(0x3081), midi::Ok);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const std::vector<int16_t> recording = server->stopRecording();

    EXPECT_EQ(threadStorageReads(audioThread) - readBefore, 0);
    // The held note, from just after its start to just before its release (a loaded machine
    // may hold up the sound server now and then).
    const long frames = static_cast<long>(recording.size() / 2);
    long start = 0;
    while (start < frames && std::abs(static_cast<int>(recording[2 * start])) <= 200)
        ++start;
    ASSERT_LT(start, frames) << "the held note was not heard";
    EXPECT_LE(leftGaps(recording, start + Rate / 50, frames - Rate / 2), machine.allowedGaps())
        << machine.stalls() << " stalls of the machine";
}

// A server held up for far longer than the stream's lead has nothing of ours left to play: the
// underflow it reports is counted and placed on the steady clock, within the hold-up or just
// after it, so that a measurement can set it beside the gap it heard. The stream plays on.
TEST(SoundServer, AnUnderflowOfTheStreamIsCountedAndPlacedInTime) {
    if (server == nullptr)
        GTEST_SKIP() << "no pulseaudio to test with";
    midi::prepareBuiltinSynthPrograms(0, {19});
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    for (uint32_t message : {0x13C0u, 0x643C90u})
        ASSERT_EQ(port->sendShort(message), midi::Ok);
    ASSERT_TRUE(waitFor([] { return midi::builtinSynthOutputOpen(); }, std::chrono::seconds(3)));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto before = static_cast<size_t>(midi::builtinSynthAudioFigures().underflows);

    const auto heldUp = std::chrono::steady_clock::now();
    server->holdUp(std::chrono::milliseconds(200));
    EXPECT_TRUE(waitFor(
        [&] { return static_cast<size_t>(midi::builtinSynthAudioFigures().underflows) > before; },
        std::chrono::seconds(2)));
    const auto reported = std::chrono::steady_clock::now();
    const midi::AudioThreadFigures figures = midi::builtinSynthAudioFigures();
    ASSERT_GT(figures.underflowTimes.size(), before);
    EXPECT_GE(figures.underflowTimes[before], heldUp);
    EXPECT_LE(figures.underflowTimes[before], reported);
    EXPECT_EQ(port->sendShort(0x3C80), midi::Ok);
    EXPECT_TRUE(midi::builtinSynthOutputOpen());
    EXPECT_TRUE(miditest::builtinDeviceStillWorks());
}

TEST(SoundServer, PausesWhileIdleLosesTheServerOnceAndComesBack) {
    if (server == nullptr)
        GTEST_SKIP() << "no pulseaudio to test with";
    midi::SynthStatus& status = midi::SynthStatus::instance();
    int reports = 0;
    QObject::connect(&status, &midi::SynthStatus::soundUnavailable, [&] { ++reports; });
    midi::warmUpBuiltinSynth();
    ASSERT_TRUE(midi::waitForBuiltinSynth(std::chrono::seconds(20)));
    // The output opens on a thread of its own.
    EXPECT_TRUE(waitFor([] { return midi::builtinSynthOutputOpen(); }, std::chrono::seconds(3)));
    EXPECT_EQ(reports, 0);

    // Nothing sounds: the output pauses, and the next note opens it again, without the note's
    // call waiting for it.
    EXPECT_TRUE(waitFor([] { return !midi::builtinSynthOutputOpen(); }, std::chrono::seconds(8)));
    int result = -1;
    auto port = midi::OutputPort::open(midi::DefaultDevice, result);
    ASSERT_TRUE(port);
    ASSERT_EQ(port->sendShort(0x7F4C99), midi::Ok);
    EXPECT_TRUE(waitFor([] { return midi::builtinSynthOutputOpen(); }, std::chrono::seconds(3)));

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
