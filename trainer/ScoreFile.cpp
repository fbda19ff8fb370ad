#include "ScoreFile.h"

#include "Dialogs.h"
#include "ScoreStore.h"

namespace {

void throwUnlessDone(const scores::ScoreFileResult& result) {
    if (!result.ok())
        throw ScoreFileFailure(result.error);
}

} // namespace

void ScoreFile::erase(const QString& name) const {
    const scores::ScoreFileResult erased = store_.erase(name);
    throwUnlessDone(erased);
    if (!erased.notice.isEmpty())
        dialogs_.information(erased.notice);
}

ScoreFile::Saved ScoreFile::append(const QString& name, const QString& line) const {
    const scores::ScoreFileResult saved = store_.appendLine(name, line);
    throwUnlessDone(saved);
    if (appended_)
        appended_(saved.path, line);
    if (!saved.notice.isEmpty())
        dialogs_.information(saved.notice);
    return {saved.path, saved.lines};
}

QStringList ScoreFile::read(const QString& name) const {
    const scores::ScoreFileResult scores = store_.read(name);
    throwUnlessDone(scores);
    return scores.lines;
}

QString ScoreFile::pathFor(const QString& name) const {
    return store_.pathFor(name);
}
