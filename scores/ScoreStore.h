#pragma once

#include <QString>
#include <QStringList>

namespace scores {

struct ScoreFileResult {
    enum class Status {
        Ok,
        Missing,    // reading: there is no score file under that name
        Unreadable, // reading: the file is not a rich-text document this program can read
        Failed      // the operation failed; `error` says why
    };
    Status status = Status::Failed;
    QString error;          // a full sentence for the student when the status is not Ok
    QString notice;         // what the student must know although the operation worked
    QString path;           // the file that holds the student's lines
    QStringList lines;      // the document's lines as they now stand
    QString unreadablePath; // the student's file, left as it was because it could not be read
    QString keptAsPath;     // where an unreadable file was moved before a new test began, or
                            // where a file another program saved was kept before an append

    bool ok() const { return status == Status::Ok; }
};

// The score files of both programs: one rich-text document per student, "<name>.rtf" in the
// score folder, whose lines are the records of that student's quizzes. Every change locks the
// file against the other program, reads it, and replaces it whole (AtomicFile), so that no line
// is ever lost to a full disk, a crash or two programs writing at once, and a file that cannot be
// read is never overwritten.
class ScoreStore {
public:
    explicit ScoreStore(QString folder = defaultFolder());

    // "C:\Qor_Music\" on Windows, ~/Qor_Music/ elsewhere.
    static QString defaultFolder();

    const QString& folder() const { return folder_; }
    QString pathFor(const QString& name) const;

    // Appends `line` as the last line of the student's file, creating the folder and the file
    // when they are missing. When the file exists but cannot be read, it is left untouched and
    // the line goes into a file beside it (`path`, the same one for every later quiz),
    // `unreadablePath` naming the old one. A file another program saved is first kept as it was
    // beside it (`keptAsPath`, "Name (original).rtf"). Only ordinary files in the score folder
    // are read or written; links that lead out of it are refused.
    ScoreFileResult appendLine(const QString& name, const QString& line) const;

    // Replaces the student's file by an empty document (a new test). A file that cannot be read
    // is not destroyed: it is kept under a new name beside it (`keptAsPath`). A write-protected
    // file is refused.
    ScoreFileResult erase(const QString& name) const;

    // The lines of the student's file.
    ScoreFileResult read(const QString& name) const;

    // The lines of the score file at `path` in the score folder, whatever its name, read by the
    // same rules as a student's file: an ordinary file no larger than any score file, reached
    // through links only within the folder. For the teachers' tools that read the whole folder.
    ScoreFileResult readFile(const QString& path) const;

    // Copies the score file `sourcePath` into `targetFolder` under its own file name, replacing
    // an earlier copy (read-only or not), and makes the copy read-only. The score folder itself
    // is refused, by whatever path it is reached.
    static ScoreFileResult copyReadOnly(const QString& sourcePath, const QString& targetFolder);

private:
    QString folder_;
};

} // namespace scores
