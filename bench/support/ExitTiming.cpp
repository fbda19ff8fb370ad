#include "ExitTiming.h"

#include "BenchSupport.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>

namespace bench {

namespace {

// One start: the milliseconds from Exit being chosen to the end of the process, -1 when the
// program did not get that far or did not end within 10 s.
double exitOnce(const QString& program, const ExitChoice& choice, int pressMs, int exitMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (!hasDisplay())
        environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("LD_PRELOAD", choice.chooser);
    if (!choice.button.isEmpty())
        environment.insert("EXIT_CHOOSER_PRESS", choice.button);
    environment.insert("EXIT_CHOOSER_PRESS_MS", QString::number(pressMs));
    environment.insert("EXIT_CHOOSER_AFTER_MS", QString::number(exitMs));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, {});
    QByteArray output;
    QElapsedTimer timer;
    timer.start();
    while (!output.contains("exit-chosen") && process.state() != QProcess::NotRunning &&
           timer.elapsed() < 30000) {
        process.waitForReadyRead(1);
        output += process.readAllStandardOutput();
    }
    double result = -1;
    if (output.contains("exit-chosen")) {
        timer.restart();
        while (process.state() != QProcess::NotRunning && timer.elapsed() < 10000)
            process.waitForFinished(1);
        if (process.state() == QProcess::NotRunning)
            result = timer.nsecsElapsed() / 1e6;
    }
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(5000);
    }
    return result;
}

} // namespace

ExitTimes timeFileExit(const QString& program, const ExitChoice& choice, int runs) {
    ExitTimes times;
    for (int i = 0; i < runs; ++i) {
        const double playing = exitOnce(program, choice, 1500, 3000);
        if (playing >= 0)
            times.playingMs.push_back(playing);
        const double starting = exitOnce(program, choice, 1, 1);
        if (starting >= 0)
            times.startingMs.push_back(starting);
    }
    return times;
}

} // namespace bench
