#include "ScoreStore.h"

#include "AtomicFile.h"
#include "RtfReader.h"
#include "RtfWriter.h"
#include "StudentName.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryFile>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <memory>

namespace scores {

namespace {

// A writer holds the lock only while it rewrites one file (a few milliseconds), so the others
// look again often, at a fixed short interval: a growing interval would leave a waiting program
// asleep long after the file became free. The whole wait covers a full computer lab saving at
// once.
constexpr int kLockRetryMs = 20;
constexpr int kLockWaitMs = 60000;

// No score file comes near this; anything larger is not one.
constexpr qint64 kMaxScoreFileBytes = 16 * 1024 * 1024;

QString native(const QString& path) {
    return QDir::toNativeSeparators(path);
}

QString systemError(int code) {
    return QString::fromLocal8Bit(std::strerror(code));
}

ScoreFileResult failure(const QString& error) {
    ScoreFileResult result;
    result.status = ScoreFileResult::Status::Failed;
    result.error = error;
    return result;
}

// The file a score path stands for. A symbolic link is followed only while it stays in the
// score folder; `error` says why a link that leads elsewhere is not used.
QString resolvedTarget(const QString& path, const QString& folder, QString& error) {
    QFileInfo info(path);
    if (!info.isSymLink())
        return info.absoluteFilePath();
    int depth = 0;
    for (; depth < 32 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    const QString home = QFileInfo(folder).canonicalFilePath();
    const QString where = QFileInfo(info.absolutePath()).canonicalFilePath();
    if (depth == 32 || home.isEmpty() || where != home) {
        error = QCoreApplication::translate(
                    "ScoreFiles", "The score file %1 is a link to a place outside the score folder "
                                  "%2, so it was not used.")
                    .arg(native(path), native(folder));
        return {};
    }
    return QDir(home).absoluteFilePath(info.fileName());
}

// Why the file at `path` may not be written, in the platform's words; empty when it may (or is
// not there). A write-protected file counts as one even for a user the system would let
// through.
QString writeProtection(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return {};
    if (info.isWritable() && (info.permissions() & QFile::WriteOwner))
        return {};
    return systemError(EACCES);
}

// "Name (2).rtf", "Name (3).rtf"... beside `path`, or with a label "Name (label).rtf",
// "Name (label 2).rtf"...
QString nameBeside(const QString& path, const QString& label, int n) {
    const QFileInfo info(path);
    const QString stem = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    if (label.isEmpty())
        return QStringLiteral("%1 (%2).rtf").arg(stem).arg(n);
    if (n == 1)
        return QStringLiteral("%1 (%2).rtf").arg(stem, label);
    return QStringLiteral("%1 (%2 %3).rtf").arg(stem, label).arg(n);
}

// The first free name beside `path`, counting from `first`.
QString freeNameBeside(const QString& path, const QString& label, int first) {
    for (int n = first;; ++n) {
        const QString candidate = nameBeside(path, label, n);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return candidate;
    }
}

struct LoadedFile {
    bool exists = false;
    QString readError; // the file exists but could not be read from the disk
    QByteArray bytes;  // what it holds on the disk
    RtfReadResult rtf; // what it holds as a document
};

LoadedFile load(const QString& path) {
    LoadedFile loaded;
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return loaded;
    loaded.exists = true;
    // Devices, pipes and folders are never opened: reading them could block or never end.
    if (!info.isFile()) {
        loaded.readError = QCoreApplication::translate(
                               "ScoreFiles", "The score file %1 is not an ordinary file, so it was "
                                             "not used.")
                               .arg(native(path));
        return loaded;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.readError =
            QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read: %2")
                .arg(native(path), file.errorString());
        return loaded;
    }
    loaded.bytes = file.read(kMaxScoreFileBytes + 1);
    if (file.error() != QFileDevice::NoError) {
        loaded.readError =
            QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read: %2")
                .arg(native(path), file.errorString());
        return loaded;
    }
    if (loaded.bytes.size() > kMaxScoreFileBytes) {
        loaded.readError = QCoreApplication::translate(
                               "ScoreFiles", "The score file %1 is larger than %2 MB, far larger "
                                             "than any score file, so it was not used.")
                               .arg(native(path))
                               .arg(kMaxScoreFileBytes / (1024 * 1024));
        loaded.bytes.clear();
        return loaded;
    }
    loaded.rtf = RtfReader::read(loaded.bytes);
    return loaded;
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

// Holds the student's lock for one change; the other programs wait for it.
class FileLock {
public:
    explicit FileLock(const QString& scoreFile)
        : lock_(QFileInfo(scoreFile).absolutePath() + QLatin1String("/.") +
                QFileInfo(scoreFile).fileName() + QLatin1String(".lock")) {}

    QString acquire(const QString& scoreFile) {
        QElapsedTimer waited;
        waited.start();
        for (;;) {
            if (lock_.tryLock(0))
                return {};
            if (lock_.error() != QLockFile::LockFailedError)
                break;
            if (waited.hasExpired(kLockWaitMs))
                return QCoreApplication::translate(
                           "ScoreFiles", "The score file %1 is being written by another program. "
                                         "Please try again in a moment.")
                    .arg(native(scoreFile));
            QThread::msleep(kLockRetryMs);
        }
        QString why = folderWriteError(QFileInfo(scoreFile).absolutePath());
        if (why.isEmpty())
            why = lock_.error() == QLockFile::PermissionError
                      ? systemError(EACCES)
                      : QCoreApplication::translate("ScoreFiles", "unknown error");
        return QCoreApplication::translate("ScoreFiles",
                                           "The score file %1 could not be locked for writing: %2.")
            .arg(native(scoreFile), why);
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

// Where the lines go while the student's file cannot be read: the last side file "Name (n).rtf"
// that holds readable scores, so that one quiz after another lands in the same place, or else a
// new one.
QString sideFileFor(const QString& path) {
    QString lastReadable;
    for (int n = 2;; ++n) {
        const QString candidate = nameBeside(path, QString(), n);
        if (!QFileInfo::exists(candidate) && !QFileInfo(candidate).isSymLink())
            return lastReadable.isEmpty() ? candidate : lastReadable;
        const LoadedFile side = load(candidate);
        if (side.readError.isEmpty() && side.rtf.ok && writeProtection(candidate).isEmpty())
            lastReadable = candidate;
    }
}

// Whether the document on the disk is one this program wrote: what it would write for the same
// lines. An empty file is nobody's work.
bool writtenHere(const LoadedFile& file) {
    return file.bytes.trimmed().isEmpty() || RtfWriter::write(file.rtf.lines) == file.bytes;
}

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
            QCoreApplication::translate("ScoreFiles", "The score folder %1 could not be created.")
                .arg(native(folder));
        return file;
    }
    file.path = resolvedTarget(store.pathFor(name), folder, file.error);
    if (!file.error.isEmpty())
        return file;
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
    if (existing.exists && existing.rtf.ok && !writeProtection(path).isEmpty())
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score file %1 is read-only (%2), so the new scores "
                                         "could not be added to it.")
                           .arg(native(path), writeProtection(path)));

    if (existing.exists && !existing.rtf.ok) {
        // Never rewrite what could not be read completely: the scores go to a file beside it.
        result.unreadablePath = path;
        result.path = sideFileFor(path);
        const LoadedFile side = load(result.path);
        result.lines = side.rtf.lines;
        result.lines.append(line);
        result.notice =
            QCoreApplication::translate("ScoreFiles",
                                        "The score file %1 could not be read (%2), so it was left "
                                        "as it was. The new scores were written to %3.")
                .arg(native(path), existing.rtf.error, native(result.path));
    } else {
        result.lines = existing.rtf.lines;
        result.lines.append(line);
        if (existing.exists && !writtenHere(existing)) {
            // Another program (a word processor) saved it, perhaps with formatting and notes
            // that our plain lines cannot carry: the file as it was is kept beside it first.
            const QString original = freeNameBeside(path, QStringLiteral("original"), 1);
            if (const QString error = AtomicFile::write(original, existing.bytes); !error.isEmpty())
                return failure(
                    QCoreApplication::translate("ScoreFiles",
                                                "The score file %1 was saved by another program, "
                                                "and a copy of it could not be kept before the new "
                                                "scores were added: %2. The score file was left "
                                                "as it was.")
                        .arg(native(path), error));
            result.keptAsPath = original;
            result.notice =
                QCoreApplication::translate("ScoreFiles",
                                            "The score file %1 was last saved by another program. "
                                            "The new scores were added as plain lines, and the "
                                            "file as it was, with all its formatting, was kept "
                                            "as %2.")
                    .arg(native(path), native(original));
        }
    }

    if (const QString error = AtomicFile::write(result.path, RtfWriter::write(result.lines));
        !error.isEmpty()) {
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The scores could not be saved: %1. The score file was "
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

    // A write-protected file keeps its scores: erasing it would go round the protection.
    if (const QString protection = writeProtection(path); !protection.isEmpty())
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score file %1 is read-only (%2), so the earlier "
                                         "scores were not erased.")
                           .arg(native(path), protection));

