// code-size: the longest source files and functions of the project's folders, and whether any
// is longer than the limits.
#include "CodeMeasure.h"
#include "CommandLine.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTextStream>

#include <algorithm>

namespace {

struct Measured {
    QString file;
    int lines = 0;
    std::vector<CodeMeasure::Function> functions;
};

// Folders of the source tree that hold no production code.
bool skipped(const QDir& root, const QString& path) {
    const QString first = root.relativeFilePath(path).section(QLatin1Char('/'), 0, 0);
    static const QStringList kNotProduction = {QStringLiteral("tests"), QStringLiteral("bench"),
                                               QStringLiteral("fuzz"),
                                               QStringLiteral("third_party")};
    // A build folder is known by its cache.
    return kNotProduction.contains(first) ||
           QFile::exists(root.filePath(first) + QStringLiteral("/CMakeCache.txt"));
}

std::vector<Measured> measureTree(const QString& rootPath) {
    const QDir root(rootPath);
    std::vector<Measured> measured;
    QDirIterator files(rootPath, {QStringLiteral("*.h"), QStringLiteral("*.cpp")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString path = files.next();
        if (skipped(root, path))
            continue;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const CodeMeasure measure(QString::fromUtf8(file.readAll()));
        measured.push_back({root.relativeFilePath(path), measure.lines(), measure.functions()});
    }
    return measured;
}

// Prints the longest files and functions; returns how many exceed the limits.
int report(const std::vector<Measured>& measured, int maxFile, int maxFunction, int shown,
           QTextStream& out) {
    std::vector<std::pair<int, QString>> files;
    std::vector<std::pair<int, QString>> functions;
    for (const Measured& m : measured) {
        files.push_back({m.lines, m.file});
        for (const CodeMeasure::Function& f : m.functions)
            functions.push_back(
                {f.lines,
                 QStringLiteral("%1:%2 %3").arg(m.file).arg(f.firstLine).arg(f.signature)});
    }
    const auto longestFirst = [](const auto& a, const auto& b) { return a.first > b.first; };
    std::stable_sort(files.begin(), files.end(), longestFirst);
    std::stable_sort(functions.begin(), functions.end(), longestFirst);
    int over = 0;
    out << "Longest files (limit " << maxFile << " lines):\n";
    for (std::size_t i = 0; i < files.size(); ++i) {
        const bool tooLong = files[i].first > maxFile;
        over += tooLong ? 1 : 0;
        if (tooLong || static_cast<int>(i) < shown)
            out << "  " << files[i].first << "  " << files[i].second
                << (tooLong ? "  TOO LONG" : "") << '\n';
    }
    out << "Longest functions (limit " << maxFunction << " lines):\n";
    for (std::size_t i = 0; i < functions.size(); ++i) {
        const bool tooLong = functions[i].first > maxFunction;
        over += tooLong ? 1 : 0;
        if (tooLong || static_cast<int>(i) < shown)
            out << "  " << functions[i].first << "  " << functions[i].second
                << (tooLong ? "  TOO LONG" : "") << '\n';
    }
    return over;
}

} // namespace

int main(int argc, char** argv) {
    QTextStream out(stdout), err(stderr);
    CommandLine line(
        QStringLiteral("code-size"),
        QStringLiteral("Measures the C++ sources (*.h, *.cpp) under the given folders: "
                       "the longest files and functions, and every one over the "
                       "limits."));
    line.addUsage(QStringLiteral("[--max-file-lines N] [--max-function-lines N] [--show N] "
                                 "ROOT"));
    line.addPositional(QStringLiteral("ROOT"), QStringLiteral("The source tree."));
    line.addOption({QStringLiteral("max-file-lines"),
                    QStringLiteral("The most lines a file may have (default 700)."),
                    QStringLiteral("N"), QStringLiteral("700")});
    line.addOption({QStringLiteral("max-function-lines"),
                    QStringLiteral("The most lines a function may have, from its signature to "
                                   "its closing brace (default 60)."),
                    QStringLiteral("N"), QStringLiteral("60")});
    line.addOption({QStringLiteral("show"),
                    QStringLiteral("How many of the longest files and functions are listed "
                                   "(default 5)."),
                    QStringLiteral("N"), QStringLiteral("5")});
    line.addExitStatus(0, QStringLiteral("Every file and function is within the limits."));
    line.addExitStatus(1, QStringLiteral("Some are over the limits; they are listed."));
    line.addExitStatus(2, QStringLiteral("A wrong command line."));
    if (const std::optional<int> status = line.parse(CommandLine::arguments(argc, argv), out, err))
        return *status;
    bool fileOk = false, functionOk = false, shownOk = false;
    const int maxFile = line.value(QStringLiteral("max-file-lines")).toInt(&fileOk);
    const int maxFunction = line.value(QStringLiteral("max-function-lines")).toInt(&functionOk);
    const int shown = line.value(QStringLiteral("show")).toInt(&shownOk);
    if (!fileOk || !functionOk || !shownOk || maxFile < 1 || maxFunction < 1 || shown < 0)
        return line.fail(err, QStringLiteral("the limits must be whole numbers above 0"));
    if (line.positionalArguments().isEmpty())
        return line.fail(err, QStringLiteral("the source tree to measure is missing"));
    const int over = report(measureTree(line.positionalArguments().constFirst()), maxFile,
                            maxFunction, shown, out);
    return over > 0 ? 1 : 0;
}
