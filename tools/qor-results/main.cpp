// qor-results: the quiz results of a class at a glance, read from the score folder.
//
//   qor-results [FOLDER] [--csv FILE] [--html FILE]
//
// Reads every score file of FOLDER (by default the programs' own score folder) and prints a
// summary per student; --csv writes every quiz line as a table row, --html a page with a table
// and a chart per student ("-" writes to the standard output). The score files are only read.
// Lines that are not quiz lines and files that cannot be read are listed on the error output.
// Exit status: 0 all read, 1 some lines or files could not be read, 2 bad use or nothing written.

#include "AtomicFile.h"
#include "ClassResults.h"
#include "ResultsCsv.h"
#include "ResultsHtml.h"
#include "ResultsSummary.h"
#include "ScoreStore.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

namespace {

void print(FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
}

bool writeOutput(const QString& path, const QByteArray& contents) {
    if (path == QLatin1String("-")) {
        std::fwrite(contents.constData(), 1, static_cast<size_t>(contents.size()), stdout);
        return true;
    }
    const QString error = scores::AtomicFile::write(path, contents);
    if (!error.isEmpty()) {
        print(stderr, QStringLiteral("qor-results: %1: %2\n").arg(path, error));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("qor-results"));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Class results from the Beatwise and Tonewise score files."));
    parser.addHelpOption();
    parser.addPositionalArgument(
        QStringLiteral("FOLDER"),
        QStringLiteral("The score folder (default: %1).")
            .arg(QDir::toNativeSeparators(scores::ScoreStore::defaultFolder())));
    const QCommandLineOption csvOption(QStringLiteral("csv"),
                                       QStringLiteral("Write every quiz line to FILE as CSV."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption htmlOption(QStringLiteral("html"),
                                        QStringLiteral("Write the class report to FILE as HTML."),
                                        QStringLiteral("FILE"));
    parser.addOption(csvOption);
    parser.addOption(htmlOption);
    if (!parser.parse(QCoreApplication::arguments())) {
        print(stderr, QStringLiteral("qor-results: %1\n").arg(parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        print(stdout, parser.helpText());
        return 0;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        print(stderr, QStringLiteral("qor-results: one score folder at most, not %1\n")
                          .arg(positional.join(QLatin1Char(' '))));
        return 2;
    }
    const QString folder =
        positional.isEmpty() ? scores::ScoreStore::defaultFolder() : positional.first();

    qor::ClassResults results;
    QString error;
    if (!results.addFolder(folder, &error)) {
        print(stderr, QStringLiteral("qor-results: %1\n").arg(error));
        return 2;
    }
    for (const qor::UnreadableFile& file : results.unreadable)
        print(stderr, QStringLiteral("%1: not read: %2\n").arg(file.file, file.reason));
    for (const qor::UnrecognisedLine& line : results.unrecognised)
        print(stderr, QStringLiteral("%1:%2: not a quiz line: %3\n")
                          .arg(line.file)
                          .arg(line.line)
                          .arg(line.text));

    bool written = true;
    if (parser.isSet(csvOption))
        written = writeOutput(parser.value(csvOption), qor::resultsCsv(results)) && written;
    if (parser.isSet(htmlOption))
        written =
            writeOutput(parser.value(htmlOption), qor::resultsHtml(results, folder)) && written;
    if (!parser.isSet(csvOption) && !parser.isSet(htmlOption))
        print(stdout, qor::summaryText(results));

    if (!written)
        return 2;
    return results.unrecognised.isEmpty() && results.unreadable.isEmpty() ? 0 : 1;
}
