#pragma once

#include <QTextStream>

class CommandLine;

namespace tonewise {

// tonewise --export N --key KEY --level LEVEL [--intervals] [--seed S] -o DIR
//
// Writes N questions of the pitch trainer into the new folder DIR: question-01.wav ... (the
// reference note, then the question note, a second each, on the built-in synthesizer) and
// answers.pdf (each question's two notes on the grand staff as the trainer draws them after a
// right answer, with the question note's name, or in Intervals practice the interval's name).
// KEY and LEVEL are menu captions ("D Major", "1,3,5"). The questions are the trainer's own, run
// on a virtual clock and answered right. The files are made in a temporary folder beside DIR that
// takes its name only when all are complete (one that a killed export left is removed later, once
// its process is gone). Returns 0, or 2 after a message on `err` for wrong options or a folder
// that cannot be written; then nothing is left behind.
int runExportCommand(const CommandLine& line, QTextStream& out, QTextStream& err);

} // namespace tonewise
