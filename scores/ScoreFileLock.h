#pragma once

#include <QLockFile>
#include <QString>

namespace scores {

// Holds a student's score file locked for one change, against the other program and other
// computers sharing the folder: the lock is the file ".<name>.rtf.lock" beside it. The others
// wait for it.
class ScoreFileLock {
public:
    explicit ScoreFileLock(const QString& scoreFile);

    static QString lockPathFor(const QString& scoreFile);

    // Takes the lock, waiting up to a minute for another writer. Returns an empty text once it is
    // held, otherwise why it could not be taken, as a sentence for the user.
    QString acquire();

private:
    QString whyNotLocked() const;

    QString scoreFile_;
    QLockFile lock_;
};

} // namespace scores
