#pragma once

#include <QStringList>

class CommandLine;
class QTextStream;

namespace tonewise {

// tonewise --steps KEY LEVEL [--lower]
//
// KEY and LEVEL are menu captions ("F# Minor", "1-8 + Parallel 3,6"). Writes to `out` the 16 names
// of the level's StepList on one line, then one line per asked entry: the name, MIDI note and staff
// y of the note that sounds and is written (an octave lower with --lower). Returns the exit status:
// 0, or 2 with a message on `err` for a wrong command line or an unknown key or level.
int runStepsCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, beginning with "--steps".
int runStepsCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tonewise
