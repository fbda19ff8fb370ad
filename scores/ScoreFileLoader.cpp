#include "ScoreFileLoader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace scores {

namespace {

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString notOrdinary(const QString& path) {
    return QCoreApplication::translate(
               "ScoreFiles", "The score file %1 is not an ordinary file, so it was not used.")
        .arg(native(path));
}

QString notRead(const QString& path, const QString& why) {
    return QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read: %2")
        .arg(native(path), why);
}

// Opens `path` for reading only if it is an ordinary file. The check is made on what was opened,
// so a file swapped for a pipe meanwhile is refused too; opening does not wait for a pipe's
// writer.
bool openOrdinaryFile(QFile& file, const QString& path, QString& error) {
#ifdef Q_OS_WIN
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = notRead(path, file.errorString());
        return false;
    }
    return true;
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = notRead(path, QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        error = notOrdinary(path);
        return false;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        error = notRead(path, file.errorString());
        return false;
    }
    return true;
#endif
}

} // namespace

LoadedScoreFile ScoreFileLoader::load(const QString& path) {
    LoadedScoreFile loaded;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return loaded;
    loaded.exists = true;
    // Devices, pipes and folders are never opened: reading them could block or never end.
    if (!info.isFile()) {
        loaded.readError = notOrdinary(path);
        return loaded;
    }
    QFile file;
    if (!openOrdinaryFile(file, path, loaded.readError))
        return loaded;
    // One byte beyond what the file holds shows whether it grew past the limit meanwhile; the
    // buffer never needs to be larger than that.
    loaded.bytes = file.read(std::min(file.size(), kMaxBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        loaded.readError = notRead(path, file.errorString());
        loaded.bytes.clear();
        return loaded;
    }
    if (loaded.bytes.size() > kMaxBytes) {
        loaded.readError = QCoreApplication::translate(
                               "ScoreFiles", "The score file %1 is larger than %2 MB, far larger "
                                             "than any score file, so it was not used.")
                               .arg(native(path))
                               .arg(kMaxBytes / (1024 * 1024));
        loaded.bytes.clear();
        return loaded;
    }
    loaded.rtf = RtfReader::read(loaded.bytes);
    return loaded;
}

} // namespace scores
