#pragma once

#include <QString>

#include <optional>

namespace scores {

// Where a copy of a score file goes by default when there is no drive A: a mounted removable
// medium (a USB stick or a memory card), or the home folder when none is mounted.
class RemovableMedia {
public:
    // "A:\" on Windows, where the copy goes without asking; nothing elsewhere.
    static std::optional<QString> floppyDrive();
    static QString defaultCopyFolder();
};

} // namespace scores
