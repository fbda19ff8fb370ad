#include "SoundServerRig.h"

#include <QDir>
#include <QFile>

#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace bench {

namespace {

double secondsOf(SteadyClock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The fields of /proc/PID/stat (or a task's) after the command name; field 3 is the first.
QList<QByteArray> statFields(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray text = file.readAll();
    return text.mid(text.lastIndexOf(')') + 2).split(' ');
}

} // namespace

pid_t spawnGroup(const std::vector<std::string>& args, int stdoutFd, bool ownGroup) {
    std::vector<char*> argv;
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    if (ownGroup) {
        posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes, 0);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (stdoutFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, STDOUT_FILENO);
    else
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ) != 0)
        pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    return pid;
}

pid_t spawn(const std::vector<std::string>& args, int stdoutFd) {
    return spawnGroup(args, stdoutFd, false);
}

void stopProcess(pid_t pid) {
    if (pid <= 0)
        return;
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

bool run(const std::vector<std::string>& args) {
    const pid_t pid = spawn(args);
    int status = 0;
    return pid > 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

double cpuSeconds(pid_t pid) {
    const QList<QByteArray> fields = statFields(QStringLiteral("/proc/%1/stat").arg(pid));
    // Fields 14 and 15 of the line (utime, stime).
    return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
}

SoundServer::~SoundServer() {
    stop();
}

bool SoundServer::useRunning() {
    // The server of this session: where the session names its runtime folder, only the server
    // processes of that folder (other users' and other sessions' servers may run beside it).
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        QFile comm(proc.filePath(entry) + QStringLiteral("/comm"));
        if (!number || !comm.open(QIODevice::ReadOnly))
            continue;
        const QByteArray name = comm.readAll().trimmed();
        if (name != "pulseaudio" && name != "pipewire" && name != "pipewire-pulse")
            continue;
        QFile environment(proc.filePath(entry) + QStringLiteral("/environ"));
        if (!runtime.isEmpty() && environment.open(QIODevice::ReadOnly) &&
            !environment.readAll().split('\0').contains("XDG_RUNTIME_DIR=" + runtime))
            continue;
        running_.push_back(pid);
    }
    return run({"pactl", "info"});
}

void SoundServer::pointAtRuntime(const std::string& socket) {
    const std::string root = dir_.path().toStdString();
    QDir(dir_.path()).mkpath(QStringLiteral("pulse"));
    setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
    setenv("PIPEWIRE_RUNTIME_DIR", root.c_str(), 1);
    setenv("PULSE_RUNTIME_PATH", (root + "/pulse").c_str(), 1);
    setenv("PULSE_SERVER", ("unix:" + socket).c_str(), 1);
    setenv("PULSE_CONFIG_PATH", (root + "/pulse").c_str(), 1);
    setenv("PULSE_STATE_PATH", (root + "/pulse").c_str(), 1);
}

bool SoundServer::waitUntilAnswering() {
    for (int i = 0; i < 100 && pid_ > 0; ++i) {
        if (run({"pactl", "info"}))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

bool SoundServer::startPipeWire() {
    if (!dir_.isValid())
        return false;
    const std::string root = dir_.path().toStdString();
    pointAtRuntime(root + "/pulse/native");
    // The daemon, its session manager and its PulseAudio service on a session bus of their own,
    // all in one process group that ends together.
    pid_ = spawnGroup({"dbus-run-session", "--", "sh", "-c",
                       "pipewire & sleep 1; wireplumber & pipewire-pulse & wait"},
                      -1, true);
    group_ = pid_ > 0;
    if (!waitUntilAnswering())
        return false;
    // Its processes, for their CPU time and scheduling: the members of the group.
    const QDir proc(QStringLiteral("/proc"));
    for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool number = false;
        const pid_t pid = entry.toInt(&number);
        // Field 5 of the line, the process group; 3 is the first after the command name.
        if (number &&
            statFields(proc.filePath(entry) + QStringLiteral("/stat")).value(2).toInt() == pid_)
            running_.push_back(pid);
    }
    return run({"pactl", "load-module", "module-null-sink", "sink_name=bench", "rate=48000",
                "channels=2"}) &&
           run({"pactl", "set-default-sink", "bench"});
}

bool SoundServer::start() {
    if (!dir_.isValid())
        return false;
    const std::string root = dir_.path().toStdString();
    pointAtRuntime(root + "/native");
    // As a desktop runs it: real-time scheduling for its I/O threads and a raised priority
    // for the rest, granted where the system allows.
    std::vector<std::string> command{"pulseaudio",
                                     "-n",
                                     "--daemonize=no",
                                     "--exit-idle-time=-1",
                                     "--use-pid-file=no",
                                     "--realtime=yes",
                                     "--high-priority=yes",
                                     "-L",
                                     "module-native-protocol-unix auth-anonymous=1 socket=" + root +
                                         "/native",
                                     "-L",
                                     "module-null-sink sink_name=bench rate=48000 channels=2",
                                     "-L",
                                     "module-always-sink"};
    if (logPath_.empty())
        command.insert(command.end(), {"--log-target=stderr", "--log-level=error"});
    else
        command.insert(command.end(),
                       {"--log-target=file:" + logPath_, "--log-level=debug", "--log-time=yes"});
    startedAt_ = SteadyClock::now();
    pid_ = spawn(command);
    return waitUntilAnswering();
}

void SoundServer::stop() {
    running_.clear();
    if (group_ && pid_ > 0) {
        // Every process of the group this started, to the last: the daemons may take a moment.
        kill(-pid_, SIGTERM);
        for (int i = 0; i < 40 && kill(-pid_, 0) == 0; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            waitpid(pid_, nullptr, WNOHANG);
        }
        if (kill(-pid_, 0) == 0)
            kill(-pid_, SIGKILL);
    }
    stopProcess(pid_);
    pid_ = -1;
    group_ = false;
}

double SoundServer::cpu() const {
    double total = pid_ > 0 && !group_ ? cpuSeconds(pid_) : 0;
    for (pid_t pid : running_)
        total += cpuSeconds(pid);
    return total;
}

QString SoundServer::scheduling() const {
    std::vector<pid_t> processes = running_;
    if (pid_ > 0)
        processes.push_back(pid_);
    int threads = 0, realtime = 0;
    for (pid_t pid : processes) {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        for (const QString& task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            // Field 41, the scheduling policy: 1 is FIFO, 2 is round-robin.
            const int policy =
                statFields(tasks.filePath(task) + QStringLiteral("/stat")).value(38).toInt();
            threads += 1;
            realtime += policy == 1 || policy == 2 ? 1 : 0;
        }
    }
    return QStringLiteral("%1 of %2 threads real-time").arg(realtime).arg(threads);
}

MonitorRecorder::~MonitorRecorder() {
    stop();
}

bool MonitorRecorder::start() {
    reads_.reserve(1 << 20);
    int fds[2];
    if (pipe(fds) != 0)
        return false;
    // The recorder stands in for a sound card, which takes every sample on time: it runs at
    // real-time priority where the system allows, so that the load does not hold it up (a late
    // reader makes the server skip sink output).
    std::vector<std::string> command{
        "parec",          "-d",           "bench.monitor", "--raw",
        "--format=s16le", "--rate=48000", "--channels=2",  "--latency-msec=2"};
    if (run({"chrt", "-f", "10", "true"}))
        command.insert(command.begin(), {"chrt", "-f", "10"});
    pid_ = spawn(command, fds[1]);
    close(fds[1]);
    fd_ = fds[0];
    reader_ = std::thread([this] { read(); });
    return pid_ > 0;
}

void MonitorRecorder::stop() {
    stopProcess(pid_);
    pid_ = -1;
    if (reader_.joinable())
        reader_.join();
    if (fd_ >= 0)
        close(fd_);
    fd_ = -1;
}

long MonitorRecorder::frameAt(SteadyClock::time_point t) const {
    return std::lround(secondsOf(t - frameZero_) * Rate);
}

SteadyClock::time_point MonitorRecorder::timeOf(long frame) const {
    return frameZero_ + std::chrono::nanoseconds(static_cast<int64_t>(frame * 1e9 / Rate));
}

void MonitorRecorder::read() {
    std::vector<char> chunk(4096);
    bool first = true;
    std::vector<char> pending;
    for (;;) {
        const ssize_t n = ::read(fd_, chunk.data(), chunk.size());
        if (n <= 0)
            break;
        const auto arrival = SteadyClock::now();
        pending.insert(pending.end(), chunk.begin(), chunk.begin() + n);
        const size_t whole = pending.size() / 2;
        const size_t start = samples_.size();
        samples_.resize(start + whole);
        std::memcpy(samples_.data() + start, pending.data(), whole * 2);
        pending.erase(pending.begin(), pending.begin() + static_cast<long>(whole * 2));
        const long end = static_cast<long>(samples_.size() / 2);
        reads_.emplace_back(end, arrival);
        const auto zero =
            arrival - std::chrono::nanoseconds(static_cast<int64_t>(end * 1e9 / Rate));
        if (first || zero < frameZero_)
            frameZero_ = zero;
        first = false;
    }
}

std::vector<MonitorRecorder::Loss> MonitorRecorder::losses(double minMs) const {
    // Each read arrives some time after its last frame left the sink; the least of those
    // delays from a read on (the reads that came promptly) is where the recording stands
    // against the clock. It can only grow: by what was lost.
    std::vector<double> behindMs(reads_.size());
    double least = 1e300;
    for (size_t i = reads_.size(); i-- > 0;) {
        const auto& [end, arrival] = reads_[i];
        least = std::min(least, secondsOf(arrival.time_since_epoch()) * 1000 - end * 1000.0 / Rate);
        behindMs[i] = least;
    }
    std::vector<Loss> found;
    for (size_t i = 1; i < reads_.size(); ++i) {
        const double step = behindMs[i] - behindMs[i - 1];
        if (step > minMs)
            found.push_back({reads_[i - 1].first, reads_[i - 1].second, step});
    }
    return found;
}

Load::~Load() {
    stop();
}

void Load::start() {
    stop_ = false;
    for (int i = 0; i < 2; ++i)
        threads_.emplace_back([this] {
            while (!stop_.load(std::memory_order_relaxed)) {
            }
        });
}

void Load::stop() {
    stop_ = true;
    for (std::thread& thread : threads_)
        thread.join();
    threads_.clear();
}

} // namespace bench
