#include "BuiltinSynth.h"
#include "ProgramSound.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tonewise");
    const QStringList arguments = midi::setUpSound(QApplication::arguments());
    (void)arguments;

    QMainWindow window;
    window.setWindowTitle("Qor Pitch and Interval Identification");
    window.resize(629, 424);
    window.show();
    midi::announceSoundProblems(&window, "Tonewise");
    return app.exec();
}
