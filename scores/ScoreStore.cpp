#include "ScoreStore.h"

#include "AtomicFile.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "StudentName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>

#include <memory>

namespace scores {

namespace {

// Another program holds the lock only while it rewrites one file.
constexpr int kLockWaitMs = 10000;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

ScoreFileResult failure(const QString& error) {
    ScoreFileResult result;
    result.status = ScoreFileResult::Status::Failed;
    result.error = error;
    return result;
}

// A score file reached through a symbolic link is written where the link points.
QString resolvedTarget(const QString& path) {
    QFileInfo info(path);
    for (int depth = 0; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.absoluteFilePath();
}

// A free file name beside `path`: "Name (2).rtf", "Name (3).rtf"...
QString freeNameBeside(const QString& path, const QString& label) {
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    for (int n = 2;; ++n) {
        const QString candidate = label.isEmpty()
                                      ? QStringLiteral("%1 (%2).rtf").arg(stem).arg(n)
                                      : QStringLiteral("%1 (%2 %3).rtf").arg(stem, label).arg(n);
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

struct LoadedFile {
    bool exists = false;
    QString readError; // the file exists but could not be read from the disk
    RtfReadResult rtf; // what it holds
};

LoadedFile load(const QString& path) {
    LoadedFile loaded;
    QFile file(path);
    if (!file.exists())
        return loaded;
    loaded.exists = true;
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.readError = QStringLiteral("The score file %1 could not be read: %2")
                               .arg(native(path), file.errorString());
        return loaded;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        loaded.readError = QStringLiteral("The score file %1 could not be read: %2")
                               .arg(native(path), file.errorString());
        return loaded;
    }
    loaded.rtf = RtfReader::read(bytes);
    return loaded;
}

// Holds the student's lock for one change; the other program waits for it.
class FileLock {
public:
    explicit FileLock(const QString& scoreFile)
        : lock_(QFileInfo(scoreFile).absolutePath() + QLatin1String("/.") +
                QFileInfo(scoreFile).fileName() + QLatin1String(".lock")) {}

    QString acquire(const QString& scoreFile) {
        if (lock_.tryLock(kLockWaitMs))
            return {};
        if (lock_.error() == QLockFile::LockFailedError)
            return QStringLiteral("The score file %1 is being written by another program. "
                                  "Please try again in a moment.")
                .arg(native(scoreFile));
        return QStringLiteral("The score file %1 could not be locked for writing "
                              "(is the folder read-only?).")
            .arg(native(scoreFile));
    }

private:
    QLockFile lock_;
};

// A student's score file, held locked while it is read and replaced.
struct LockedScoreFile {
    QString path;
    std::unique_ptr<FileLock> lock;
    QString error; // why the file could not be reached; empty when it is locked
};

} // namespace

ScoreStore::ScoreStore(QString folder) : folder_(std::move(folder)) {}

QString ScoreStore::defaultFolder() {
#ifdef Q_OS_WIN
    return QStringLiteral("C:/Qor_Music");
#else
    return QDir::homePath() + QLatin1String("/Qor_Music");
#endif
}

QString ScoreStore::pathFor(const QString& name) const {
    return QDir(folder_).absoluteFilePath(name + QLatin1String(".rtf"));
}

// Checks the name, creates the folder when it is missing and locks the student's file.
static LockedScoreFile lockStudentFile(const ScoreStore& store, const QString& folder,
                                       const QString& name) {
    LockedScoreFile file;
    if (file.error = StudentName::refusal(name); !file.error.isEmpty())
        return file;
    if (!QDir().mkpath(folder)) {
        file.error =
            QStringLiteral("The score folder %1 could not be created.").arg(native(folder));
        return file;
    }
    file.path = resolvedTarget(store.pathFor(name));
    file.lock = std::make_unique<FileLock>(file.path);
    file.error = file.lock->acquire(file.path);
    return file;
}

ScoreFileResult ScoreStore::appendLine(const QString& name, const QString& line) const {
    const LockedScoreFile locked = lockStudentFile(*this, folder_, name);
    if (!locked.error.isEmpty())
        return failure(locked.error);
    const QString& path = locked.path;

    ScoreFileResult result;
    result.path = path;
    const LoadedFile existing = load(path);
    if (!existing.readError.isEmpty())
        return failure(existing.readError);
    if (existing.exists && existing.rtf.ok && !QFileInfo(path).isWritable())
        return failure(QStringLiteral("The score file %1 is read-only, so the new scores could "
                                      "not be added to it.")
                           .arg(native(path)));

    if (existing.exists && !existing.rtf.ok) {
        // Never rewrite what could not be read completely: the scores start a new file.
        result.unreadablePath = path;
        result.path = freeNameBeside(path, QString());
        result.lines = QStringList{line};
        result.notice = QStringLiteral("The score file %1 could not be read (%2), so it was left "
                                       "as it was. The new scores were written to %3.")
                            .arg(native(path), existing.rtf.error, native(result.path));
    } else {
        result.lines = existing.rtf.lines;
        result.lines.append(line);
    }

    if (const QString error = AtomicFile::write(result.path, RtfWriter::write(result.lines));
        !error.isEmpty()) {
        return failure(QStringLiteral("The scores could not be saved: %1. The score file was "
                                      "left as it was.")
                           .arg(error));
    }
    result.status = ScoreFileResult::Status::Ok;
    return result;
}

ScoreFileResult ScoreStore::erase(const QString& name) const {
    const LockedScoreFile locked = lockStudentFile(*this, folder_, name);
    if (!locked.error.isEmpty())
        return failure(locked.error);
    const QString& path = locked.path;

    ScoreFileResult result;
    result.path = path;
    const LoadedFile existing = load(path);
    if (existing.exists && (!existing.readError.isEmpty() || !existing.rtf.ok)) {
        // The student asked for a new test, but a file we cannot read may be someone's work:
        // it is kept under another name rather than destroyed.
        const QString keptAs = freeNameBeside(path, QStringLiteral("unreadable"));
        if (!QFile::rename(path, keptAs))
            return failure(QStringLiteral("The score file %1 could not be read, and it could not "
                                          "be moved aside to start a new test.")
                               .arg(native(path)));
        result.unreadablePath = path;
        result.keptAsPath = keptAs;
        result.notice = QStringLiteral("The score file %1 could not be read, so it was kept as %2 "
                                       "and a new score file was started.")
                            .arg(native(path), native(keptAs));
    }
    if (const QString error = AtomicFile::write(path, RtfWriter::write({})); !error.isEmpty())
        return failure(QStringLiteral("The earlier scores could not be erased: %1.").arg(error));
    result.status = ScoreFileResult::Status::Ok;
    return result;
}

ScoreFileResult ScoreStore::read(const QString& name) const {
    if (const QString refusal = StudentName::refusal(name); !refusal.isEmpty())
        return failure(refusal);
    const QString path = resolvedTarget(pathFor(name));
    const LoadedFile existing = load(path);
    ScoreFileResult result;
    result.path = path;
    if (!existing.exists) {
        result.status = ScoreFileResult::Status::Missing;
        result.error = QStringLiteral("There is no score file for \"%1\" (%2).")
                           .arg(name, native(pathFor(name)));
    } else if (!existing.readError.isEmpty()) {
        result.status = ScoreFileResult::Status::Failed;
        result.error = existing.readError;
    } else if (!existing.rtf.ok) {
        result.status = ScoreFileResult::Status::Unreadable;
        result.error = QStringLiteral("The score file %1 could not be read: %2.")
                           .arg(native(path), existing.rtf.error);
    } else {
        result.status = ScoreFileResult::Status::Ok;
        result.lines = existing.rtf.lines;
    }
    return result;
}

ScoreFileResult ScoreStore::copyReadOnly(const QString& sourcePath, const QString& targetFolder) {
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return failure(QStringLiteral("The score file %1 could not be read for the copy: %2")
                           .arg(native(sourcePath), source.errorString()));
    const QByteArray bytes = source.readAll();
    source.close();

    if (!QFileInfo(targetFolder).isDir())
        return failure(QStringLiteral("The score was NOT copied: the folder %1 is not there "
                                      "(is the disk in the drive?).")
                           .arg(native(targetFolder)));

    const QString target = QDir(targetFolder).absoluteFilePath(QFileInfo(sourcePath).fileName());
    const QFile::Permissions readOnly =
        QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    // An earlier copy was made read-only; it is made writable before it is replaced.
    if (QFileInfo::exists(target))
        QFile::setPermissions(target, readOnly | QFile::WriteOwner | QFile::WriteUser);
    if (const QString error = AtomicFile::write(target, bytes); !error.isEmpty())
        return failure(QStringLiteral("The score was NOT copied: %1.").arg(error));
    QFile::setPermissions(target, readOnly);

    ScoreFileResult result;
    result.status = ScoreFileResult::Status::Ok;
    result.path = target;
    return result;
}

} // namespace scores
