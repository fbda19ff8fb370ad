#include "ScorePath.h"

#include "FileIdentity.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <cstring>

namespace scores {

namespace {

// As many links in a row as the system itself follows before it gives up.
constexpr int kMaxLinksInARow = 40;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

QString ScorePath::resolve(const QString& path, const QString& folder, QString& error) {
    QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    for (int links = 0; info.isSymLink(); ++links) {
        if (links == kMaxLinksInARow) {
            error = QCoreApplication::translate("ScoreFiles",
                                                "The score file %1 is a link that leads round in "
                                                "a circle (%2), so it was not used.")
                        .arg(native(path), QString::fromLocal8Bit(std::strerror(ELOOP)));
            return {};
        }
        info.setFile(info.symLinkTarget());
    }
    if (info.isDir()) {
        error = QCoreApplication::translate(
                    "ScoreFiles", "The score file %1 is a link to the folder %2, not to a file, so "
                                  "it was not used.")
                    .arg(native(path), native(info.absoluteFilePath()));
        return {};
    }
    const QString home = QFileInfo(folder).canonicalFilePath();
    const QString where = QFileInfo(info.absolutePath()).canonicalFilePath();
    // The same folder may also be reached by another path (a second mount of it).
    if (home.isEmpty() || (where != home && !FileIdentity::same(where, home))) {
        error = QCoreApplication::translate(
                    "ScoreFiles", "The score file %1 is a link to a place outside the score folder "
                                  "%2, so it was not used.")
                    .arg(native(path), native(folder));
        return {};
    }
    return QDir(home).absoluteFilePath(info.fileName());
}

} // namespace scores
