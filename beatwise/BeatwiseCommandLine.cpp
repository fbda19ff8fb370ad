#include "BeatwiseCommandLine.h"

#include "QuestionsCommand.h"
#include "WindowOptions.h"

#include <QTextStream>

namespace {

const QString kQuestions = QStringLiteral("questions");
const QString kExport = QStringLiteral("export");
const QString kScript = QStringLiteral("script");
const QString kScores = QStringLiteral("scores");
const QString kFolder = QStringLiteral("o");
const QStringList kQuestionOptions = {QStringLiteral("meter"), QStringLiteral("level"),
                                      QStringLiteral("tempo"), QStringLiteral("seed")};

} // namespace

BeatwiseCommandLine::BeatwiseCommandLine()
    : CommandLine(QStringLiteral("beatwise"),
                  QStringLiteral("Beatwise, the rhythm trainer: it plays a row of seven one-beat "
                                 "rhythm patterns, and the student rebuilds the row from pattern "
                                 "buttons and checks it beat by beat.")) {
    addUsage(QStringLiteral("[--lang CODE] [--audio-file PATH]"));
    addUsage(QStringLiteral("--screenshot PATH | --startup-probe"));
    addUsage(QStringLiteral("--questions N [--meter simple|compound] [--level L] [--tempo T] "
                            "[--seed S]"));
    addUsage(QStringLiteral("--script FILE [--seed S] [--scores FOLDER]"));
    addUsage(QStringLiteral("--export N [--meter simple|compound] [--level L] [--tempo T] "
                            "[--seed S] -o DIR"));
    WindowOptions::addTo(*this);
    addOption({kQuestions,
               QStringLiteral("Print N questions (1 to 1000000) as the trainer draws them, one a "
                              "line, without a window: the question row's glyphs, the patterns "
                              "and the note string that plays them."),
               QStringLiteral("N")});
    addOption({kScript,
               QStringLiteral("Run the trainer without a window and without sound, on a virtual "
                              "clock, from the script FILE (\"-\" reads standard input), and "
                              "print a transcript of what it does (with --seed: the same "
                              "questions for the same seed, 1 by default)."),
               QStringLiteral("FILE")});
    addOption({kScores,
               QStringLiteral("The folder where --script writes score files (default: the usual "
                              "score folder)."),
               QStringLiteral("FOLDER")});
    addOption({kExport,
               QStringLiteral("Write a set of N questions (1 to 99) into the new folder DIR: "
                              "question-01.wav ... as the trainer plays them, worksheet.pdf and "
                              "answers.pdf."),
               QStringLiteral("N")});
    addQuestionOptions(*this);
    addOption({kFolder, QStringLiteral("The new folder --export writes."), QStringLiteral("DIR")});
    addExitStatus(0, QStringLiteral("Done: the window was closed, or everything asked for was "
                                    "written."));
    addExitStatus(1, QStringLiteral("--screenshot could not save the picture."));
    addExitStatus(2, QStringLiteral("A wrong command line; a script that cannot be read or carried "
                                    "out; a folder --export cannot write (nothing is left "
                                    "behind)."));
}

BeatwiseCommandLine::Mode BeatwiseCommandLine::mode() const {
    if (isSet(kQuestions))
        return Mode::Questions;
    if (isSet(kScript))
        return Mode::Script;
    if (isSet(kExport))
        return Mode::Export;
    return Mode::Window;
}

std::optional<int> BeatwiseCommandLine::read(const QStringList& arguments, QTextStream& out,
                                             QTextStream& err) {
    if (const std::optional<int> status = parse(arguments, out, err))
        return status;
    QString stray;
    switch (mode()) {
    case Mode::Questions:
        if (!(stray = strayOption(QStringList{kQuestions} + kQuestionOptions)).isEmpty())
            return fail(err, QStringLiteral("%1 does not go with --questions").arg(stray));
        break;
    case Mode::Script:
        if (!(stray = strayOption({kScript, kScores, QStringLiteral("seed")})).isEmpty())
            return fail(err, QStringLiteral("%1 does not go with --script").arg(stray));
        break;
    case Mode::Export:
        if (!(stray = strayOption(QStringList{kExport, kFolder} + kQuestionOptions)).isEmpty())
            return fail(err, QStringLiteral("%1 does not go with --export").arg(stray));
        if (!isSet(kFolder) || value(kFolder).isEmpty())
            return fail(err, QStringLiteral("-o needs the folder to write"));
        break;
    case Mode::Window:
        if (!(stray = strayOption(WindowOptions::names())).isEmpty())
            return fail(
                err,
                stray == QLatin1String("-o")
                    ? QStringLiteral("-o goes with --export")
                    : QStringLiteral("%1 goes with --questions, --script or --export").arg(stray));
        break;
    }
    return std::nullopt;
}
