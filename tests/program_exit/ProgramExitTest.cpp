// File > Exit ends each program at once: started offscreen with the sound going to a private
// PulseAudio (its own runtime folder, a null sink), a question asked or a note sounding, then
// Exit chosen from the menu. Also while the synthesizer is still starting, and while the sound
// server accepts the connection but never answers. The bound here only catches a program that
// hangs; how long the end takes is a figure of the start-up benchmarks.
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

namespace {

constexpr int HangMs = 5000;

// The environment of a program playing into the server whose socket is `socket`, with the
// chooser loaded into it.
QProcessEnvironment programEnvironment(const QTemporaryDir& runtime, const QString& socket) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("HOME", runtime.path());
    environment.insert("XDG_RUNTIME_DIR", runtime.path());
    environment.insert("PULSE_RUNTIME_PATH", runtime.filePath("pulse"));
    environment.insert("PULSE_STATE_PATH", runtime.filePath("pulse"));
    environment.insert("PULSE_SERVER", "unix:" + socket);
    environment.insert("LD_PRELOAD", EXIT_CHOOSER);
    return environment;
}

// A private PulseAudio with one null sink, ended with the test.
class PrivateServer {
public:
    bool start() {
        if (!runtime_.isValid())
            return false;
        QProcessEnvironment environment = programEnvironment(runtime_, socket());
        environment.remove("LD_PRELOAD");
        server_.setProcessEnvironment(environment);
        server_.setProgram("pulseaudio");
        server_.setArguments(
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--use-pid-file=no", "-L",
             "module-native-protocol-unix auth-anonymous=1 socket=" + socket(), "-L",
             "module-null-sink sink_name=exits rate=48000", "-L", "module-always-sink"});
        server_.start();
        if (!server_.waitForStarted(5000))
            return false;
        for (int i = 0; i < 100; ++i) {
            QProcess info;
            info.setProcessEnvironment(environment);
            info.start("pactl", {"info"});
            if (info.waitForFinished(5000) && info.exitCode() == 0)
                return true;
            QThread::msleep(50);
        }
        return false;
    }
    ~PrivateServer() {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(5000);
    }
    const QTemporaryDir& runtime() const { return runtime_; }
    QString socket() const { return runtime_.filePath("native"); }

private:
    QTemporaryDir runtime_;
    QProcess server_;
};

// A socket that takes connections and never answers, as a hung sound server does.
class SilentServer {
public:
    bool start() {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray path = socket().toLocal8Bit();
        if (fd_ < 0 || !runtime_.isValid() || path.size() >= int(sizeof(address.sun_path)))
            return false;
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
        return bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0 &&
               listen(fd_, 8) == 0;
    }
    ~SilentServer() {
        if (fd_ >= 0)
            close(fd_);
    }
    const QTemporaryDir& runtime() const { return runtime_; }
    QString socket() const { return runtime_.filePath("native"); }

private:
    QTemporaryDir runtime_;
    int fd_ = -1;
};

struct Ending {
    bool chosen = false; // the chooser chose File > Exit
    bool ended = false;  // and the process ended within HangMs of it
    int status = -1;     // with this status
    double exitMs = -1;  // this long after Exit was chosen
};

// Starts `program`, clicks `button` (if any) at `pressMs` and chooses File > Exit at `exitMs`.
Ending chooseExit(const QString& program, QProcessEnvironment environment, const char* button,
                  int pressMs, int exitMs) {
    if (button != nullptr)
        environment.insert("EXIT_CHOOSER_PRESS", button);
    environment.insert("EXIT_CHOOSER_PRESS_MS", QString::number(pressMs));
    environment.insert("EXIT_CHOOSER_AFTER_MS", QString::number(exitMs));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {});
    Ending ending;
    QByteArray output;
    QElapsedTimer since;
    since.start();
    while (!output.contains("exit-chosen") && process.state() != QProcess::NotRunning &&
           since.elapsed() < 60000) {
        process.waitForReadyRead(20);
        output += process.readAllStandardOutput();
    }
    ending.chosen = output.contains("exit-chosen");
    since.restart();
    ending.ended = process.waitForFinished(HangMs) || process.state() == QProcess::NotRunning;
    ending.exitMs = since.elapsed();
    if (!ending.ended) {
        process.kill();
        process.waitForFinished(5000);
    }
    ending.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return ending;
}

void expectPromptEnd(const Ending& ending, const char* what) {
    EXPECT_TRUE(ending.chosen) << what;
    EXPECT_TRUE(ending.ended) << what << ": still running " << HangMs << " ms after Exit";
    EXPECT_EQ(ending.status, 0) << what;
}

} // namespace

TEST(ProgramExit, BothProgramsEndAtOnceWithTheSoundServerRunning) {
    PrivateServer server;
    if (!server.start())
        GTEST_SKIP() << "no PulseAudio server could be started here";
    const QProcessEnvironment environment = programEnvironment(server.runtime(), server.socket());
    // A question playing, a note sounding.
    expectPromptEnd(chooseExit(BEATWISE_PROGRAM, environment, "StartButton", 1500, 3000),
                    "beatwise, a question playing");
    expectPromptEnd(chooseExit(TONEWISE_PROGRAM, environment, nullptr, 1, 3000),
                    "tonewise, a note played");
    // Exit as the window appears, a few times over: the window closing while the sound service
    // is still starting ends the program too, and that moment varies from run to run.
    for (int run = 0; run < 4; ++run) {
        expectPromptEnd(chooseExit(BEATWISE_PROGRAM, environment, "StartButton", 1, 1),
                        "beatwise, the synthesizer starting");
        expectPromptEnd(chooseExit(TONEWISE_PROGRAM, environment, nullptr, 1, 1),
                        "tonewise, the synthesizer starting");
    }
}

TEST(ProgramExit, BothProgramsEndAtOnceWhileTheSoundServerDoesNotAnswer) {
    SilentServer server;
    ASSERT_TRUE(server.start());
    const QProcessEnvironment environment = programEnvironment(server.runtime(), server.socket());
    expectPromptEnd(chooseExit(BEATWISE_PROGRAM, environment, "StartButton", 300, 800),
                    "beatwise, a question waiting for the server");
    expectPromptEnd(chooseExit(TONEWISE_PROGRAM, environment, nullptr, 1, 800),
                    "tonewise, waiting for the server");
}
