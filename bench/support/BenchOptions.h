#pragma once

#include <QCommandLineParser>
#include <QString>

#include <optional>

namespace bench {

// Reads a benchmark's command line with `parser` (its options already added; --help is added
// here). Returns the status to end with: 0 after printing the help, 2 after a message about a
// wrong option or argument; nothing when the benchmark is to run.
std::optional<int> readOptions(QCommandLineParser& parser, const QString& description);

} // namespace bench
