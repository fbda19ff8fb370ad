#include "ScriptSource.h"

#include "ScriptStop.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

QString ScriptSource::open(const QString& path) {
#ifdef Q_OS_UNIX
    // Standard input by its descriptor: every byte is read as it comes, a zero byte too.
    if (path == QLatin1String("-"))
        return file_.open(STDIN_FILENO, QIODevice::ReadOnly) ? QString() : file_.errorString();
    // Opened without waiting (a named pipe would wait for a writer), then checked by what was
    // opened, not by the name, which may change meanwhile.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return QStringLiteral("not an ordinary file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file_.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return file_.errorString();
    }
#else
    if (path == QLatin1String("-"))
        return file_.open(stdin, QIODevice::ReadOnly) ? QString() : file_.errorString();
    if (!QFileInfo(path).isFile())
        return QStringLiteral("not an ordinary file");
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return file_.errorString();
#endif
    return {};
}

bool ScriptSource::next(QString& line) {
    const QByteArray raw = file_.readLine(kLongestLine + 2);
    if (raw.isEmpty())
        return false;
    ++number_;
    read_ += raw.size();
    if (raw.size() > kLongestLine + 1 || (raw.size() > kLongestLine && !raw.endsWith('\n')))
        throw ScriptError(
            QStringLiteral("the line is longer than %1 characters").arg(kLongestLine));
    if (read_ > kMostScriptBytes)
        throw ScriptError(QStringLiteral("the script is longer than %1 MiB")
                              .arg(kMostScriptBytes / (1024 * 1024)));
    line = QString::fromUtf8(raw).trimmed();
    return true;
}
