#pragma once

#include <QStringList>

class CommandLine;
class QTextStream;

namespace tonewise {

// tonewise --script FILE [--seed S] [--scores FOLDER]
//
// Runs the pitch trainer without a window and without sound on a virtual clock, from a script
// (an ordinary file of at most 4 MiB, or "-" for standard input), and writes a transcript of what
// it does to `out` as it goes. Script lines (at most 4096 characters each):
//   key NAME                 clicks the keyboard key at that pitch ("C3", "F#2", "Bb4") or of
//                            that name ("F1sharp")
//   button CAPTION           "Start-Reset Score", "Repeat Notes" or "Next Answer?"
//   menu CAPTION > CAPTION   a menu command by its captions, e.g. "menu Key > 2 sharps > D Major";
//                            "menu Midi > Outputs > NAME" picks an output device
//   wait MS                  lets MS milliseconds pass (a day at most), firing the timers that
//                            fall due
//   reply TEXT, cancel       the answer to the next prompt
//   yes, no                  the answer to the next question
// Blank lines and lines starting with "#" are ignored; boxes with only OK answer themselves.
// Transcript lines start with the virtual time in milliseconds:
//   T midi STATUS DATA1 DATA2, T field NAME "TEXT", T dialog TITLE | TEXT -> ANSWER,
//   T staff TEXT@X,Y ..., T file NAME | LINE
// Score files go to FOLDER (default: the usual score folder). Returns 0, or 2 with a message on
// `err` for a wrong command line, an unreadable script, an unknown or impossible line, or a box
// the script gives no answer for.
int runScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, beginning with "--script".
int runScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

} // namespace tonewise
