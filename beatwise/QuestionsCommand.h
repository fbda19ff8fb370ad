#pragma once

#include <QStringList>
#include <QTextStream>

// beatwise --questions N [--meter simple|compound] [--level L] [--tempo T] [--seed S]
//
// Prints N questions drawn by the rhythm trainer itself at that meter, level and tempo
// (defaults: simple, 3, 72, a seed from the clock), one a line: the glyph texts of the question
// row's columns 0..9 joined by "|", a tab, the seven pattern indices joined by spaces, a tab, and
// the note string that plays the question. `args` are the program's arguments without the
// program name, starting with "--questions". Returns the exit status: 0, or 2 after a message
// on `err` when the options are wrong.
int runQuestionsCommand(const QStringList& args, QTextStream& out, QTextStream& err);
