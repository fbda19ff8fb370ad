// Beatwise, the rhythm trainer.
//
//   beatwise [--audio-file PATH]     the trainer; --audio-file records what it plays into a WAV
//                                    file instead of sounding it
//   beatwise --screenshot PATH       shows the window maximised on its screen, saves it as a PNG
//                                    image once start-up is complete, and exits (no sound)
//   beatwise --startup-probe         prints "first-paint" when the window is first painted, and
//                                    exits (for measuring the start-up time)
//   beatwise --questions N ...       prints questions without a window (see QuestionsCommand.h)
//
// Without a display, QT_QPA_PLATFORM=offscreen draws into memory; its screen size comes from a
// configuration file, for example:
//   echo '{"screens":[{"name":"S","x":0,"y":0,"width":1280,"height":800,"logicalDpi":96,
//          "logicalBaseDpi":96,"dpr":1}],"windowFrameMargins":false}' > screen.json
//   QT_QPA_PLATFORM=offscreen:configfile=screen.json beatwise --screenshot window.png
#include "BuiltinSynth.h"
#include "ProgramSound.h"
#include "QuestionsCommand.h"
#include "TElasticForm.h"
#include "TRhytm7.h"

#include <QApplication>
#include <QPointer>
#include <QTextStream>
#include <QTimer>
#include <cstdio>
#include <functional>

namespace {

// Watches the first paint of any part of one window.
class FirstPaintWatch : public QObject {
public:
    FirstPaintWatch(QWidget* window, std::function<bool()> ready, std::function<void()> then)
        : QObject(window), window_(window), ready_(std::move(ready)), then_(std::move(then)) {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == window_ && ready_()) {
            done_ = true;
            qApp->removeEventFilter(this);
            // After the paint, once the events it leaves behind have been handled.
            QTimer::singleShot(0, this, then_);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QWidget> window_;
    std::function<bool()> ready_;
    std::function<void()> then_;
    bool done_ = false;
};

QString optionValue(const QStringList& arguments, const QString& option) {
    const int at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

// Saves the window as it stands once it has been painted maximised with nothing left to do.
void watchForScreenshot(TRhytm7& window, const QString& path) {
    auto ready = [&window] { return window.isMaximized() && window.ElasticForm1->isCaptured(); };
    new FirstPaintWatch(&window, ready, [&window, path] {
        QApplication::processEvents();
        const bool saved = window.grab().save(path, "PNG");
        if (!saved)
            std::fprintf(stderr, "beatwise: cannot write %s\n", qPrintable(path));
        QApplication::exit(saved ? 0 : 1);
    });
}

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

    QStringList arguments = QApplication::arguments();
    const QString screenshot = optionValue(arguments, "--screenshot");
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
        new FirstPaintWatch(
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
