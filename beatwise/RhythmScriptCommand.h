#pragma once

#include <QStringList>

class CommandLine;
class QTextStream;

// beatwise --script FILE [--seed S] [--scores FOLDER]
//
// Runs the rhythm trainer without a window and without sound on a virtual clock, from a script
// ("-" reads standard input), and writes a transcript of what it does to `out`. Script lines:
//   key LETTER               clicks the pattern button of that letter (q w u o l s k m j i h y
//                            n b r)
//   button CAPTION           "Next Question", "Stop/Repeat", the answer button by its caption
//                            ("Check Answer", "Check Rhythm", "Hide Answer"), "Reset Score",
//                            "Erase All"
//   cell N                   a mouse press on column N (0 .. 10) of the answer row
//   tempo BPM                the "Metronome" set to BPM (30 .. 96 in steps of 6)
//   menu CAPTION > CAPTION   a menu command by its captions, e.g.
//                            "menu Rhythm Patterns > Compound > 5 patterns"; a path that ends at
//                            a submenu opens it ("menu Rhythm Patterns > Compound")
//   wait MS                  lets MS milliseconds pass while the question plays
//   reply TEXT, cancel       the answer to the next prompt
//   yes, no                  the answer to the next question
// Blank lines and lines starting with "#" are ignored; boxes with only OK answer themselves.
// Transcript lines start with the virtual time in milliseconds:
//   T midi STATUS DATA1 DATA2, T field NAME "TEXT", T dialog TITLE | TEXT -> ANSWER,
//   T file NAME | LINE, T row CELLS, T question CELLS
// Fields: Score, Items, AvRepeats (the displays), AnsDisplay (the answer button's caption),
// Speed (the metronome) and LevelLabel (the level a quiz line names); their first values come
// first. "row" shows the answer row's seven beats and "question" the question row's while it is
// shown ("question hidden" once it is hidden again): each beat is the letter of its pattern's
// button, "-" when empty, with "!" after a beat marked wrong; a count-in or closing cell that an
// entry overwrote follows as COLUMN:LETTER. Returns 0, or 2 with a message on `err` for a wrong
// command line, an unreadable script, an unknown or impossible line, or a box the script gives
// no answer for.
int runRhythmScriptCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, beginning with "--script".
int runRhythmScriptCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);
