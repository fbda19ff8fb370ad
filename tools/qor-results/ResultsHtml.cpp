#include "ResultsHtml.h"

#include "ResultsSummary.h"
#include "VisibleText.h"

#include <QDir>
#include <QTextStream>

namespace qor {

namespace {

// Control characters have no place in the page (they would make it malformed); they and the
// invisible ones are shown as escapes, as on the terminal.
QString esc(const QString& text) {
    return VisibleText::shown(text).toHtmlEscaped();
}

const char* programClass(Program program) {
    return program == Program::Beatwise ? "beatwise" : "tonewise";
}

QString resultCell(const QuizRecord* record) {
    if (!record)
        return QStringLiteral("<td class=\"none\">&#8211;</td>");
    return QStringLiteral("<td><b>%1%</b><br/><small>%2 %3<br/>%4</small></td>")
        .arg(esc(record->score), esc(record->date), esc(record->time), esc(quizSettings(*record)));
}

constexpr int kWidth = 720;
constexpr int kHeight = 240;
constexpr int kLeft = 44;
constexpr int kRight = 16;
constexpr int kTop = 28;
constexpr int kBottom = 36;

// Scores from 0 to 100 % upwards; quizzes from left to right in the order they were taken.
void writeChart(QTextStream& out, const StudentSummary& summary) {
    const int plotWidth = kWidth - kLeft - kRight;
    const int plotHeight = kHeight - kTop - kBottom;
    const auto n = summary.results.size();
    // The points keep clear of the axis and leave room for the dates under them.
    const double first = kLeft + 36.0;
    const double span = plotWidth - 72.0;
    const auto xAt = [&](qsizetype i) {
        return n == 1 ? first + span / 2
                      : first + span * static_cast<double>(i) / static_cast<double>(n - 1);
    };
    const auto yAt = [&](double score) {
        return kTop + plotHeight * (1.0 - std::clamp(score, 0.0, 100.0) / 100.0);
    };
    const auto num = [](double v) { return QString::number(v, 'f', 1); };

    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" class=\"chart\" width=\"" << kWidth
        << "\" height=\"" << kHeight << "\" viewBox=\"0 0 " << kWidth << ' ' << kHeight
        << "\" role=\"img\" aria-label=\"Quiz scores of " << esc(summary.student) << "\">\n";
    for (int percent = 0; percent <= 100; percent += 25) {
        const QString y = num(yAt(percent));
        out << "<line class=\"grid\" x1=\"" << kLeft << "\" y1=\"" << y << "\" x2=\""
            << kWidth - kRight << "\" y2=\"" << y << "\"/>"
            << "<text class=\"axis\" x=\"" << kLeft - 6 << "\" y=\"" << num(yAt(percent) + 4)
            << "\" text-anchor=\"end\">" << percent << "%</text>\n";
    }
    out << "<text class=\"legend beatwise\" x=\"" << kLeft << "\" y=\"16\">&#9679; Beatwise</text>"
        << "<text class=\"legend tonewise\" x=\"" << kLeft + 100
        << "\" y=\"16\">&#9679; Tonewise</text>\n";

    for (const Program program : {Program::Beatwise, Program::Tonewise}) {
        QStringList points;
        for (qsizetype i = 0; i < n; ++i) {
            const QuizRecord& r = *summary.results[i];
            if (r.program == program && r.scoreValue())
                points << num(xAt(i)) + QLatin1Char(',') + num(yAt(*r.scoreValue()));
        }
        if (points.size() > 1)
            out << "<polyline class=\"line " << programClass(program) << "\" points=\""
                << points.join(QLatin1Char(' ')) << "\"/>\n";
    }
    // Dates under the axis: all of them when they fit, otherwise evenly thinned out.
    const qsizetype labelEvery = std::max<qsizetype>(1, (n + 7) / 8);
    for (qsizetype i = 0; i < n; ++i) {
        const QuizRecord& r = *summary.results[i];
        const double score = r.scoreValue().value_or(0);
        out << "<circle class=\"point " << programClass(r.program) << "\" cx=\"" << num(xAt(i))
            << "\" cy=\"" << num(yAt(score)) << "\" r=\"4.5\"><title>"
            << esc(QStringLiteral("%1 %2: %3 %4%")
                       .arg(r.date, r.time, programName(r.program), r.score)
                       .simplified())
            << " (" << esc(quizSettings(r)) << ")</title></circle>\n";
        if (i % labelEvery == 0)
            out << "<text class=\"axis\" x=\"" << num(xAt(i)) << "\" y=\"" << kHeight - kBottom + 16
                << "\" text-anchor=\"middle\">" << esc(r.date) << "</text>\n";
    }
    out << "</svg>\n";
}

const char* kStyle = R"(
body { font-family: "DejaVu Sans", Arial, sans-serif; margin: 2em; color: #222; }
h1 { font-size: 1.6em; margin-bottom: 0.2em; }
h2 { font-size: 1.2em; margin: 1.6em 0 0.4em; }
p.folder { color: #555; margin-top: 0; }
table { border-collapse: collapse; }
th, td { border: 1px solid #bbb; padding: 0.35em 0.6em; text-align: left; vertical-align: top; }
th { background: #eef2f6; }
td.count { text-align: right; }
td.none { color: #999; text-align: center; }
small { color: #555; }
.chart .grid { stroke: #ddd; stroke-width: 1; }
.chart .axis { font-size: 11px; fill: #666; }
.chart .legend { font-size: 12px; }
.chart .line { fill: none; stroke-width: 2; }
.chart .line.beatwise { stroke: #d2691e; }
.chart .line.tonewise { stroke: #2a6fb0; }
.chart .point.beatwise, .chart .legend.beatwise { fill: #d2691e; }
.chart .point.tonewise, .chart .legend.tonewise { fill: #2a6fb0; }
.problems li { font-family: monospace; }
)";

} // namespace

QByteArray resultsHtml(const ClassResults& results, const QString& folder) {
    const QVector<StudentSummary> summaries = summarise(results);
    QString html;
    QTextStream out(&html);
    out << "<!DOCTYPE html>\n<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\">\n<head>\n"
        << "<meta charset=\"utf-8\"/>\n<title>Class results</title>\n<style>" << kStyle
        << "</style>\n</head>\n<body>\n<h1>Class results</h1>\n<p class=\"folder\">"
        << esc(QDir::toNativeSeparators(folder)) << " &#8211; " << summaries.size()
        << (summaries.size() == 1 ? " student" : " students") << "</p>\n";

    out << "<table class=\"students\">\n<tr><th rowspan=\"2\">Student</th>"
        << "<th colspan=\"3\">Beatwise (rhythm)</th><th colspan=\"3\">Tonewise (pitch)</th></tr>\n"
        << "<tr><th>Quizzes</th><th>Latest</th><th>Best</th>"
        << "<th>Quizzes</th><th>Latest</th><th>Best</th></tr>\n";
    for (const StudentSummary& s : summaries) {
        out << "<tr><td><a href=\"#student-" << (&s - summaries.data()) + 1 << "\">"
            << esc(s.student) << "</a></td>";
        for (const Program program : {Program::Beatwise, Program::Tonewise}) {
            const ProgramSummary& p = s.of(program);
            out << "<td class=\"count\">" << p.quizzes;
            if (p.notCompleted > 0)
                out << "<br/><small>" << p.notCompleted << " not completed</small>";
            out << "</td>" << resultCell(p.latest) << resultCell(p.best);
        }
        out << "</tr>\n";
    }
    out << "</table>\n";

    for (const StudentSummary& s : summaries) {
        out << "<h2 id=\"student-" << (&s - summaries.data()) + 1 << "\">" << esc(s.student)
            << "</h2>\n";
        if (s.results.isEmpty())
            out << "<p>No completed quiz yet.</p>\n";
        else
            writeChart(out, s);
    }

    if (!results.unrecognised.isEmpty() || !results.unreadable.isEmpty()) {
        out << "<h2>Not read</h2>\n<ul class=\"problems\">\n";
        for (const UnreadableFile& f : results.unreadable)
            out << "<li>" << esc(f.file) << ": " << esc(f.reason) << "</li>\n";
        for (const UnrecognisedLine& l : results.unrecognised)
            out << "<li>" << esc(l.file) << ':' << l.line << ": " << esc(l.text) << "</li>\n";
        out << "</ul>\n";
    }
    out << "</body>\n</html>\n";
    out.flush();
    return html.toUtf8();
}

} // namespace qor
