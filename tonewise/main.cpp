#include "ProgramSound.h"

#include <QApplication>
#include <QMainWindow>
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
    QApplication app(argc, argv);
    QApplication::setApplicationName("Tonewise");
    const QStringList arguments = midi::setUpSound(QApplication::arguments());

    QMainWindow window;
    window.setWindowTitle("Qor Pitch and Interval Identification");
    window.resize(629, 424);
    if (arguments.contains("--startup-probe"))
        window.installEventFilter(new FirstPaintProbe(&window));
    window.show();
    midi::announceSoundProblems(&window, "Tonewise");
    return app.exec();
}
