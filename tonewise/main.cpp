// Tonewise, the pitch and interval trainer.
//
//   tonewise [--audio-file PATH]     the trainer; --audio-file records what it plays into a WAV
//                                    file instead of sounding it
//   tonewise --lang CODE ...         the window in that language (es, pt_BR, de, fr; en for
//                                    English) instead of the system locale's
//   tonewise --screenshot PATH       shows the window maximised on its screen, saves it as a PNG
//                                    image once start-up is complete, and exits (no sound)
//   tonewise --startup-probe         prints "first-paint" when the window is first painted, and
//                                    exits (for measuring the start-up time)
//   tonewise --script FILE ...       runs the trainer from a script (see ScriptCommand.h)
//   tonewise --steps KEY LEVEL ...   prints the notes a key and level ask (see StepsCommand.h)
//   tonewise --export N ... -o DIR   writes questions as WAV files with a PDF answer sheet (see
//                                    ExportCommand.h)
//
// A MIDI keyboard on a system input port answers as the on-screen keys do (Midi > Inputs).
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file (see tests/tonewise_window/screens).
#include "ExportCommand.h"
#include "ScriptCommand.h"
#include "StepsCommand.h"
#include "SystemMidiInput.h"
#include "TElasticForm.h"
#include "TForm1.h"
#include "WindowProgram.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextStream>
#include <QTimer>

int main(int argc, char* argv[]) {
    // Command-line use without a window.
    if (argc > 1 &&
        (QByteArrayView(argv[1]) == "--steps" || QByteArrayView(argv[1]) == "--script")) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        const QStringList arguments = QCoreApplication::arguments().mid(1);
        return QByteArrayView(argv[1]) == "--steps"
                   ? tonewise::runStepsCommand(arguments, out, err)
                   : tonewise::runScriptCommand(arguments, out, err);
    }
    if (argc > 1 && QByteArrayView(argv[1]) == "--export") {
        // Drawing the answer sheet needs no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return tonewise::runExportCommand(QCoreApplication::arguments().mid(1), out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tonewise");
    auto program = WindowProgram::start(QStringLiteral("tonewise"), QStringLiteral("Tonewise"));
    if (!program)
        return 2;

    QTimer dismissBoxes;
    if (program->takesPicture() || program->probesStartUp()) {
        // The start-up box is answered as a student would, so that the picture (or the time to
        // the first paint) shows the window ready for the first note.
        QObject::connect(&dismissBoxes, &QTimer::timeout, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->accept();
        });
        dismissBoxes.start(20);
    }
    midi::SystemMidiInput keyboard; // a MIDI keyboard answers as the on-screen keys do
    TForm1 window;
    if (!program->takesPicture())
        window.listenTo(&keyboard);
    return program->run(
        window, [&window] { return window.isMaximized() && window.ElasticForm1->isCaptured(); });
}
