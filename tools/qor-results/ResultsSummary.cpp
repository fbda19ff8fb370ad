#include "ResultsSummary.h"

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
    QVector<StudentSummary> summaries;
    for (const QString& student : results.students()) {
        StudentSummary summary;
        summary.student = student;
        for (const QuizRecord& record : results.records) {
            if (record.student != student)
                continue;
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
        summaries.push_back(summary);
    }
    return summaries;
}

namespace {

QString resultText(const QuizRecord* record) {
    if (!record)
        return QStringLiteral("-");
    const QString when = QStringList{record->date, record->time}.join(QLatin1Char(' ')).trimmed();
    return QStringLiteral("%1% (%2, %3)").arg(record->score, when, quizSettings(*record));
}

} // namespace

QString summaryText(const ClassResults& results) {
    QString text;
    QTextStream out(&text);
    for (const StudentSummary& summary : summarise(results)) {
        out << summary.student << '\n';
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
