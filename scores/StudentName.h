#pragma once

#include <QString>

namespace scores {

// The student's last name or ID names the score file: "<name>.rtf" in the score folder. These
// rules keep every name inside that folder and valid on every file system a copy may go to
// (including the FAT file systems of removable media).
class StudentName {
public:
    static constexpr int kMaxCharacters = 100;
    // Bytes of the name in UTF-8, as file systems count them.
    static constexpr int kMaxBytes = 200;

    // The name as it is used: blanks around it removed.
    static QString normalised(const QString& typed);

    // Why `name` cannot name a score file, as a sentence for the student; empty when it can.
    static QString refusal(const QString& name);
};

} // namespace scores
