// Beatwise, the rhythm trainer.
//
//   beatwise [--audio-file PATH]     the trainer; --audio-file records what it plays into a WAV
//                                    file instead of sounding it
//   beatwise --lang CODE ...         the window in that language (es, pt_BR, de, fr; en for
//                                    English) instead of the system locale's
//   beatwise --screenshot PATH       shows the window maximised on its screen, saves it as a PNG
//                                    image once start-up is complete, and exits (no sound)
//   beatwise --startup-probe         prints "first-paint" when the window is first painted, and
//                                    exits (for measuring the start-up time)
//   beatwise --questions N ...       prints questions without a window (see QuestionsCommand.h)
//   beatwise --script FILE ...       runs the trainer from a script (see RhythmScriptCommand.h)
//   beatwise --export N ... -o DIR   writes questions as WAV files with a worksheet and its
//                                    answers as PDF (see ExportCommand.h)
//
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file, for example:
//   echo '{"screens":[{"name":"S","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,
//          "logicalBaseDpi":96,"dpr":1}],"windowFrameMargins":false}' > screen.json
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json beatwise --screenshot window.png
#include "ExportCommand.h"
#include "QuestionsCommand.h"
#include "RhythmScriptCommand.h"
#include "TElasticForm.h"
#include "TRhytm7.h"
#include "WindowProgram.h"

#include <QApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Command-line use without a window.
    if (argc > 1 &&
        (QByteArrayView(argv[1]) == "--questions" || QByteArrayView(argv[1]) == "--script")) {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        const QStringList arguments = QCoreApplication::arguments().mid(1);
        return QByteArrayView(argv[1]) == "--questions"
                   ? runQuestionsCommand(arguments, out, err)
                   : runRhythmScriptCommand(arguments, out, err);
    }
    if (argc > 1 && QByteArrayView(argv[1]) == "--export") {
        // Drawing the sheets needs no screen.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QGuiApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return runExportCommand(QCoreApplication::arguments().mid(1), out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Beatwise");
    auto program = WindowProgram::start(QStringLiteral("beatwise"), QStringLiteral("Beatwise"));
    if (!program)
        return 2;
    TRhytm7 window;
    return program->run(
        window, [&window] { return window.isMaximized() && window.ElasticForm1->isCaptured(); });
}
