#pragma once

#include "ExitTiming.h"

#include <QString>

namespace bench {

// A program's start measured against the empty Qt main window, in the same run: first paints
// interleaved, also against the same window showing one line of text (the least any window with
// words pays: the system's font configuration read, a font loaded, the text shaped), how long the
// program takes to end right after its start, and, with a private sound server running, its
// resident memory five seconds after its window appeared and how long it takes to end once File >
// Exit is chosen.
struct StartupFigures {
    double programMs = -1, programMinMs = -1, programMaxMs = -1;
    double emptyWindowMs = -1;
    double ratioToEmptyWindow = -1;
    double textWindowMs = -1;
    double ratioToTextWindow = -1;
    double exitMs = -1, exitMaxMs = -1;
    double rssMbWithSoundServer = -1;
    double rssMbAnonymous = -1;                 // of those, what no file backs
    double rssMbSoundLibraries = -1;            // and the libraries only the sound module loads
    double fileExitMs = -1, fileExitMaxMs = -1; // a question or note playing
    double startingExitMs = -1, startingExitMaxMs = -1; // the synthesizer still starting
    int runs = 0;

    // Prints the readable lines.
    void print(const QString& name) const;
};

StartupFigures measureStartup(const QString& program, const QString& emptyWindow, int runs,
                              const ExitChoice& exit);

} // namespace bench
