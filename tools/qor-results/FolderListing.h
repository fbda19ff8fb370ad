#pragma once

#include <QString>
#include <QStringList>

namespace qor {

// The names in a score folder that stand for score files.
class FolderListing {
public:
    // Every "*.rtf" name of `folder` (any letter case, hidden names left out), sorted as a teacher
    // reads them: by name regardless of case. Returns why the folder could not be listed, as a
    // sentence, or an empty text.
    static QString scoreFileNames(const QString& folder, QStringList& names);
};

} // namespace qor
