#include "ProgramSound.h"
#include "QuestionsCommand.h"

#include <QApplication>
#include <QMainWindow>
#include <QTextStream>
#include <QTimer>
#include <cstdio>

namespace {

// --startup-probe: print "first-paint" once the window has been painted, then quit.
class FirstPaintProbe : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, [] {
                std::puts("first-paint");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

int main(int argc, char* argv[]) {
    // Command-line use without a window: beatwise --questions N [options]
    if (argc > 1 && QByteArrayView(argv[1]) == "--questions") {
        QCoreApplication app(argc, argv);
        QTextStream out(stdout), err(stderr);
        return runQuestionsCommand(QCoreApplication::arguments().mid(1), out, err);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Beatwise");
    const QStringList arguments = midi::setUpSound(QApplication::arguments());

    QMainWindow window;
    window.setWindowTitle("Qor Beatwise");
    window.resize(625, 428);
    if (arguments.contains("--startup-probe"))
        window.installEventFilter(new FirstPaintProbe(&window));
    window.show();
    midi::announceSoundProblems(&window, "Beatwise");
    return app.exec();
}
