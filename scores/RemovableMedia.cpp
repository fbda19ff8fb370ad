#include "RemovableMedia.h"

#include <QDir>
#include <QStorageInfo>

namespace scores {

namespace {

// Desktop systems mount removable media under these folders.
bool isRemovableMountPoint(const QString& root) {
    return root.startsWith(QLatin1String("/media/")) ||
           root.startsWith(QLatin1String("/run/media/")) ||
           root.startsWith(QLatin1String("/Volumes/"));
}

} // namespace

std::optional<QString> RemovableMedia::floppyDrive() {
#ifdef Q_OS_WIN
    return QStringLiteral("A:/");
#else
    return std::nullopt;
#endif
}

QString RemovableMedia::defaultCopyFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("A:/");
#else
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && !volume.isReadOnly() &&
            isRemovableMountPoint(volume.rootPath()))
            return volume.rootPath();
    }
    return QDir::homePath();
#endif
}

} // namespace scores
