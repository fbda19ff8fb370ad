#include "FolderListing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#ifndef Q_OS_WIN
#include <dirent.h>
#include <sys/stat.h>
#endif

namespace qor {

namespace {

bool isScoreFileName(const QString& name) {
    return !name.startsWith(QLatin1Char('.')) &&
           name.endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive);
}

// All names in `folder`; returns why they could not be read, in the platform's words.
QString allNames(const QString& folder, QStringList& names) {
#ifdef Q_OS_WIN
    const QDir dir(folder);
    if (!dir.isReadable())
        return QString::fromLocal8Bit(std::strerror(EACCES));
    names = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    return {};
#else
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return QString::fromLocal8Bit(std::strerror(errno));
    int readError = 0;
    for (;;) {
        errno = 0;
        const dirent* entry = ::readdir(dir);
        if (!entry) {
            readError = errno;
            break;
        }
        names << QFile::decodeName(entry->d_name);
    }
    ::closedir(dir);
    if (readError != 0)
        return QString::fromLocal8Bit(std::strerror(readError));
    return {};
#endif
}

// Why `path` cannot be reached when that is not because it is missing (a folder on the way that
// may not be entered, for one); empty otherwise.
QString whyUnreachable(const QString& path) {
#ifdef Q_OS_WIN
    Q_UNUSED(path);
    return {};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) == 0 || errno == ENOENT)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
#endif
}

} // namespace

QString FolderListing::scoreFileNames(const QString& folder, QStringList& names) {
    const QString shown = QDir::toNativeSeparators(folder);
    const QFileInfo info(folder);
    if (!info.exists()) {
        if (const QString why = whyUnreachable(folder); !why.isEmpty())
            return QStringLiteral("The folder %1 could not be read: %2.").arg(shown, why);
        return QStringLiteral("The folder %1 does not exist.").arg(shown);
    }
    if (!info.isDir())
        return QStringLiteral("%1 is not a folder: give the score folder that holds the score "
                              "files.")
            .arg(shown);
    QStringList all;
    if (const QString why = allNames(folder, all); !why.isEmpty())
        return QStringLiteral("The folder %1 could not be read: %2.").arg(shown, why);
    names.clear();
    std::copy_if(all.begin(), all.end(), std::back_inserter(names), isScoreFileName);
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return {};
}

} // namespace qor
