#include "ProgramSound.h"
#include "ScriptCommand.h"
#include "StepsCommand.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextStream>

int main(int argc, char* argv[]) {
    // Command-line use without a window: tonewise --steps KEY LEVEL [--lower]
    if (argc > 1 && QByteArrayView(argv[1]) == "--steps") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return tonewise::runStepsCommand(QCoreApplication::arguments().mid(1), out, err);
    }
    // A session from a script on a virtual clock: tonewise --script FILE [--seed S]
    if (argc > 1 && QByteArrayView(argv[1]) == "--script") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return tonewise::runScriptCommand(QCoreApplication::arguments().mid(1), out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tonewise");
    midi::setUpSound(QApplication::arguments());

    QMainWindow window;
    window.setWindowTitle("Qor Pitch and Interval Identification");
    window.resize(629, 424);
    window.show();
    midi::announceSoundProblems(&window, "Tonewise");
    return app.exec();
}
