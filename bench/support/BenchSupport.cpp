#include "BenchSupport.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <cmath>

#include <sys/resource.h>

namespace bench {

void pause(int ms) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
}

bool hasDisplay() {
    return qEnvironmentVariableIsSet("DISPLAY") || qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
}

namespace {

// A process environment that draws offscreen when there is no window system.
QProcessEnvironment programEnvironment() {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!hasDisplay())
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    return environment;
}

void endProcess(QProcess& process) {
    if (process.state() == QProcess::NotRunning)
        return;
    process.kill();
    process.waitForFinished(5000);
}

} // namespace

StartupRun startOnce(const QString& program, int timeoutMs, const QStringList& arguments) {
    StartupRun run;
    QProcess process;
    process.setProcessEnvironment(programEnvironment());
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments + QStringList{QStringLiteral("--startup-probe")});
    if (!process.waitForStarted(10000))
        return run;
    QByteArray output;
    while ((process.state() != QProcess::NotRunning || process.bytesAvailable() > 0) &&
           timer.elapsed() < timeoutMs) {
        process.waitForReadyRead(1);
        output += process.readAll();
        if (output.contains("first-paint")) {
            run.firstPaintMs = timer.nsecsElapsed() / 1e6;
            break;
        }
    }
    if (run.firstPaintMs >= 0) {
        QElapsedTimer ending;
        ending.start();
        while (process.state() != QProcess::NotRunning && ending.elapsed() < 10000)
            process.waitForFinished(1);
        if (process.state() == QProcess::NotRunning)
            run.exitMs = ending.nsecsElapsed() / 1e6;
    }
    endProcess(process);
    return run;
}

std::vector<double> startupToFirstPaintMs(const QString& program, int runs, int timeoutMs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const StartupRun run = startOnce(program, timeoutMs);
        if (run.firstPaintMs < 0)
            break;
        times.push_back(run.firstPaintMs);
    }
    return times;
}

InterleavedStartup interleavedStartup(const QString& program, const QString& emptyWindow,
                                      int runs) {
    InterleavedStartup result;
    for (int i = 0; i < runs; ++i) {
        // Rotate which goes first, so that none always follows another.
        for (int k = 0; k < 3; ++k) {
            const int which = (i + k) % 3;
            const StartupRun run =
                which == 0
                    ? startOnce(program)
                    : startOnce(emptyWindow, 10000,
                                which == 2 ? QStringList{QStringLiteral("--text")} : QStringList{});
            if (run.firstPaintMs < 0)
                continue;
            if (which == 0) {
                result.programMs.push_back(run.firstPaintMs);
                if (run.exitMs >= 0)
                    result.programExitMs.push_back(run.exitMs);
            } else {
                (which == 1 ? result.emptyWindowMs : result.textWindowMs)
                    .push_back(run.firstPaintMs);
            }
        }
    }
    return result;
}

ResidentMemory residentAfter(const QString& program, double firstPaintMs, double seconds) {
    QProcess process;
    process.setProcessEnvironment(programEnvironment());
    process.start(program, {});
    if (!process.waitForStarted(10000))
        return {};
    pause(static_cast<int>(firstPaintMs + seconds * 1000));
    ResidentMemory memory;
    if (process.state() == QProcess::Running)
        memory = residentMemoryOf(process.processId(), program);
    process.terminate();
    if (!process.waitForFinished(5000))
        endProcess(process);
    return memory;
}

double peakRssMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1;
}

double childrenPeakRssMb() {
    rusage usage{};
    if (getrusage(RUSAGE_CHILDREN, &usage) != 0 || usage.ru_maxrss <= 0)
        return -1;
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

bool silentBefore(const std::vector<float>& samples, int channels, std::size_t end,
                  std::size_t frames, float threshold) {
    const std::size_t begin = end > frames ? end - frames : 0;
    for (std::size_t i = begin * channels; i < end * channels && i < samples.size(); ++i)
        if (std::fabs(samples[i]) > threshold)
            return false;
    return true;
}

Summary summarise(std::vector<double> values) {
    Summary s;
    s.count = values.size();
    if (values.empty())
        return s;
    std::sort(values.begin(), values.end());
    s.median = values[values.size() / 2];
    s.min = values.front();
    s.max = values.back();
    s.mean = 0;
    for (double v : values)
        s.mean += v / values.size();
    return s;
}

} // namespace bench