    ScoreFileResult result;
    result.path = path;
    const LoadedFile existing = load(path);
    if (existing.exists && (!existing.readError.isEmpty() || !existing.rtf.ok)) {
        // The student asked for a new test, but a file we cannot read may be someone's work:
        // it is kept under another name rather than destroyed.
        const QString keptAs = freeNameBeside(path, QStringLiteral("unreadable"), 2);
        if (!QFile::rename(path, keptAs))
            return failure(
                QCoreApplication::translate("ScoreFiles",
                                            "The score file %1 could not be read, and it could not "
                                            "be moved aside to start a new test.")
                    .arg(native(path)));
        result.unreadablePath = path;
        result.keptAsPath = keptAs;
        result.notice =
            QCoreApplication::translate("ScoreFiles",
                                        "The score file %1 could not be read, so it was kept as %2 "
                                        "and a new score file was started.")
                .arg(native(path), native(keptAs));
    }
    if (const QString error = AtomicFile::write(path, RtfWriter::write({})); !error.isEmpty())
        return failure(
            QCoreApplication::translate("ScoreFiles", "The earlier scores could not be erased: %1.")
                .arg(error));
    result.status = ScoreFileResult::Status::Ok;
    return result;
}

ScoreFileResult ScoreStore::read(const QString& name) const {
    if (const QString refusal = StudentName::refusal(name); !refusal.isEmpty())
        return failure(refusal);
    QString linkError;
    const QString path = resolvedTarget(pathFor(name), folder_, linkError);
    if (!linkError.isEmpty())
        return failure(linkError);
    const LoadedFile existing = load(path);
    ScoreFileResult result;
    result.path = path;
    if (!existing.exists) {
        result.status = ScoreFileResult::Status::Missing;
        result.error =
            QCoreApplication::translate("ScoreFiles", "There is no score file for \"%1\" (%2).")
                .arg(name, native(pathFor(name)));
    } else if (!existing.readError.isEmpty()) {
        result.status = ScoreFileResult::Status::Failed;
        result.error = existing.readError;
    } else if (!existing.rtf.ok) {
        result.status = ScoreFileResult::Status::Unreadable;
        result.error =
            QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read: %2.")
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
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score file %1 could not be read for the copy: %2")
                           .arg(native(sourcePath), source.errorString()));
    const QByteArray bytes = source.readAll();
    source.close();

    if (!QFileInfo(targetFolder).isDir())
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score was NOT copied: the folder %1 is not there "
                                         "(is the disk in the drive?).")
                           .arg(native(targetFolder)));
    // The copy would take the student's own file's place and make it read-only.
    const QString sourceFolder =
        QFileInfo(QFileInfo(sourcePath).absolutePath()).canonicalFilePath();
    if (QFileInfo(targetFolder).canonicalFilePath() == sourceFolder)
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score was NOT copied: %1 is the score folder itself. "
                                         "Please choose another folder, such as one on a removable "
                                         "disk.")
                           .arg(native(targetFolder)));

    const QString target = QDir(targetFolder).absoluteFilePath(QFileInfo(sourcePath).fileName());
    const QFile::Permissions readOnly =
        QFile::ReadOwner | QFile::ReadUser | QFile::ReadGroup | QFile::ReadOther;
    // An earlier copy was made read-only; it is made writable before it is replaced.
    if (QFileInfo::exists(target))
        QFile::setPermissions(target, readOnly | QFile::WriteOwner | QFile::WriteUser);
    if (const QString error = AtomicFile::write(target, bytes); !error.isEmpty())
        return failure(
            QCoreApplication::translate("ScoreFiles", "The score was NOT copied: %1.").arg(error));
    QFile::setPermissions(target, readOnly);

    ScoreFileResult result;
    result.status = ScoreFileResult::Status::Ok;
    result.path = target;
    return result;
}

} // namespace scores
