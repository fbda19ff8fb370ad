#include "BuiltinSynth.h"
#include "ProgramSound.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Beatwise");
    const QStringList arguments = midi::setUpSound(QApplication::arguments());
    (void)arguments;

    QMainWindow window;
    window.setWindowTitle("Qor Beatwise");
    window.resize(625, 428);
    window.show();
    midi::announceSoundProblems(&window, "Beatwise");
    return app.exec();
}
