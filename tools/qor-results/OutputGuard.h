#pragma once

#include "FileIdentity.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace qor {

// Keeps the reports off what they are made from: a report never replaces a score file, nor the
// score folder, nor takes a name in the score folder that would be read as a score file next
// time, nor the name of the other report.
class OutputGuard {
public:
    OutputGuard(QString folder, const QStringList& scoreFiles);

    // Why a report may not be written to `output`, as a sentence; empty when it may. `--csv` or
    // `--html`, `option` names it in the refusal. Each accepted output is remembered, so that a
    // second report to the same file is refused.
    QString refusal(const QString& option, const QString& output);

private:
    bool isScoreFile(const QString& output) const;

    QString folder_;
    std::vector<scores::FileIdentity> scoreFiles_;
    QStringList accepted_;
};

} // namespace qor
