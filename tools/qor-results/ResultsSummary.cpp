#include "ResultsSummary.h"

#include "VisibleText.h"

#include <QHash>
#include <QTextStream>

namespace qor {

bool isQuizResult(const QuizRecord& record) {
    return record.kind == RecordKind::RhythmQuiz || record.kind == RecordKind::PitchQuizEnd;
}

QString quizSettings(const QuizRecord& record) {
    if (record.program == Program::Beatwise)
        return QStringLiteral("%1/%2, tempo %3").arg(record.meter, record.level, record.tempo);
    QStringList parts;
    if (!record.key.isEmpty())
        parts << record.key;
    if (!record.exercise.isEmpty())
        parts << record.exercise;
    if (!record.level.isEmpty())
        parts << QStringLiteral("steps ") + record.level;
    return parts.join(QStringLiteral(", "));
}

QString programName(Program program) {
    return program == Program::Beatwise ? QStringLiteral("Beatwise") : QStringLiteral("Tonewise");
}

QVector<StudentSummary> summarise(const ClassResults& results) {
    // One pass over the records, each finding its student's summary by name.
    QVector<StudentSummary> summaries;
    QHash<QString, qsizetype> summaryOf;
    for (const QuizRecord& record : results.records) {
        auto found = summaryOf.constFind(record.student);
        if (found == summaryOf.constEnd()) {
            found = summaryOf.insert(record.student, summaries.size());
            summaries.push_back(StudentSummary{record.student, {}, {}, {}});
        }
        StudentSummary& summary = summaries[*found];
        ProgramSummary& program =
            record.program == Program::Beatwise ? summary.beatwise : summary.tonewise;
        if (record.kind == RecordKind::PitchQuizNotDone)
            ++program.notCompleted;
        if (!isQuizResult(record))
            continue;
        ++program.quizzes;
        program.latest = &record;
        if (!program.best ||
            record.scoreValue().value_or(-1) > program.best->scoreValue().value_or(-1))
            program.best = &record;
        summary.results.push_back(&record);
    }
    return summaries;
}

namespace {

// Everything taken from the files is shown harmlessly: the summary goes to a terminal.
QString resultText(const QuizRecord* record) {
    if (!record)
        return QStringLiteral("-");
    const QString when = QStringList{record->date, record->time}.join(QLatin1Char(' ')).trimmed();
    return VisibleText::shown(
        QStringLiteral("%1% (%2, %3)").arg(record->score, when, quizSettings(*record)));
}

} // namespace

QString summaryText(const ClassResults& results) {
    QString text;
    QTextStream out(&text);
    for (const StudentSummary& summary : summarise(results)) {
        out << VisibleText::shown(summary.student) << '\n';
        for (const Program program : {Program::Beatwise, Program::Tonewise}) {
            const ProgramSummary& of = summary.of(program);
            if (of.quizzes == 0 && of.notCompleted == 0)
                continue;
            out << "  " << programName(program) << ": " << of.quizzes
                << (of.quizzes == 1 ? " quiz" : " quizzes");
            if (of.notCompleted > 0)
                out << ", " << of.notCompleted << " not completed";
            out << '\n';
            out << "    latest " << resultText(of.latest) << '\n';
            out << "    best   " << resultText(of.best) << '\n';
        }
    }
    return text;
}

} // namespace qor
