#include "ClassResults.h"

#include "FolderListing.h"
#include "ScoreStore.h"

#include <QDir>
#include <QFileInfo>

namespace qor {

void ClassResults::addFile(const QString& student, const QString& file, const QStringList& lines) {
    int quiz = 0;
    int openQuiz = 0;
    QVector<qsizetype> openQuestions; // the pitch quiz whose closing line has not come yet

    for (int i = 0; i < lines.size(); ++i) {
        const QString& text = lines[i];
        if (text.trimmed().isEmpty())
            continue;
        std::optional<QuizRecord> parsed = parseScoreLine(text);
        if (!parsed) {
            unrecognised.push_back({file, i + 1, text});
            continue;
        }
        QuizRecord record = std::move(*parsed);
        record.student = student;
        record.file = file;
        record.line = i + 1;

        switch (record.kind) {
        case RecordKind::RhythmQuiz:
            record.quiz = ++quiz;
            break;
        case RecordKind::PitchQuestion:
            if (openQuestions.isEmpty())
                openQuiz = ++quiz;
            record.quiz = openQuiz;
            record.question = static_cast<int>(openQuestions.size()) + 1;
            openQuestions.push_back(records.size());
            break;
        case RecordKind::PitchQuizEnd: {
            record.quiz = openQuestions.isEmpty() ? ++quiz : openQuiz;
            QString key;
            for (const qsizetype index : openQuestions) {
                QuizRecord& question = records[index];
                question.date = record.date;
                question.level = record.level;
                question.items = record.items;
                key = key.isNull() || key == question.key ? question.key : QStringLiteral("");
            }
            // The closing line names no key; when the whole quiz kept one, it is that quiz's key.
            // Nor a time: the quiz ended with its last question.
            record.key = key;
            if (!openQuestions.isEmpty())
                record.time = records[openQuestions.constLast()].time;
            openQuestions.clear();
            break;
        }
        case RecordKind::PitchQuizNotDone:
            record.quiz = openQuestions.isEmpty() ? ++quiz : openQuiz;
            openQuestions.clear();
            break;
        }
        records.push_back(std::move(record));
    }
}

bool ClassResults::addFolder(const QString& folder, QString* error) {
    QStringList names;
    if (const QString why = FolderListing::scoreFileNames(folder, names); !why.isEmpty()) {
        if (error)
            *error = why;
        return false;
    }
    const scores::ScoreStore store(folder);
    for (const QString& name : names) {
        const QString path = QDir(folder).absoluteFilePath(name);
        scoreFiles << path;
        const scores::ScoreFileResult read = store.readFile(path);
        if (!read.ok()) {
            unreadable.push_back({name, read.error});
            continue;
        }
        addFile(QFileInfo(name).completeBaseName(), name, read.lines);
    }
    return true;
}

QStringList ClassResults::students() const {
    QStringList names;
    for (const QuizRecord& record : records) {
        if (names.isEmpty() || names.constLast() != record.student)
            names.push_back(record.student);
    }
    names.removeDuplicates();
    return names;
}

} // namespace qor
