#pragma once

#include <QString>

#include <vector>

namespace bench {

// How a program's File > Exit is chosen for a measurement: `chooser` is the module loaded into
// the program that chooses it (tests/program_exit), `button` the object name of a button
// clicked first to start a question, or empty.
struct ExitChoice {
    QString chooser;
    QString button;
};

// Milliseconds from File > Exit to the end of the process, one figure per start that got that
// far: `runs` starts with Exit chosen 3 s after the start, a question asked at 1.5 s (the sound
// playing), and `runs` with the question and Exit at once as the window appears (the
// synthesizer still starting). Programs play into the sound server this process points at.
struct ExitTimes {
    std::vector<double> playingMs, startingMs;
};
ExitTimes timeFileExit(const QString& program, const ExitChoice& choice, int runs);

} // namespace bench
