// Tonewise, the pitch and interval trainer.
//
//   tonewise [--lang CODE] [--audio-file PATH]   the trainer's window (see WindowOptions.h)
//   tonewise --screenshot PATH | --startup-probe   a picture of the window, or the time to its
//                                                  first paint
//   tonewise --script FILE ...       runs the trainer from a script (see ScriptCommand.h)
//   tonewise --steps KEY LEVEL ...   prints the notes a key and level ask (see StepsCommand.h)
//   tonewise --export N ... -o DIR   writes questions as WAV files with a PDF answer sheet (see
//                                    ExportCommand.h)
//   tonewise --help | --version
//
// A MIDI keyboard on a system input port answers as the on-screen keys do (Midi > Inputs), and
// so does a note sung into the microphone (Midi > Microphone).
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file (see tests/tonewise_window/screens).
#include "ExportCommand.h"
#include "MicrophoneCapture.h"
#include "PitchSounds.h"
#include "ScriptCommand.h"
#include "SingingAnalyser.h"
#include "StepsCommand.h"
#include "SystemMidiInput.h"
#include "TForm1.h"
#include "TonewiseCommandLine.h"
#include "WindowProgram.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    using tonewise::TonewiseCommandLine;
    // The command line is read before anything opens a window: --help and mistakes need no
    // display.
    QTextStream out(stdout), err(stderr);
    TonewiseCommandLine line;
    if (const std::optional<int> status = line.read(CommandLine::arguments(argc, argv), out, err))
        return *status;
    switch (line.mode()) {
    case TonewiseCommandLine::Mode::Steps: {
        QCoreApplication app(argc, argv);
        return tonewise::runStepsCommand(line, out, err);
    }
    case TonewiseCommandLine::Mode::Script: {
        QCoreApplication app(argc, argv);
        return tonewise::runScriptCommand(line, out, err);
    }
    case TonewiseCommandLine::Mode::Export: {
        // Drawing the answer sheet needs no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        return tonewise::runExportCommand(line, out, err);
    }
    case TonewiseCommandLine::Mode::Window:
        break;
    }
    const std::optional<WindowOptions> options = WindowOptions::from(line, err);
    if (!options)
        return CommandLine::UsageError;

    QApplication app(argc, argv);
    QApplication::setApplicationName("Tonewise");
    WindowProgram program(QStringLiteral("tonewise"), QStringLiteral("Tonewise"), *options,
                          tonewise::PitchSounds::keyLimits());

    midi::SystemMidiInput keyboard; // a MIDI keyboard answers as the on-screen keys do
    // The microphone is heard on a thread of its own; a steady note answers as a key does.
    listening::SingingAnalyser singing;
    listening::MicrophoneCapture microphone({&singing});
    TForm1 window;
    if (!program.takesPicture()) {
        window.listenTo(&keyboard);
        window.listenToMicrophone(microphone, singing);
    }
    return program.run(window);
}
