#include "NewFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace scores {

NewFolder::NewFolder(const QString& path) : path_(QFileInfo(path).absoluteFilePath()) {
    const QFileInfo target(path_);
    if (target.exists() &&
        (!target.isDir() || !QDir(path_).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot))) {
        error_ = QCoreApplication::translate("ScoreFiles", "%1 already exists; choose a new folder")
                     .arg(QDir::toNativeSeparators(path_));
        return;
    }
    const QString parent = target.absolutePath();
    if (!QFileInfo(parent).isDir()) {
        error_ = QCoreApplication::translate("ScoreFiles", "the folder %1 does not exist")
                     .arg(QDir::toNativeSeparators(parent));
        return;
    }
    work_ = std::make_unique<QTemporaryDir>(
        QDir(parent).filePath(QStringLiteral(".") + target.fileName() + QStringLiteral("-XXXXXX")));
    if (!work_->isValid()) {
        error_ = QCoreApplication::translate("ScoreFiles", "cannot write in %1: %2")
                     .arg(QDir::toNativeSeparators(parent), work_->errorString());
        work_.reset();
    }
}

QString NewFolder::complete() {
    if (!work_)
        return error_;
    if (QFileInfo(path_).isDir())
        QDir().rmdir(path_);
    if (!QDir().rename(work_->path(), path_))
        return QCoreApplication::translate("ScoreFiles", "cannot create %1")
            .arg(QDir::toNativeSeparators(path_));
    work_->setAutoRemove(false);
    work_.reset();
    // A temporary folder is private to its maker; the finished one is for sharing.
    QFile::setPermissions(path_, QFile::permissions(path_) | QFile::ReadGroup | QFile::ExeGroup |
                                     QFile::ReadOther | QFile::ExeOther);
    return {};
}

} // namespace scores
