#include "OutputGuard.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace qor {

namespace {

bool samePlace(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath() ||
           scores::FileIdentity::same(a, b);
}

} // namespace

OutputGuard::OutputGuard(QString folder, const QStringList& scoreFiles)
    : folder_(std::move(folder)) {
    for (const QString& file : scoreFiles) {
        if (const auto identity = scores::FileIdentity::of(file))
            scoreFiles_.push_back(*identity);
    }
}

QString OutputGuard::refusal(const QString& option, const QString& output) {
    if (output == QLatin1String("-"))
        return {};
    const QString shown = QDir::toNativeSeparators(output);
    if (samePlace(output, folder_))
        return QStringLiteral("%1 %2: that is the score folder itself; no report was written")
            .arg(option, shown);
    if (QFileInfo(output).isDir())
        return QStringLiteral("%1 %2: that is a folder; no report was written").arg(option, shown);
    if (isScoreFile(output))
        return QStringLiteral("%1 %2: that is a score file, which a report must not replace; no "
                              "report was written")
            .arg(option, shown);
    for (const QString& other : accepted_) {
        if (samePlace(output, other))
            return QStringLiteral("%1 %2: the other report goes there already; no report was "
                                  "written")
                .arg(option, shown);
    }
    accepted_ << output;
    return {};
}

bool OutputGuard::isScoreFile(const QString& output) const {
    if (const auto identity = scores::FileIdentity::of(output)) {
        if (std::find(scoreFiles_.begin(), scoreFiles_.end(), *identity) != scoreFiles_.end())
            return true;
    }
    // A new ".rtf" in the score folder would be read as a score file next time.
    const QFileInfo info(output);
    return info.fileName().endsWith(QLatin1String(".rtf"), Qt::CaseInsensitive) &&
           samePlace(info.absolutePath(), folder_);
}

} // namespace qor
