#pragma once

#include <QString>

#include <optional>

namespace scores {

// What makes a file or folder the same one whatever path reaches it: its device and its number
// on that device. Two names, links or mounts of one folder have the same identity.
class FileIdentity {
public:
    // The identity of what `path` leads to (links followed); nothing when it is not there.
    static std::optional<FileIdentity> of(const QString& path);

    // Whether `a` and `b` lead to the same existing file or folder.
    static bool same(const QString& a, const QString& b);

    bool operator==(const FileIdentity& other) const = default;

    unsigned long long device = 0;
    unsigned long long number = 0;
};

} // namespace scores
