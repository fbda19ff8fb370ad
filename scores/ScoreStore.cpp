#include "ScoreStore.h"

#include "AtomicFile.h"
#include "FileIdentity.h"
#include "RtfWriter.h"
#include "ScoreFileLoader.h"
#include "ScoreFileLock.h"
#include "ScorePath.h"
#include "StudentName.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

namespace scores {

namespace {

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

bool takenName(const QString& path) {
    return QFileInfo::exists(path) || QFileInfo(path).isSymLink();
}

// The first free name beside `path`, counting from `first`.
QString freeNameBeside(const QString& path, const QString& label, int first) {
    for (int n = first;; ++n) {
        const QString candidate = nameBeside(path, label, n);
        if (!takenName(candidate))
            return candidate;
    }
}

// Creates the score folder and its parents when they are missing; returns why not, in the
// platform's words, or an empty text.
QString folderCreationError(const QString& folder) {
    std::error_code error;
    std::filesystem::create_directories(
        std::filesystem::path(QFile::encodeName(folder).toStdString()), error);
    if (!error && QFileInfo(folder).isDir())
        return {};
    return error ? QString::fromLocal8Bit(error.message().c_str()) : systemError(ENOTDIR);
}

// A student's score file, held locked while it is read and replaced.
struct LockedScoreFile {
    QString path;
    std::unique_ptr<ScoreFileLock> lock;
    QString error; // why the file could not be reached; empty when it is locked
};

// Where the lines go while the student's file cannot be read: the last side file "Name (n).rtf"
// that holds readable scores, so that one quiz after another lands in the same place, or else a
// new one. A side file is read by the same rules as the student's file: a name whose link leads
// out of the folder, to a folder or round in a circle is passed over.
QString sideFileFor(const QString& path, const QString& folder) {
    QString lastReadable;
    for (int n = 2;; ++n) {
        const QString candidate = nameBeside(path, QString(), n);
        if (!takenName(candidate))
            return lastReadable.isEmpty() ? candidate : lastReadable;
        QString linkError;
        const QString target = ScorePath::resolve(candidate, folder, linkError);
        if (!linkError.isEmpty())
            continue;
        const LoadedScoreFile side = ScoreFileLoader::load(target);
        if (side.readError.isEmpty() && side.rtf.ok && writeProtection(target).isEmpty())
            lastReadable = target;
    }
}

// Whether the document on the disk is one this program wrote: what it would write for the same
// lines. An empty file is nobody's work.
bool writtenHere(const LoadedScoreFile& file) {
    return file.bytes.trimmed().isEmpty() || RtfWriter::write(file.rtf.lines) == file.bytes;
}

// Writes the student's lines as `path`, unless the document would be larger than any reader
// takes: then every later read and append would fail.
QString writeLines(const QString& path, const QStringList& lines) {
    const QByteArray document = RtfWriter::write(lines);
    if (document.size() > ScoreFileLoader::kMaxBytes)
        return QCoreApplication::translate(
                   "ScoreFiles", "The new scores would make the score file %1 larger than %2 MB, "
                                 "the most a score file may hold, so they were not added. The "
                                 "score file was left as it was.")
            .arg(native(path))
            .arg(ScoreFileLoader::kMaxBytes / (1024 * 1024));
    if (const QString error = AtomicFile::write(path, document); !error.isEmpty())
        return QCoreApplication::translate(
                   "ScoreFiles",
                   "The scores could not be saved: %1. The score file was left as it was.")
            .arg(error);
    return {};
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
    if (const QString why = folderCreationError(folder); !why.isEmpty()) {
        file.error = QCoreApplication::translate("ScoreFiles",
                                                 "The score folder %1 could not be created: %2.")
                         .arg(native(folder), why);
        return file;
    }
    file.path = ScorePath::resolve(store.pathFor(name), folder, file.error);
    if (!file.error.isEmpty())
        return file;
    file.lock = std::make_unique<ScoreFileLock>(file.path);
    file.error = file.lock->acquire();
    return file;
}

// Never rewrites what could not be read completely: the line goes to a file beside it.
static ScoreFileResult appendBeside(const QString& path, const QString& folder,
                                    const QString& unreadableBecause, const QString& line) {
    ScoreFileResult result;
    result.unreadablePath = path;
    result.path = sideFileFor(path, folder);
    result.lines = ScoreFileLoader::load(result.path).rtf.lines;
    result.lines.append(line);
    if (const QString error = writeLines(result.path, result.lines); !error.isEmpty())
        return failure(error);
    result.notice =
        QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read (%2), so it "
                                                  "was left as it was. The new scores were written "
                                                  "to %3.")
            .arg(native(path), unreadableBecause, native(result.path));
    result.status = ScoreFileResult::Status::Ok;
    return result;
}

// Another program (a word processor) saved the file, perhaps with formatting and notes that our
// plain lines cannot carry: the file as it was is kept beside it first. Returns an error text.
static QString keepOriginal(const QString& path, const LoadedScoreFile& existing,
                            ScoreFileResult& result) {
    const QString original = freeNameBeside(path, QStringLiteral("original"), 1);
    if (const QString error = AtomicFile::write(original, existing.bytes); !error.isEmpty())
        return QCoreApplication::translate("ScoreFiles",
                                           "The score file %1 was saved by another program, and a "
                                           "copy of it could not be kept before the new scores "
                                           "were added: %2. The score file was left as it was.")
            .arg(native(path), error);
    result.keptAsPath = original;
    result.notice =
        QCoreApplication::translate("ScoreFiles", "The score file %1 was last saved by another "
                                                  "program. The new scores were added as plain "
                                                  "lines, and the file as it was, with all its "
                                                  "formatting, was kept as %2.")
            .arg(native(path), native(original));
    return {};
}

ScoreFileResult ScoreStore::appendLine(const QString& name, const QString& line) const {
    const LockedScoreFile locked = lockStudentFile(*this, folder_, name);
    if (!locked.error.isEmpty())
        return failure(locked.error);
    const QString& path = locked.path;

    const LoadedScoreFile existing = ScoreFileLoader::load(path);
    if (!existing.readError.isEmpty())
        return failure(existing.readError);
    if (existing.exists && !existing.rtf.ok)
        return appendBeside(path, folder_, existing.rtf.error, line);
    if (existing.exists && !writeProtection(path).isEmpty())
        return failure(QCoreApplication::translate(
                           "ScoreFiles", "The score file %1 is read-only (%2), so the new scores "
                                         "could not be added to it.")
                           .arg(native(path), writeProtection(path)));

    ScoreFileResult result;
    result.path = path;
    result.lines = existing.rtf.lines;
    result.lines.append(line);
    if (existing.exists && !writtenHere(existing)) {
        if (const QString error = keepOriginal(path, existing, result); !error.isEmpty())
            return failure(error);
    }
    if (const QString error = writeLines(path, result.lines); !error.isEmpty())
        return failure(error);
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
    const LoadedScoreFile existing = ScoreFileLoader::load(path);
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
    ScoreFileResult result = readFile(pathFor(name));
    if (result.status == ScoreFileResult::Status::Missing)
        result.error =
            QCoreApplication::translate("ScoreFiles", "There is no score file for \"%1\" (%2).")
                .arg(name, native(pathFor(name)));
    return result;
}

ScoreFileResult ScoreStore::readFile(const QString& scorePath) const {
    QString linkError;
    const QString path = ScorePath::resolve(scorePath, folder_, linkError);
    if (!linkError.isEmpty())
        return failure(linkError);
    const LoadedScoreFile existing = ScoreFileLoader::load(path);
    ScoreFileResult result;
    result.path = path;
    if (!existing.exists) {
        result.status = ScoreFileResult::Status::Missing;
        result.error =
            QCoreApplication::translate("ScoreFiles", "The score file %1 could not be read: %2")
                .arg(native(scorePath), systemError(ENOENT));
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
    // The copy would take the student's own file's place and make it read-only. The folder may
    // be reached by another path too (a link, a second mount of it): what counts is whether it is
    // the same folder on the disk.
    if (FileIdentity::same(targetFolder, QFileInfo(sourcePath).absolutePath()))
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
