#include "ScoreFileLock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <fcntl.h>
#include <unistd.h>
#endif

namespace scores {

namespace {

// A writer holds the lock only while it rewrites one file (a few milliseconds), so the others
// look again often, at a fixed short interval: a growing interval would leave a waiting program
// asleep long after the file became free. The whole wait covers a full computer lab saving at
// once.
constexpr int kLockRetryMs = 20;
constexpr int kLockWaitMs = 60000;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

// Why nothing can be written into `folder`, in the platform's words, found by writing a small
// file there; empty when writing works.
QString folderWriteError(const QString& folder) {
    QTemporaryFile probe(folder + QLatin1String("/.probe-XXXXXX"));
    if (!probe.open())
        return probe.errorString();
    const QByteArray block(512, ' ');
    errno = 0;
    if (probe.write(block) != block.size() || !probe.flush()) {
        const int code = errno;
        return code != 0 ? systemError(code) : probe.errorString();
    }
    return {};
}

// Why the file `path` cannot be made, in the platform's words (a name too long for the system,
// for one); empty when it can.
QString creationError(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return {};
#else
    const QByteArray name = QFile::encodeName(path);
    const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return errno == EEXIST ? QString() : systemError(errno);
    ::close(fd);
    ::unlink(name.constData());
    return {};
#endif
}

// Something other than a lock file under the lock's name (a folder, a link, a pipe) never goes
// away by waiting.
bool somethingElseInTheWay(const QString& lockPath) {
    const QFileInfo info(lockPath);
    return info.isSymLink() || (info.exists() && !info.isFile());
}

} // namespace

ScoreFileLock::ScoreFileLock(const QString& scoreFile)
    : scoreFile_(scoreFile), lock_(lockPathFor(scoreFile)) {}

QString ScoreFileLock::lockPathFor(const QString& scoreFile) {
    const QFileInfo info(scoreFile);
    return info.absolutePath() + QLatin1String("/.") + info.fileName() + QLatin1String(".lock");
}

QString ScoreFileLock::acquire() {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (lock_.tryLock(0))
            return {};
        if (lock_.error() != QLockFile::LockFailedError)
            return whyNotLocked();
        if (somethingElseInTheWay(lockPathFor(scoreFile_)))
            return QCoreApplication::translate(
                       "ScoreFiles",
                       "The score file %1 could not be locked for writing: %2, the name of its "
                       "lock file, is taken by a folder or another item that is not a lock file. "
                       "Once it is removed, scores can be saved again.")
                .arg(native(scoreFile_), native(lockPathFor(scoreFile_)));
        if (waited.hasExpired(kLockWaitMs))
            return QCoreApplication::translate(
                       "ScoreFiles", "The score file %1 is being written by another program. "
                                     "Please try again in a moment.")
                .arg(native(scoreFile_));
        QThread::msleep(kLockRetryMs);
    }
}

QString ScoreFileLock::whyNotLocked() const {
    QString why = folderWriteError(QFileInfo(scoreFile_).absolutePath());
    if (why.isEmpty())
        why = creationError(lockPathFor(scoreFile_));
    if (why.isEmpty())
        why = lock_.error() == QLockFile::PermissionError
                  ? systemError(EACCES)
                  : QCoreApplication::translate("ScoreFiles", "unknown error");
    return QCoreApplication::translate("ScoreFiles",
                                       "The score file %1 could not be locked for writing: %2.")
        .arg(native(scoreFile_), why);
}

} // namespace scores
