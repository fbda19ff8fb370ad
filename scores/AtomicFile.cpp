#include "AtomicFile.h"

#include "ProcessRuns.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef Q_OS_WIN
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace scores {

namespace {

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

QString nativePath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

bool syncToDisk(QFile& file) {
#ifdef Q_OS_WIN
    return ::_commit(file.handle()) == 0;
#else
    return ::fsync(file.handle()) == 0;
#endif
}

// Makes the rename itself durable: the folder's entry is flushed as well.
void syncFolder(const QString& folder) {
#ifndef Q_OS_WIN
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
#else
    Q_UNUSED(folder);
#endif
}

bool replaceFile(const QString& from, const QString& to, int& error) {
#ifdef Q_OS_WIN
    const std::wstring source = QDir::toNativeSeparators(from).toStdWString();
    const std::wstring target = QDir::toNativeSeparators(to).toStdWString();
    if (::MoveFileExW(source.c_str(), target.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    error = EIO;
    return false;
#else
    if (::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    error = errno;
    return false;
#endif
}

// A writer that was killed between writing its temporary file and renaming it leaves a whole
// copy behind. Such a file is removed once its writer no longer runs; the age keeps the files of
// writers on other computers sharing the folder, whose process numbers mean nothing here.
void removeStaleTemporaries(const QString& folder, const QString& fileName) {
    constexpr qint64 kStaleAfterSeconds = 60;
    const QString prefix = QLatin1Char('.') + fileName + QLatin1Char('.');
    const QDir dir(folder);
    const QStringList names =
        dir.entryList({prefix + QLatin1String("*.tmp")}, QDir::Files | QDir::Hidden | QDir::System);
    const qint64 ownPid = QCoreApplication::applicationPid();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    for (const QString& name : names) {
        const QString suffix = name.mid(prefix.size()).chopped(4); // "<pid>-<random>"
        bool numeric = false;
        const qint64 pid = suffix.section(QLatin1Char('-'), 0, 0).toLongLong(&numeric);
        if (!numeric || pid <= 0 || pid == ownPid || processRuns(pid))
            continue;
        const QFileInfo info(dir.filePath(name));
        if (info.lastModified().toUTC().secsTo(now) < kStaleAfterSeconds)
            continue;
        QFile::remove(info.filePath());
    }
}

} // namespace

QString AtomicFile::write(const QString& path, const QByteArray& contents) {
    const QFileInfo target(path);
    const QString folder = target.absolutePath();
    removeStaleTemporaries(folder, target.fileName());

    QFile temp;
    for (int attempt = 0; attempt < 20 && !temp.isOpen(); ++attempt) {
        // The process number keeps two programs apart even if their random numbers agree.
        const QString suffix = QString::number(QCoreApplication::applicationPid()) +
                               QLatin1Char('-') +
                               QString::number(QRandomGenerator::global()->generate(), 36);
        temp.setFileName(folder + QLatin1String("/.") + target.fileName() + QLatin1Char('.') +
                         suffix + QLatin1String(".tmp"));
        if (!temp.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered) &&
            !temp.exists()) {
            return QCoreApplication::translate("ScoreFiles", "%1 could not be written: %2")
                .arg(nativePath(path), temp.errorString());
        }
    }
    if (!temp.isOpen())
        return QCoreApplication::translate(
                   "ScoreFiles", "%1 could not be written: no temporary file could be made")
            .arg(nativePath(path));

    auto fail = [&](const QString& why) {
        temp.close();
        temp.remove();
        return QCoreApplication::translate("ScoreFiles", "%1 could not be written: %2")
            .arg(nativePath(path), why);
    };

    errno = 0;
    const qint64 written = temp.write(contents);
    if (written != contents.size()) {
        const int code = errno;
        if (code != 0)
            return fail(systemError(code));
        return fail(temp.errorString().isEmpty()
                        ? QCoreApplication::translate("ScoreFiles", "the disk may be full")
                        : temp.errorString());
    }
    if (!temp.flush())
        return fail(temp.errorString());
    if (!syncToDisk(temp))
        return fail(systemError(errno));
    if (target.exists())
        temp.setPermissions(QFile::permissions(path));
    temp.close();
    if (temp.error() != QFileDevice::NoError)
        return fail(temp.errorString());

    int renameError = 0;
    if (!replaceFile(temp.fileName(), path, renameError)) {
        temp.remove();
        return QCoreApplication::translate("ScoreFiles", "%1 could not be replaced: %2")
            .arg(nativePath(path), systemError(renameError));
    }
    syncFolder(folder);
    return {};
}

} // namespace scores
