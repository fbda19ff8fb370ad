#pragma once

#include <QString>

#include <optional>

class CommandLine;
class QTextStream;
class ScriptRun;

// The script a trainer runs from its command line: "--script FILE [--seed S] [--scores FOLDER]".
class ScriptFile {
public:
    struct Options {
        QString path;        // "-": standard input
        quint64 seed = 1;    // the same transcript for the same seed
        QString scoreFolder; // where score files go
    };

    // The options from `line`: the seed 1 and the usual score folder unless given. Nothing,
    // after a message on `err`, when they are wrong.
    static std::optional<Options> options(const CommandLine& line, QTextStream& err);

    // Starts `run`, then hands it every line of the script that is neither blank nor a comment
    // ("#"). Returns 0; or 2 after "PROGRAM: line N: WHY: LINE" on `err` when a line cannot be
    // carried out, or after a message when the script cannot be read.
    static int run(const CommandLine& line, const Options& options, QTextStream& out,
                   QTextStream& err, ScriptRun& run);
};
