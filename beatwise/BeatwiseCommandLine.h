#pragma once

#include "CommandLine.h"

// Beatwise's command line: the window and its options, --questions, --script and --export.
class BeatwiseCommandLine : public CommandLine {
public:
    enum class Mode { Window, Questions, Script, Export };

    BeatwiseCommandLine();

    // Parses `arguments` (the program's name first) as CommandLine::parse does, and refuses an
    // option that does not go with the chosen mode.
    std::optional<int> read(const QStringList& arguments, QTextStream& out, QTextStream& err);

    Mode mode() const;
};
