#pragma once

// A sound server to measure the built-in synthesizer through: a private PulseAudio with one null
// sink named "bench" (its own runtime folder, started and stopped here), or the server already
// running; and a recording of the sink's monitor whose every frame can be placed in time.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/types.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace bench {

using SteadyClock = std::chrono::steady_clock;

constexpr int kMonitorRate = 48000;

inline double seconds(SteadyClock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Starts a program with its output to `stdoutFd` (or nowhere) and its errors nowhere.
pid_t spawn(const std::vector<std::string>& args, int stdoutFd = -1);
// Ends a program this process started, and waits for it.
void stopProcess(pid_t pid);
// Runs a program to its end; whether it succeeded.
bool run(const std::vector<std::string>& args);
// CPU time (user + system) of a process, in seconds.
double cpuSeconds(pid_t pid);

// A private PulseAudio with one null sink named "bench", or the server already running.
class SoundServer {
public:
    bool useRunning() {
        const QDir proc(QStringLiteral("/proc"));
        for (const QString& entry : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            bool number = false;
            const pid_t pid = entry.toInt(&number);
            QFile comm(proc.filePath(entry) + QStringLiteral("/comm"));
            if (!number || !comm.open(QIODevice::ReadOnly))
                continue;
            const QByteArray name = comm.readAll().trimmed();
            if (name == "pulseaudio" || name == "pipewire" || name == "pipewire-pulse")
                running_.push_back(pid);
        }
        return run({"pactl", "info"});
    }
    bool start() {
        if (!dir_.isValid())
            return false;
        const std::string root = dir_.path().toStdString();
        QDir(dir_.path()).mkpath(QStringLiteral("pulse"));
        setenv("XDG_RUNTIME_DIR", root.c_str(), 1);
        setenv("PULSE_RUNTIME_PATH", (root + "/pulse").c_str(), 1);
        setenv("PULSE_SERVER", ("unix:" + root + "/native").c_str(), 1);
        setenv("PULSE_CONFIG_PATH", (root + "/pulse").c_str(), 1);
        setenv("PULSE_STATE_PATH", (root + "/pulse").c_str(), 1);
        pid_ = spawn({"pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1",
                      "--use-pid-file=no", "--log-target=stderr", "--log-level=error", "-L",
                      "module-native-protocol-unix auth-anonymous=1 socket=" + root + "/native",
                      "-L", "module-null-sink sink_name=bench rate=48000 channels=2", "-L",
                      "module-always-sink"});
        for (int i = 0; i < 100 && pid_ > 0; ++i) {
            if (run({"pactl", "info"})) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    void stop() {
        stopProcess(pid_);
        pid_ = -1;
    }
    // CPU time of the server's processes, in seconds.
    double cpu() const {
        double total = pid_ > 0 ? cpuSeconds(pid_) : 0;
        for (pid_t pid : running_)
            total += cpuSeconds(pid);
        return total;
    }
    ~SoundServer() { stop(); }

private:
    QTemporaryDir dir_;
    pid_t pid_ = -1;
    std::vector<pid_t> running_;
};

// Records the sink's monitor; every read is stamped on the steady clock, so that a recorded
// frame can be placed in time: frame k left the sink no later than arrival - (end - k) / rate.
class MonitorRecorder {
public:
    bool start() {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        // The recorder stands in for a sound card, which takes every sample on time: it
        // runs at real-time priority where the system allows, so that the load does not
        // hold it up (a late reader makes the server skip sink output).
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
    void stop() {
        stopProcess(pid_);
        pid_ = -1;
        if (reader_.joinable())
            reader_.join();
        if (fd_ >= 0)
            close(fd_);
        fd_ = -1;
    }
    ~MonitorRecorder() { stop(); }

    // Steady-clock time of frame 0.
    SteadyClock::time_point frameZero() const { return frameZero_; }
    const std::vector<int16_t>& samples() const { return samples_; }
    long frames() const { return static_cast<long>(samples_.size() / 2); }
    long frameAt(SteadyClock::time_point t) const {
        return std::lround(seconds(t - frameZero_) * kMonitorRate);
    }
    SteadyClock::time_point timeOf(long frame) const {
        return frameZero_ +
               std::chrono::nanoseconds(static_cast<int64_t>(frame * 1e9 / kMonitorRate));
    }

private:
    void read() {
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
            const auto zero =
                arrival - std::chrono::nanoseconds(static_cast<int64_t>(end * 1e9 / kMonitorRate));
            if (first || zero < frameZero_)
                frameZero_ = zero;
            first = false;
        }
    }

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    std::vector<int16_t> samples_;
    SteadyClock::time_point frameZero_;
};

} // namespace bench
