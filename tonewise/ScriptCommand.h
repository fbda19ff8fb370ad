#pragma once

#include <QStringList>

class CommandLine;
class QTextStream;

namespace tonewise {

// tonewise --script FILE [--seed S] [--scores FOLDER]
//
// Runs the pitch trainer without a window and without sound on a virtual clock, from a script,
// and writes a transcript of what it does to `out` as it goes: every MIDI message, changed
// field, box, score-file line and staff drawing, each with its virtual time. Besides the lines
// every script knows (wait, reply, cancel, yes, no, menu, button), "key NAME" clicks the
// keyboard key at that pitch ("C3", "F#2") or of that name ("F1sharp"),
// "menu Midi > Outputs > NAME" picks an output device, and "sing FILE.wav" sings a recording
// (beside the script) into the microphone at the current time, each steady note heard written
// as "T heard NOTE CENTS" and answering as a sung note does. The language and the transcript are
// described in docs/scripts.md. Returns 0, or 2 with a message on `err` for a wrong command
// line, an unreadable script, an unknown or impossible line, or a box the script gives no
// answer for.
int runScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, beginning with "--script".
int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tonewise
