#pragma once

#include "Meter.h"
#include "Tempo.h"

#include <QStringList>
#include <QTextStream>

#include <array>
#include <optional>
#include <vector>

// beatwise --questions N [--meter simple|compound] [--level L] [--tempo T] [--seed S]
//
// Prints N questions drawn by the rhythm trainer itself at that meter, level and tempo
// (defaults: simple, 3, 72, a seed from the clock), one a line: the glyph texts of the question
// row's columns 0..9 joined by "|", a tab, the seven pattern indices joined by spaces, a tab, and
// the note string that plays the question. `args` are the program's arguments without the
// program name, starting with "--questions". Returns the exit status: 0, or 2 after a message
// on `err` when the options are wrong.
int runQuestionsCommand(const QStringList& args, QTextStream& out, QTextStream& err);

// The options both --questions and --export take.
struct QuestionOptions {
    int questions = 0;
    Meter meter = Meter::Simple;
    int level = 3;
    int tempo = Tempo::kInitial;
    std::optional<quint64> seed;
};

// Reads "<command> N [--meter ...] [--level L] [--tempo T] [--seed S]"; on a mistake returns
// nothing after writing why to `why`.
std::optional<QuestionOptions> parseQuestionOptions(const QStringList& args, QString& why);

// One question as the rhythm trainer asks it.
struct DrawnQuestion {
    std::array<QString, 10> glyphs; // the question row: count-in, seven beats, closing beat
    std::array<int, 7> patterns;    // the seven beats' pattern indices
    QString notes;                  // the note string that plays it
};

// The questions the trainer draws with these options. `channel` receives the MIDI channel the
// trainer plays them on.
std::vector<DrawnQuestion> drawQuestions(const QuestionOptions& options, int* channel = nullptr);
