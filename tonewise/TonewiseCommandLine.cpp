#include "TonewiseCommandLine.h"

#include "WindowOptions.h"

#include <QTextStream>

namespace tonewise {

namespace {

const QString kScript = QStringLiteral("script");
const QString kSteps = QStringLiteral("steps");
const QString kExport = QStringLiteral("export");
const QString kSeed = QStringLiteral("seed");
const QString kFolder = QStringLiteral("o");

void addCommandOptions(CommandLine& line) {
    line.addOption({kScript,
                    QStringLiteral("Run the trainer without a window and without sound, on a "
                                   "virtual clock, from the script FILE (\"-\" reads standard "
                                   "input), and print a transcript of what it does."),
                    QStringLiteral("FILE")});
    line.addOption({QStringLiteral("scores"),
                    QStringLiteral("The folder where --script writes score files (default: the "
                                   "usual score folder)."),
                    QStringLiteral("FOLDER")});
    line.addOption({kSteps, QStringLiteral("Print the notes that the key KEY and the scale-step "
                                           "level LEVEL ask, as the menus name them.")});
    line.addOption({QStringLiteral("lower"),
                    QStringLiteral("With --steps: the notes an octave lower (\"8va Lower\").")});
    line.addOption({kExport,
                    QStringLiteral("Write N questions (1 to 99) into the new folder DIR: "
                                   "question-01.wav ... and answers.pdf."),
                    QStringLiteral("N")});
    line.addOption({QStringLiteral("key"),
                    QStringLiteral("With --export: the key, as the Key menu names it (\"F# "
                                   "Minor\")."),
                    QStringLiteral("KEY")});
    line.addOption({QStringLiteral("level"),
                    QStringLiteral("With --export: the scale-step level, as the Scale Steps menu "
                                   "names it (\"1-8 + Parallel 3\")."),
                    QStringLiteral("LEVEL")});
    line.addOption({QStringLiteral("intervals"),
                    QStringLiteral("With --export: Intervals practice instead of Pitches.")});
    line.addOption({kSeed,
                    QStringLiteral("With --script or --export: the same questions for the same "
                                   "seed (default: 1 for --script, one from the clock for "
                                   "--export)."),
                    QStringLiteral("S")});
    line.addOption(
        {kFolder, QStringLiteral("The new folder --export writes."), QStringLiteral("DIR")});
}

} // namespace

TonewiseCommandLine::TonewiseCommandLine()
    : CommandLine(QStringLiteral("tonewise"),
                  QStringLiteral("Tonewise, the pitch and interval trainer: it plays notes of a "
                                 "chosen key and scale-step level, and the student answers on an "
                                 "on-screen piano, naming pitches or intervals.")) {
    addUsage(QStringLiteral("[--lang CODE] [--audio-file PATH]"));
    addUsage(QStringLiteral("--screenshot PATH | --startup-probe"));
    addUsage(QStringLiteral("--script FILE [--seed S] [--scores FOLDER]"));
    addUsage(QStringLiteral("--steps KEY LEVEL [--lower]"));
    addUsage(QStringLiteral("--export N --key KEY --level LEVEL [--intervals] [--seed S] -o DIR"));
    addPositional(QStringLiteral("KEY"), QStringLiteral("With --steps: a key as the Key menu names "
                                                        "it (\"D Major\")."));
    addPositional(QStringLiteral("LEVEL"), QStringLiteral("With --steps: a scale-step level as "
                                                          "the Scale Steps menu names it "
                                                          "(\"1,3,5\")."));
    WindowOptions::addTo(*this);
    addCommandOptions(*this);
    addExitStatus(0, QStringLiteral("Done: the window was closed, or everything asked for was "
                                    "written."));
    addExitStatus(1, QStringLiteral("--screenshot could not save the picture."));
    addExitStatus(2, QStringLiteral("A wrong command line; an unknown key or level; a script that "
                                    "cannot be read or carried out; a folder --export cannot "
                                    "write (nothing is left behind)."));
}

TonewiseCommandLine::Mode TonewiseCommandLine::mode() const {
    if (isSet(kScript))
        return Mode::Script;
    if (isSet(kSteps))
        return Mode::Steps;
    if (isSet(kExport))
        return Mode::Export;
    return Mode::Window;
}

std::optional<int> TonewiseCommandLine::read(const QStringList& arguments, QTextStream& out,
                                             QTextStream& err) {
    if (const std::optional<int> status = parse(arguments, out, err))
        return status;
    const qsizetype given = positionalArguments().size();
    if (mode() != Mode::Steps && given > 0)
        return fail(err,
                    QStringLiteral("unexpected argument '%1'").arg(positionalArguments().first()));
    QStringList allowed;
    QString command;
    switch (mode()) {
    case Mode::Script:
        command = QStringLiteral("--script");
        allowed = {kScript, kSeed, QStringLiteral("scores")};
        break;
    case Mode::Steps:
        if (given != 2)
            return fail(err, QStringLiteral("--steps needs a key and a level"));
        command = QStringLiteral("--steps");
        allowed = {kSteps, QStringLiteral("lower")};
        break;
    case Mode::Export:
        command = QStringLiteral("--export");
        allowed = {kExport,
                   QStringLiteral("key"),
                   QStringLiteral("level"),
                   QStringLiteral("intervals"),
                   kSeed,
                   kFolder};
        break;
    case Mode::Window:
        allowed = WindowOptions::names();
        break;
    }
    const QString stray = strayOption(allowed);
    if (stray.isEmpty())
        return std::nullopt;
    if (mode() == Mode::Window)
        return fail(err, QStringLiteral("%1 goes with --script, --steps or --export").arg(stray));
    return fail(err, QStringLiteral("%1 does not go with %2").arg(stray, command));
}

} // namespace tonewise
