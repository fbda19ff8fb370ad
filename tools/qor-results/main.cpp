// qor-results: the quiz results of a class at a glance, read from the score folder.
//
//   qor-results [FOLDER] [--csv FILE] [--html FILE]
//
// Reads every score file of FOLDER (by default the programs' own score folder) and prints a
// summary per student; --csv writes every quiz line as a table row, --html a page with a table
// and a chart per student ("-" writes to the standard output). The score files are only read,
// by the rules the programs read them with. Lines that are not quiz lines and files that are not
// read are listed on the error output, with the reason.

#include "AtomicFile.h"
#include "ClassResults.h"
#include "CommandLine.h"
#include "OutputGuard.h"
#include "ResultsCsv.h"
#include "ResultsHtml.h"
#include "ResultsSummary.h"
#include "ScoreStore.h"
#include "VisibleText.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

#include <cstdio>
#include <optional>
#include <utility>
#include <variant>

namespace {

constexpr int kAllRead = 0;
constexpr int kNotAllRead = 1;
constexpr int kFailed = 2;

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

// A one-line message on the error output; whatever came from the files or the command line is
// shown harmlessly.
void complain(const QString& text) {
    print(stderr, QStringLiteral("qor-results: %1\n").arg(qor::VisibleText::shown(text)));
}

struct Options {
    QString folder;
    QString csv;  // empty when not asked for
    QString html; // empty when not asked for
};

// The command line, or the exit status when the program ends with it (--help, --version, a
// mistake).
std::variant<Options, int> parseCommandLine(int argc, char* argv[]) {
    CommandLine line(QStringLiteral("qor-results"),
                     QStringLiteral("Class results from the Beatwise and Tonewise score files: a "
                                    "summary per student, or every quiz line as CSV, or a page "
                                    "with a table and charts as HTML. The score files are only "
                                    "read."));
    line.addUsage(QStringLiteral("[FOLDER] [--csv FILE] [--html FILE]"));
    line.addPositional(QStringLiteral("FOLDER"),
                       QStringLiteral("The score folder (default: %1).")
                           .arg(QDir::toNativeSeparators(scores::ScoreStore::defaultFolder())));
    line.addOption(QCommandLineOption(
        QStringLiteral("csv"),
        QStringLiteral("Write every quiz line to FILE as CSV (- for the standard output)."),
        QStringLiteral("FILE")));
    line.addOption(QCommandLineOption(
        QStringLiteral("html"),
        QStringLiteral("Write the class report to FILE as HTML (- for the standard output)."),
        QStringLiteral("FILE")));
    line.addExitStatus(kAllRead, QStringLiteral("every score file and every line was read"));
    line.addExitStatus(kNotAllRead,
                       QStringLiteral("some files or lines were not read (each is listed on the "
                                      "error output with the reason), or the folder holds no "
                                      "score file"));
    line.addExitStatus(kFailed, QStringLiteral("a wrong command line, a folder that is missing or "
                                               "cannot be read, a report refused (then nothing "
                                               "is written) or one that could not be written"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    Options options;
    const QStringList positional = line.positionalArguments();
    options.folder =
        positional.isEmpty() ? scores::ScoreStore::defaultFolder() : positional.first();
    options.csv = line.value(QStringLiteral("csv"));
    options.html = line.value(QStringLiteral("html"));
    if ((line.isSet(QStringLiteral("csv")) && options.csv.isEmpty()) ||
        (line.isSet(QStringLiteral("html")) && options.html.isEmpty()))
        return line.fail(err, QStringLiteral("--csv and --html need the name of a file"));
    return options;
}

// Lists what was not read; returns false when nothing at all was.
bool reportProblems(const qor::ClassResults& results, const QString& folder) {
    for (const qor::UnreadableFile& file : results.unreadable)
        print(stderr, qor::VisibleText::shown(
                          QStringLiteral("%1: not read: %2").arg(file.file, file.reason)) +
                          QLatin1Char('\n'));
    for (const qor::UnrecognisedLine& line : results.unrecognised)
        print(stderr, qor::VisibleText::shown(QStringLiteral("%1:%2: not a quiz line: %3")
                                                  .arg(line.file)
                                                  .arg(line.line)
                                                  .arg(line.text)) +
                          QLatin1Char('\n'));
    const QString shown = QDir::toNativeSeparators(folder);
    if (results.scoreFiles.isEmpty()) {
        complain(QStringLiteral("there are no score files (*.rtf) in %1").arg(shown));
        return false;
    }
    if (results.unreadable.size() == results.scoreFiles.size()) {
        complain(results.scoreFiles.size() == 1
                     ? QStringLiteral("nothing could be read: the one score file in %1 could not "
                                      "be read")
                           .arg(shown)
                     : QStringLiteral("nothing could be read: none of the %1 score files in %2 "
                                      "could be read")
                           .arg(results.scoreFiles.size())
                           .arg(shown));
        return false;
    }
    return true;
}

bool writeOutput(const QString& path, const QByteArray& contents) {
    if (path == QLatin1String("-")) {
        std::fwrite(contents.constData(), 1, static_cast<size_t>(contents.size()), stdout);
        return std::fflush(stdout) == 0;
    }
    if (const QString error = scores::AtomicFile::write(path, contents); !error.isEmpty()) {
        complain(error);
        return false;
    }
    return true;
}

// Writes the reports asked for, or the summary when none is; returns false when one failed.
bool writeReports(const Options& options, const qor::ClassResults& results) {
    if (options.csv.isEmpty() && options.html.isEmpty()) {
        print(stdout, qor::summaryText(results));
        return true;
    }
    bool written = true;
    if (!options.csv.isEmpty())
        written = writeOutput(options.csv, qor::resultsCsv(results)) && written;
    if (!options.html.isEmpty())
        written = writeOutput(options.html, qor::resultsHtml(results, options.folder)) && written;
    return written;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::variant<Options, int> parsed = parseCommandLine(argc, argv);
    if (const int* status = std::get_if<int>(&parsed))
        return *status;
    const Options& options = std::get<Options>(parsed);
    QCoreApplication app(argc, argv);

    qor::ClassResults results;
    QString error;
    if (!results.addFolder(options.folder, &error)) {
        complain(error);
        return kFailed;
    }
    // Nothing is written before every report's place has been checked.
    qor::OutputGuard guard(options.folder, results.scoreFiles);
    for (const auto& [option, output] : {std::pair{QStringLiteral("--csv"), options.csv},
                                         std::pair{QStringLiteral("--html"), options.html}}) {
        if (output.isEmpty())
            continue;
        if (const QString refusal = guard.refusal(option, output); !refusal.isEmpty()) {
            complain(refusal);
            return kFailed;
        }
    }
    const bool somethingRead = reportProblems(results, options.folder);
    if (!writeReports(options, results))
        return kFailed;
    return somethingRead && results.unrecognised.isEmpty() && results.unreadable.isEmpty()
               ? kAllRead
               : kNotAllRead;
}
