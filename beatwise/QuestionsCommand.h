#pragma once

#include "Meter.h"
#include "Tempo.h"

#include <QStringList>
#include <QTextStream>

#include <array>
#include <functional>
#include <optional>
#include <vector>

class CommandLine;

// beatwise --questions N [--meter simple|compound] [--level L] [--tempo T] [--seed S]
//
// Prints N questions drawn by the rhythm trainer itself at that meter, level and tempo
// (defaults: simple, 3, 72, a seed from the clock), one a line: the glyph texts of the question
// row's columns 0..9 joined by "|", a tab, the seven pattern indices joined by spaces, a tab, and
// the note string that plays the question. Each line is written as it is drawn, so any number
// takes the same memory. Returns the exit status: 0, or 2 after a message on `err` when the
// options are wrong.
int runQuestionsCommand(const CommandLine& line, QTextStream& out, QTextStream& err);
// The same from the program's arguments after its name, starting with "--questions".
int runQuestionsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The options both --questions and --export take.
struct QuestionOptions {
    int questions = 0;
    Meter meter = Meter::Simple;
    int level = 3;
    int tempo = Tempo::kInitial;
    std::optional<quint64> seed;
};

// Declares the options both --questions and --export take besides their number.
void addQuestionOptions(CommandLine& line);

// Reads the number given to `command` ("questions", "export"), at most `most`, and the options
// both take; on a mistake returns nothing after writing why to `why`.
std::optional<QuestionOptions> questionOptionsFrom(const CommandLine& line, const QString& command,
                                                   int most, QString& why);

// One question as the rhythm trainer asks it.
struct DrawnQuestion {
    std::array<QString, 10> glyphs; // the question row: count-in, seven beats, closing beat
    std::array<int, 7> patterns;    // the seven beats' pattern indices
    QString notes;                  // the note string that plays it
};

// Hands each question the trainer draws with these options to `each`, one at a time; returns the
// MIDI channel the trainer plays them on.
int drawQuestions(const QuestionOptions& options,
                  const std::function<void(const DrawnQuestion&)>& each);
// The questions the trainer draws with these options, all at once (for a set of a few).
std::vector<DrawnQuestion> drawQuestions(const QuestionOptions& options, int* channel = nullptr);
