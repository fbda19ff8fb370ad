#pragma once

#include <QTextStream>

class CommandLine;

// beatwise --export N [--meter simple|compound] [--level L] [--tempo T] [--seed S] -o DIR
//
// Writes a set of N questions for working away from the program into the new folder DIR:
// question-01.wav ... (each question as the trainer plays it, count-in and closing beat
// included, rendered offline by the built-in synthesizer), worksheet.pdf (numbered rows with the
// count-in and closing beat and seven empty beats to fill in) and answers.pdf (the same rows with
// the questions' beats). The files are made in a temporary folder beside DIR that takes its name
// only when all of them are complete (one that a killed export left is removed later, once its
// process is gone). Returns 0, or 2 after a message on `err` for wrong options or a folder that
// cannot be written; then nothing is left behind.
int runExportCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
