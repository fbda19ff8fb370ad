#include "ResultsCsv.h"

#include "QuizDateTime.h"
#include "ResultsSummary.h"

#include <QHash>
#include <QStringList>

namespace qor {

namespace {

// A spreadsheet takes a cell that begins with one of these as a formula (a student may be named
// "=HYPERLINK(...)"); a leading apostrophe makes it show the cell as the text it is.
bool readAsFormula(const QString& text) {
    return !text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front());
}

QString field(const QString& value) {
    const QString text = readAsFormula(value) ? QLatin1Char('\'') + value : value;
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString quoted = text;
    quoted.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QString recordName(RecordKind kind) {
    switch (kind) {
    case RecordKind::RhythmQuiz:
        return QStringLiteral("quiz");
    case RecordKind::PitchQuestion:
        return QStringLiteral("question");
    case RecordKind::PitchQuizEnd:
        return QStringLiteral("quiz average");
    case RecordKind::PitchQuizNotDone:
        return QStringLiteral("not completed");
    }
    return {};
}

QString countText(int n) {
    return n > 0 ? QString::number(n) : QString();
}

} // namespace

QByteArray resultsCsv(const ClassResults& results) {
    const QStringList header = {QStringLiteral("student"),
                                QStringLiteral("program"),
                                QStringLiteral("record"),
                                QStringLiteral("quiz"),
                                QStringLiteral("question"),
                                QStringLiteral("date"),
                                QStringLiteral("time"),
                                QStringLiteral("meter_or_key"),
                                QStringLiteral("level"),
                                QStringLiteral("exercise"),
                                QStringLiteral("tempo"),
                                QStringLiteral("score_percent"),
                                QStringLiteral("questions"),
                                QStringLiteral("average_hearings"),
                                QStringLiteral("items_per_question"),
                                QStringLiteral("file"),
                                QStringLiteral("line"),
                                QStringLiteral("date_time_iso")};
    QString csv = header.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    QStringList dates;
    for (const QuizRecord& r : results.records)
        dates << r.date;
    const DayMonthOrder order = QuizDateTime::orderOf(dates);
    QHash<QString, QDate> calendarDates; // a class has few dates, each on many lines
    for (const QuizRecord& r : results.records) {
        auto day = calendarDates.constFind(r.date);
        if (day == calendarDates.constEnd())
            day = calendarDates.insert(r.date, QuizDateTime::date(r.date, order));
        const QStringList row = {r.student,
                                 programName(r.program),
                                 recordName(r.kind),
                                 countText(r.quiz),
                                 countText(r.question),
                                 r.date,
                                 r.time,
                                 r.program == Program::Beatwise ? r.meter : r.key,
                                 r.level,
                                 r.exercise,
                                 r.tempo,
                                 r.score,
                                 r.questions,
                                 r.hearings,
                                 r.items,
                                 r.file,
                                 QString::number(r.line),
                                 QuizDateTime::iso(*day, r.time)};
        QStringList fields;
        for (const QString& text : row)
            fields << field(text);
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv.toUtf8();
}

} // namespace qor
