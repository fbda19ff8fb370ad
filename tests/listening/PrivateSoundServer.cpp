#include "PrivateSoundServer.h"

#include <QDir>
#include <QStandardPaths>
#include <QThread>

#include <optional>

PrivateSoundServer::PrivateSoundServer() {
    const QByteArray root = dir_.path().toUtf8();
    QDir(dir_.path()).mkpath(QStringLiteral("pulse"));
    qputenv("XDG_RUNTIME_DIR", root);
    qputenv("PULSE_RUNTIME_PATH", root + "/pulse");
    qputenv("PULSE_STATE_PATH", root + "/pulse");
    qputenv("PULSE_SERVER", "unix:" + root + "/native");
}

PrivateSoundServer::~PrivateSoundServer() {
    player_.waitForFinished(10000);
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        if (!server_.waitForFinished(5000))
            server_.kill();
        server_.waitForFinished(2000);
    }
}

bool PrivateSoundServer::start() {
    const QString program = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    if (program.isEmpty() || QStandardPaths::findExecutable(QStringLiteral("pactl")).isEmpty())
        return false;
    server_.setProgram(program);
    server_.setArguments(
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
         QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
         QStringLiteral("-L"),
         QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=%1/native")
             .arg(dir_.path()),
         QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=singing rate=48000")});
    server_.setStandardOutputFile(QProcess::nullDevice());
    server_.setStandardErrorFile(QProcess::nullDevice());
    server_.start();
    if (!server_.waitForStarted(5000))
        return false;
    for (int i = 0; i < 100; ++i) {
        if (pactl({QStringLiteral("info")}))
            return true;
        if (server_.state() == QProcess::NotRunning)
            return false;
        QThread::msleep(50);
    }
    return false;
}

std::optional<QString> PrivateSoundServer::pactl(const QStringList& arguments) const {
    QProcess process;
    process.start(QStringLiteral("pactl"), arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

int PrivateSoundServer::addMicrophone(const QString& name, const QString& description) const {
    QString quoted = description;
    quoted.replace(QLatin1Char(' '), QLatin1String("\\ "));
    const std::optional<QString> module =
        pactl({QStringLiteral("load-module"), QStringLiteral("module-remap-source"),
               QStringLiteral("source_name=") + name, QStringLiteral("master=singing.monitor"),
               QStringLiteral("channels=1"),
               QStringLiteral("source_properties=device.description=\"%1\"").arg(quoted)});
    bool ok = false;
    const int number = module ? module->toInt(&ok) : -1;
    return ok ? number : -1;
}

bool PrivateSoundServer::removeModule(int module) const {
    return pactl({QStringLiteral("unload-module"), QString::number(module)}).has_value();
}

bool PrivateSoundServer::startPlaying(const QString& path) {
    player_.waitForFinished(30000);
    player_.start(QStringLiteral("paplay"),
                  {QStringLiteral("-d"), QStringLiteral("singing"), path});
    return player_.waitForStarted(5000);
}
