#include "ResidentMemory.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>

namespace bench {

namespace {

constexpr double kKilobytesPerMegabyte = 1024.0;

// The real paths of the shared libraries `binary` loads, as the dynamic loader resolves them.
QSet<QString> librariesOf(const QString& binary) {
    QProcess ldd;
    ldd.start(QStringLiteral("ldd"), {binary});
    QSet<QString> libraries;
    if (!ldd.waitForFinished(10000))
        return libraries;
    static const QRegularExpression arrow(QStringLiteral("=>\\s+(\\S+)"));
    for (const QString& line : QString::fromLocal8Bit(ldd.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch match = arrow.match(line);
        if (match.hasMatch())
            libraries.insert(QFileInfo(match.captured(1)).canonicalFilePath());
    }
    return libraries;
}

// The "Name: N kB" figure of a /proc status file, in megabytes.
double statusMb(const QByteArray& status, const QByteArray& name) {
    for (const QByteArray& line : status.split('\n')) {
        if (line.startsWith(name + ':'))
            return line.mid(name.size() + 1).trimmed().split(' ').first().toDouble() /
                   kKilobytesPerMegabyte;
    }
    return -1;
}

} // namespace

ResidentMemory residentMemoryOf(qint64 pid, const QString& program) {
    ResidentMemory memory;
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    QFile smaps(QStringLiteral("/proc/%1/smaps").arg(pid));
    if (!status.open(QIODevice::ReadOnly) || !smaps.open(QIODevice::ReadOnly))
        return memory;
    const QByteArray figures = status.readAll();
    memory.totalMb = statusMb(figures, "VmRSS");
    memory.anonymousMb = statusMb(figures, "RssAnon");

    // Each mapping's file and resident size; the sound module is the mapping named after it.
    QHash<QString, double> residentByFile;
    QString soundModule;
    QString file;
    for (const QByteArray& line : smaps.readAll().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() >= 5 && fields.first().contains('-') && !line.startsWith("Rss")) {
            file = fields.size() >= 6 ? QString::fromLocal8Bit(fields.at(5)) : QString();
            if (file.contains(QLatin1String("libmidi_backend")))
                soundModule = file;
        } else if (line.startsWith("Rss:") && file.startsWith('/')) {
            residentByFile[QFileInfo(file).canonicalFilePath()] += fields.value(1).toDouble();
        }
    }
    if (soundModule.isEmpty())
        return memory;
    const QSet<QString> programOwn = librariesOf(program);
    QSet<QString> soundOwn = librariesOf(soundModule) - programOwn;
    soundOwn.insert(QFileInfo(soundModule).canonicalFilePath());
    double kilobytes = 0;
    for (const QString& library : soundOwn)
        kilobytes += residentByFile.value(library);
    memory.soundLibrariesMb = kilobytes / kKilobytesPerMegabyte;
    return memory;
}

} // namespace bench
