#pragma once

#include <QString>

namespace scores {

// The file a path in the score folder stands for. A symbolic link is followed only while it
// leads to a file in the score folder itself: a link that leaves the folder, points to a folder
// or goes round in a circle is not used, and the refusal says which of these it is.
class ScorePath {
public:
    // The absolute path of the file `path` leads to, or an empty text with `error` saying why the
    // link is not followed.
    static QString resolve(const QString& path, const QString& folder, QString& error);
};

} // namespace scores
