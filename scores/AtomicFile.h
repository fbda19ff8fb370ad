#pragma once

#include <QByteArray>
#include <QString>

namespace scores {

// Whole-file replacement that never leaves a file half written: the new contents go to a
// temporary file in the same folder, are flushed to the disk, and then take the file's place in
// one rename. A full disk, a crash or a power cut leaves either the old file or the new one.
class AtomicFile {
public:
    // Writes `contents` as `path`. Returns an empty text on success, otherwise what failed as a
    // sentence for the user; the file at `path` is then untouched. Temporary files that writers
    // of `path` left when they were killed are removed first.
    static QString write(const QString& path, const QByteArray& contents);
};

} // namespace scores
