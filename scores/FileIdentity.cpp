#include "FileIdentity.h"

#include <QFile>
#include <QFileInfo>

#ifndef Q_OS_WIN
#include <sys/stat.h>
#endif

namespace scores {

std::optional<FileIdentity> FileIdentity::of(const QString& path) {
#ifdef Q_OS_WIN
    // Without device and file numbers at hand, the canonical path stands for the identity.
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty())
        return std::nullopt;
    return FileIdentity{0, qHash(canonical.toLower())};
#else
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return FileIdentity{static_cast<unsigned long long>(status.st_dev),
                        static_cast<unsigned long long>(status.st_ino)};
#endif
}

bool FileIdentity::same(const QString& a, const QString& b) {
    const std::optional<FileIdentity> first = of(a);
    return first && first == of(b);
}

} // namespace scores
