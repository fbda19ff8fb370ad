#pragma once

#include "Failure.h"

#include <QString>
#include <QStringList>

#include <functional>

class Dialogs;

namespace scores {
class ScoreStore;
}

// A student's score file could not be read or written; the text says why, for the box.
class ScoreFileFailure : public Failure {
public:
    using Failure::Failure;
};

// A student's score file as both trainers use it. A failure is thrown as a ScoreFileFailure;
// a notice the student must read although the operation worked (an unreadable file kept aside,
// a file another program saved kept as it was) is shown before the call returns.
class ScoreFile {
public:
    ScoreFile(const scores::ScoreStore& store, Dialogs& dialogs)
        : store_(store), dialogs_(dialogs) {}

    // Told of every line appended, with the file that holds it, before any notice is shown.
    void onAppended(std::function<void(const QString& path, const QString& line)> appended) {
        appended_ = std::move(appended);
    }

    // Erases the student's earlier scores.
    void erase(const QString& name) const;
    // What an append leaves: the file that holds the student's lines, and its lines as they
    // now stand.
    struct Saved {
        QString path;
        QStringList lines;
    };
    Saved append(const QString& name, const QString& line) const;
    // The lines of the student's file.
    QStringList read(const QString& name) const;
    // Where the student's file is.
    QString pathFor(const QString& name) const;

private:
    const scores::ScoreStore& store_;
    Dialogs& dialogs_;
    std::function<void(const QString&, const QString&)> appended_;
};
