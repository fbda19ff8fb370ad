// How long qor-results takes for a large class: a score folder of 2,000 students with 200 quiz
// lines each (both trainers' lines, pitch quizzes with their closing lines) is made in a
// temporary folder, then read, summarised and written as CSV and HTML, each timed.
//
// Prints readable lines, then one JSON line. It never fails on a time.
#include "BenchSupport.h"
#include "ClassResults.h"
#include "ResultsCsv.h"
#include "ResultsHtml.h"
#include "ResultsSummary.h"
#include "RtfWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <variant>

namespace {

// One student's file: rhythm quizzes and pitch quizzes of four questions each, in turn.
QStringList studentLines(int student, int count) {
    QStringList lines;
    int day = 1;
    while (lines.size() < count) {
        const QString date = QStringLiteral("%1/%2/2026").arg(day % 12 + 1).arg(day % 28 + 1);
        lines << QStringLiteral(" Beatwise Quiz %1, 10:15:30 AM, Rhythm Patterns = Simple/%2, "
                                "Tempo = 72, Rhythm Score = %3.00%, Number of Questions = 5, "
                                "Av. Hearings = 1.20")
                     .arg(date)
                     .arg(3 + day % 12)
                     .arg((student + day) % 101);
        for (int q = 0; q < 4 && lines.size() < count; ++q)
            lines << QStringLiteral(" Tonewise Quiz = Scale Steps, 11:0%1:00 AM, Key = C Major., "
                                    "Score this question: %2.50%")
                         .arg(q)
                         .arg((student * 7 + q) % 100);
        if (lines.size() < count)
            lines << QStringLiteral(" Tonewise Quiz , %1, Scale-steps = 1, 3, 5., Number of "
                                    "Questions = 4, Number of pitches in questions = 10, Overall "
                                    "Average Score = %2")
                         .arg(date)
                         .arg((student + 3 * day) % 101);
        ++day;
    }
    return lines;
}

bool makeFolder(const QString& folder, int students, int linesPerStudent) {
    for (int s = 0; s < students; ++s) {
        QFile file(QStringLiteral("%1/Student %2.rtf").arg(folder).arg(s, 5, 10, QLatin1Char('0')));
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(scores::RtfWriter::write(studentLines(s, linesPerStudent))) < 0)
            return false;
    }
    return true;
}

double msSince(QElapsedTimer& timer) {
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    timer.restart();
    return ms;
}

struct ClassSize {
    int students = 2000;
    int lines = 200;
};

// The class to measure, or the exit status when the program ends with the command line.
std::variant<ClassSize, int> parseCommandLine() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Times qor-results's reading, summary, CSV and HTML for a large class."));
    parser.addHelpOption();
    const QCommandLineOption studentsOption(QStringLiteral("students"),
                                            QStringLiteral("Students in the class (default 2000)."),
                                            QStringLiteral("N"), QStringLiteral("2000"));
    const QCommandLineOption linesOption(QStringLiteral("lines"),
                                         QStringLiteral("Lines per student (default 200)."),
                                         QStringLiteral("N"), QStringLiteral("200"));
    parser.addOption(studentsOption);
    parser.addOption(linesOption);
    if (!parser.parse(QCoreApplication::arguments())) {
        std::fprintf(stderr, "qor_results: %s\n", qPrintable(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    bool studentsOk = false;
    bool linesOk = false;
    const ClassSize size{parser.value(studentsOption).toInt(&studentsOk),
                         parser.value(linesOption).toInt(&linesOk)};
    if (!studentsOk || !linesOk || size.students < 1 || size.lines < 1 ||
        !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "qor_results: --students and --lines take a number from 1 up\n");
        return 2;
    }
    return size;
}

void measure(const QString& folder, const ClassSize& size) {
    QElapsedTimer timer;
    timer.start();
    qor::ClassResults results;
    QString error;
    results.addFolder(folder, &error);
    const double readMs = msSince(timer);
    const QString summary = qor::summaryText(results);
    const double summaryMs = msSince(timer);
    const QByteArray csv = qor::resultsCsv(results);
    const double csvMs = msSince(timer);
    const QByteArray html = qor::resultsHtml(results, folder);
    const double htmlMs = msSince(timer);
    const auto records = static_cast<long long>(results.records.size());

    std::printf("class: %d students x %d lines (%lld records read)\n", size.students, size.lines,
                records);
    std::printf("read the folder:  %9.1f ms\n", readMs);
    std::printf("summary:          %9.1f ms (%lld characters)\n", summaryMs,
                static_cast<long long>(summary.size()));
    std::printf("CSV:              %9.1f ms (%lld bytes)\n", csvMs,
                static_cast<long long>(csv.size()));
    std::printf("HTML:             %9.1f ms (%lld bytes)\n", htmlMs,
                static_cast<long long>(html.size()));
    std::printf("peak memory:      %9.1f MB\n", bench::peakRssMb());
    std::printf("{\"bench\":\"qor_results\",\"students\":%d,\"lines_per_student\":%d,"
                "\"records\":%lld,\"read_ms\":%.1f,\"summary_ms\":%.1f,\"csv_ms\":%.1f,"
                "\"html_ms\":%.1f,\"peak_rss_mb\":%.1f}\n",
                size.students, size.lines, records, readMs, summaryMs, csvMs, htmlMs,
                bench::peakRssMb());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const std::variant<ClassSize, int> parsed = parseCommandLine();
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const ClassSize& size = std::get<ClassSize>(parsed);

    QTemporaryDir work;
    const QString folder = work.path() + QStringLiteral("/Qor_Music");
    if (!work.isValid() || !QDir().mkpath(folder) ||
        !makeFolder(folder, size.students, size.lines)) {
        std::fprintf(stderr, "qor_results: the class folder could not be made\n");
        return 1;
    }
    measure(folder, size);
    return 0;
}
