#pragma once

#include "CommandLine.h"

namespace tonewise {

// Tonewise's command line: the window and its options, --script, --steps and --export.
class TonewiseCommandLine : public CommandLine {
public:
    enum class Mode { Window, Script, Steps, Export };

    TonewiseCommandLine();

    // Parses `arguments` (the program's name first) as CommandLine::parse does, and refuses an
    // option or argument that does not go with the chosen mode.
    std::optional<int> read(const QStringList& arguments, QTextStream& out, QTextStream& err);

    Mode mode() const;
};

} // namespace tonewise
