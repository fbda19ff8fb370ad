#pragma once

#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <string>
#include <sys/types.h>
#include <thread>
#include <vector>

// What the benchmarks that listen through a real sound server share: the server (a private
// PulseAudio with one null sink named "bench", or the server already running), a recording of
// the sink's monitor, busy loops that load the cores, and a few process figures.
namespace bench {

using SteadyClock = std::chrono::steady_clock;

// Starts `args` with its output in `stdoutFd` (or nowhere) and its errors nowhere.
pid_t spawn(const std::vector<std::string>& args, int stdoutFd = -1);
// Ends a process this program started and waits for it.
void stopProcess(pid_t pid);
// Runs `args` to its end; whether it succeeded.
bool run(const std::vector<std::string>& args);
// CPU time (user + system) of a process, in seconds.
double cpuSeconds(pid_t pid);

// A private PulseAudio with one null sink named "bench" at 48 kHz, in a runtime folder of its
// own, started with real-time scheduling as desktop systems set it up (where the system
// allows it); or, with useRunning(), the server that runs already. The environment of this
// process points at it, so programs started from here play into it.
class SoundServer {
public:
    ~SoundServer();
    bool start();
    // A private PipeWire (its session manager and its PulseAudio service) in the same way, its
    // null sink made through the PulseAudio service.
    bool startPipeWire();
    bool useRunning();
    // A private PulseAudio started after this writes its debug log, each line stamped with the
    // seconds since the server's first line, into `path`.
    void keepLog(const std::string& path) { logPath_ = path; }
    // When the private server was started, to place its log's times.
    SteadyClock::time_point startedAt() const { return startedAt_; }
    void stop();
    // CPU time of the server's processes, in seconds.
    double cpu() const;
    // How the server's threads are scheduled, for example "2 of 3 threads real-time".
    QString scheduling() const;
    pid_t pid() const { return pid_; }

private:
    void pointAtRuntime(const std::string& pulseDir);
    bool waitUntilAnswering();

    QTemporaryDir dir_;
    pid_t pid_ = -1;
    bool group_ = false; // pid_ leads a process group of its own, ended as a whole
    std::vector<pid_t> running_;
    std::string logPath_;
    SteadyClock::time_point startedAt_;
};

// Records the sink's monitor (16-bit stereo at 48 kHz); every read is stamped on the steady
// clock, so that a recorded frame can be placed in time: frame k left the sink no later than
// arrival - (end - k) / rate.
class MonitorRecorder {
public:
    static constexpr int Rate = 48000;
    ~MonitorRecorder();
    bool start();
    void stop();

    SteadyClock::time_point frameZero() const { return frameZero_; }
    const std::vector<int16_t>& samples() const { return samples_; }
    long frames() const { return static_cast<long>(samples_.size() / 2); }
    long frameAt(SteadyClock::time_point t) const;
    SteadyClock::time_point timeOf(long frame) const;

    // Where the recording lost sound that the sink played: the recording falls behind the
    // clock for good (its frames stop adding up to the time that passed), by more than
    // `minMs`. When the frames before `frame` were lost, and how many milliseconds of them.
    // Only after stop().
    struct Loss {
        long frame;
        SteadyClock::time_point at;
        double ms;
    };
    std::vector<Loss> losses(double minMs = 1.0) const;

private:
    void read();

    pid_t pid_ = -1;
    int fd_ = -1;
    std::thread reader_;
    std::vector<int16_t> samples_;
    SteadyClock::time_point frameZero_;
    // Every read: the frames recorded by its end, and when it arrived.
    std::vector<std::pair<long, SteadyClock::time_point>> reads_;
};

// Two busy loops, one per core. They are threads of this process, so that they end with it
// whatever happens.
class Load {
public:
    ~Load();
    void start();
    void stop();

private:
    std::atomic<bool> stop_{false};
    std::vector<std::thread> threads_;
};

} // namespace bench
