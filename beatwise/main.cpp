// Beatwise, the rhythm trainer.
//
//   beatwise [--lang CODE] [--audio-file PATH]   the trainer's window (see WindowOptions.h)
//   beatwise --screenshot PATH | --startup-probe   a picture of the window, or the time to its
//                                                  first paint
//   beatwise --questions N ...       prints questions without a window (see QuestionsCommand.h)
//   beatwise --script FILE ...       runs the trainer from a script (see RhythmScriptCommand.h)
//   beatwise --export N ... -o DIR   writes questions as WAV files with a worksheet and its
//                                    answers as PDF (see ExportCommand.h)
//   beatwise --help | --version
//
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file, for example:
//   echo '{"screens":[{"name":"S","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,
//          "logicalBaseDpi":96,"dpr":1}],"windowFrameMargins":false}' > screen.json
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json beatwise --screenshot window.png
#include "BeatwiseCommandLine.h"
#include "ExportCommand.h"
#include "QuestionsCommand.h"
#include "RhythmScriptCommand.h"
#include "RhythmSounds.h"
#include "SystemMidiInput.h"
#include "TRhytm7.h"
#include "WindowProgram.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // The command line is read before anything opens a window: --help and mistakes need no
    // display.
    QTextStream out(stdout), err(stderr);
    BeatwiseCommandLine line;
    if (const std::optional<int> status = line.read(CommandLine::arguments(argc, argv), out, err))
        return *status;
    if (line.mode() == BeatwiseCommandLine::Mode::Questions) {
        QCoreApplication app(argc, argv);
        return runQuestionsCommand(line, out, err);
    }
    if (line.mode() == BeatwiseCommandLine::Mode::Script) {
        QCoreApplication app(argc, argv);
        return runRhythmScriptCommand(line, out, err);
    }
    if (line.mode() == BeatwiseCommandLine::Mode::Export) {
        // Drawing the sheets needs no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return runExportCommand(line, out, err);
    }
    const std::optional<WindowOptions> options = WindowOptions::from(line, err);
    if (!options)
        return CommandLine::UsageError;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Beatwise");
    WindowProgram program(QStringLiteral("beatwise"), QStringLiteral("Beatwise"), *options,
                          RhythmSounds::keyLimits());
    midi::SystemMidiInput pads; // a MIDI pad or keyboard taps as the space bar does
    TRhytm7 window;
    if (!program.takesPicture())
        window.tapFrom(&pads);
    return program.run(window);
}
