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
//   beatwise --export N ... -o DIR   writes questions as WAV files with a worksheet and its
//                                    answers as PDF (see ExportCommand.h)
//
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file, for example:
//   echo '{"screens":[{"name":"S","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,
//          "logicalBaseDpi":96,"dpr":1}],"windowFrameMargins":false}' > screen.json
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json beatwise --screenshot window.png
#include "BuiltinSynth.h"
#include "ExportCommand.h"
#include "FirstPaint.h"
#include "ProgramLanguage.h"
#include "ProgramSound.h"
#include "QuestionsCommand.h"
#include "TElasticForm.h"
#include "TRhytm7.h"

#include <QApplication>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

// Saves the window as it stands once it has been painted maximised with nothing left to do.
void watchForScreenshot(TRhytm7& window, const QString& path) {
    firstpaint::saveScreenshot(
        &window, [&window] { return window.isMaximized() && window.ElasticForm1->isCaptured(); },
        path, QStringLiteral("beatwise"));
}

} // namespace

int main(int argc, char* argv[]) {
    // Command-line use without a window: beatwise --questions N [options]
    if (argc > 1 && QByteArrayView(argv[1]) == "--questions") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return runQuestionsCommand(QCoreApplication::arguments().mid(1), out, err);
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

    QStringList arguments = QApplication::arguments();
    const auto language = ProgramLanguage::fromArguments(QStringLiteral("beatwise"), arguments);
    if (!language)
        return 2;
    const QString screenshot = firstpaint::optionValue(arguments, "--screenshot");
    if (arguments.contains("--screenshot") && screenshot.isEmpty()) {
        std::fprintf(stderr, "beatwise: --screenshot needs the path of the PNG file\n");
        return 2;
    }
    if (!screenshot.isEmpty()) {
        // A picture of the window needs no sound.
        midi::SynthOptions silent;
        silent.output = midi::AudioOutput::Silent;
        midi::configureBuiltinSynth(silent);
    } else {
        arguments = midi::setUpSound(arguments);
    }

    TRhytm7 window;
    if (arguments.contains("--startup-probe")) {
        firstpaint::watch(
            &window, [] { return true; },
            [] {
                std::puts("first-paint");
                std::fflush(stdout);
                QApplication::quit();
            });
    }
    if (!screenshot.isEmpty())
        watchForScreenshot(window, screenshot);
    window.show();
    if (screenshot.isEmpty())
        midi::announceSoundProblems(&window, "Beatwise");
    return app.exec();
}
