#include "NewFolder.h"

#include "ProcessRuns.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace scores {

namespace {

// A maker that was killed before its work was complete leaves its temporary folder behind
// (".<name>-<pid>-XXXXXX"). Such a folder is removed once its maker no longer runs; the age
// spares the work of makers on other computers sharing the folder, whose process numbers mean
// nothing here, and whose files keep their folder's time fresh.
void removeStaleWork(const QString& parent, const QString& name) {
    constexpr qint64 kStaleAfterSeconds = 10 * 60;
    const QRegularExpression pattern(
        QStringLiteral("^\\.%1-([0-9]+)-[A-Za-z0-9]{6}$").arg(QRegularExpression::escape(name)));
    const QDir dir(parent);
    const qint64 ownPid = QCoreApplication::applicationPid();
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const QStringList candidates =
        dir.entryList({QLatin1Char('.') + name + QStringLiteral("-*")},
                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QString& entry : candidates) {
        const QRegularExpressionMatch match = pattern.match(entry);
        if (!match.hasMatch())
            continue;
        bool numeric = false;
        const qint64 pid = match.captured(1).toLongLong(&numeric);
        if (!numeric || pid <= 0 || pid == ownPid || processRuns(pid))
            continue;
        const QFileInfo info(dir.filePath(entry));
        if (info.lastModified().toUTC().secsTo(now) < kStaleAfterSeconds)
            continue;
        QDir(info.filePath()).removeRecursively();
    }
}

} // namespace

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
    removeStaleWork(parent, target.fileName());
    // The process number lets a later maker tell work whose maker is gone.
    work_ = std::make_unique<QTemporaryDir>(
        QDir(parent).filePath(QStringLiteral(".%1-%2-XXXXXX")
                                  .arg(target.fileName())
                                  .arg(QCoreApplication::applicationPid())));
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
