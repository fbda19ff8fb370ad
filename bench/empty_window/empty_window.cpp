// An empty Qt main window, the yardstick the start-up benchmarks time the programs against.
//
//   empty_window                  shows the window until it is closed
//   empty_window --startup-probe  prints "first-paint" when the window is first painted, and
//                                 exits, as the programs do with the same option
//   empty_window --text           the same window with a menu and one line of text: the least any
//                                 window with words pays at its start (the system's font
//                                 configuration read, a font loaded, the text laid out)
#include <QApplication>
#include <QCommandLineParser>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>

#include <cstdio>

namespace {

// Reports the window's first paint once the event loop has handled it.
class FirstPaint : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!done_ && event->type() == QEvent::Paint && watched->isWidgetType()) {
            done_ = true;
            QTimer::singleShot(0, [] {
                std::puts("first-paint");
                std::fflush(stdout);
                QApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool done_ = false;
};

} // namespace

int main(int argc, char** argv) {
    // The options are read before the window system is reached, so that --help works without
    // one.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("An empty Qt main window."));
    parser.addHelpOption();
    const QCommandLineOption probe(QStringLiteral("startup-probe"),
                                   QStringLiteral("Print \"first-paint\" at the first paint "
                                                  "and exit."));
    parser.addOption(probe);
    const QCommandLineOption text(QStringLiteral("text"),
                                  QStringLiteral("Show a menu and one line of text."));
    parser.addOption(text);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty()) {
        std::fprintf(stderr, "empty_window: %s\n",
                     qPrintable(parser.errorText().isEmpty() ? QStringLiteral("unexpected argument")
                                                             : parser.errorText()));
        return 2;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    QApplication app(argc, argv);
    FirstPaint watch;
    if (parser.isSet(probe))
        app.installEventFilter(&watch);
    QMainWindow window;
    if (parser.isSet(text)) {
        window.menuBar()->addMenu(QStringLiteral("File"));
        window.setCentralWidget(new QLabel(QStringLiteral("Next Question")));
    }
    window.show();
    return QApplication::exec();
}
