#pragma once

#include <QStringList>

class CommandLine;
class QTextStream;

// beatwise --script FILE [--seed S] [--scores FOLDER]
//
// Runs the rhythm trainer without a window and without sound on a virtual clock, from a script,
// and writes a transcript of what it does to `out` as it goes: the question's MIDI messages at
// their times, every changed field, box and score-file line, and the answer and question rows.
// Besides the lines every script knows (wait, reply, cancel, yes, no, menu, button), "key LETTER"
// clicks a pattern button (q w u o l s k m j i h y n b r), "cell N" presses column N of the
// answer row and "tempo BPM" sets the metronome. The language and the transcript are described
// in docs/scripts.md. Returns 0, or 2 with a message on `err` for a wrong command line, an
// unreadable script, an unknown or impossible line, or a box the script gives no answer for.
int runRhythmScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, beginning with "--script".
int runRhythmScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
