#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace scores {

// A new folder that appears complete or not at all: its files are made in a temporary folder
// beside it, which takes the folder's name only when they are all there. The folder must not
// exist yet (or be empty); when the work is abandoned, nothing is left behind, and the work of a
// maker that was killed is removed by the next maker of the same folder once it is stale.
class NewFolder {
public:
    explicit NewFolder(const QString& path);

    // Why the folder cannot be made, as a sentence; empty when work can start in workPath().
    const QString& error() const { return error_; }
    QString workPath() const { return work_ ? work_->path() : QString(); }

    // Gives the finished work the folder's name; an empty text, or what failed.
    QString complete();

private:
    QString path_;
    QString error_;
    std::unique_ptr<QTemporaryDir> work_;
};

} // namespace scores
