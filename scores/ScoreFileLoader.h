#pragma once

#include "RtfReader.h"

#include <QByteArray>
#include <QString>

namespace scores {

struct LoadedScoreFile {
    bool exists = false;
    QString readError; // the file exists but could not be read from the disk
    QByteArray bytes;  // what it holds on the disk
    RtfReadResult rtf; // what it holds as a document
};

// Reads a score file from the disk, as every reader of score files must: only an ordinary file
// is opened (a device, a pipe or a folder could block or never end), and only up to the size
// limit, beyond which no file is a score file.
class ScoreFileLoader {
public:
    // No score file comes near this; anything larger is not one, and no append may make one so.
    static constexpr qint64 kMaxBytes = 16 * 1024 * 1024;

    static LoadedScoreFile load(const QString& path);
};

} // namespace scores
