#pragma once

#include <QString>

namespace bench {

// A program's start measured against the empty Qt main window, in the same run: first paints
// interleaved, how long the program takes to end right after its start, and its resident memory
// five seconds after its window appeared with a private sound server running.
struct StartupFigures {
    double programMs = -1, programMinMs = -1, programMaxMs = -1;
    double emptyWindowMs = -1;
    double ratioToEmptyWindow = -1;
    double exitMs = -1, exitMaxMs = -1;
    double rssMbWithSoundServer = -1;
    int runs = 0;

    // Prints the readable lines.
    void print(const QString& name) const;
};

StartupFigures measureStartup(const QString& program, const QString& emptyWindow, int runs);

} // namespace bench
