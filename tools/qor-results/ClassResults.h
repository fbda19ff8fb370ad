#pragma once

#include "QuizRecord.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace qor {

struct UnrecognisedLine {
    QString file;
    int line = 0; // counting from 1
    QString text;
};

struct UnreadableFile {
    QString file;
    QString reason;
};

// The quiz lines of a score folder, student by student in the order of their file names, each
// student's lines in the order of the file (the order the programs appended them).
struct ClassResults {
    QVector<QuizRecord> records;
    QVector<UnrecognisedLine> unrecognised;
    QVector<UnreadableFile> unreadable;
    QStringList scoreFiles; // every "*.rtf" of the folder, read or not, as absolute paths

    // Adds one student's score file, given as its lines. Pitch questions are joined to the quiz
    // they belong to: the closing line that follows them gives them its date, steps and items.
    void addFile(const QString& student, const QString& file, const QStringList& lines);

    // Reads every "*.rtf" file of `folder` by the rules the programs read score files with (only
    // ordinary files no larger than any score file, links only within the folder); each file
    // that is not read is listed in `unreadable` with the reason. Returns false with `error` set
    // when the folder itself is missing, is not a folder or cannot be listed.
    bool addFolder(const QString& folder, QString* error);

    QStringList students() const;
};

} // namespace qor
