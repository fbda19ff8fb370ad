// Loaded into a trainer's window program (LD_PRELOAD) to choose its File > "Exit" as a student
// would, some time after the program started: boxes the window opens are answered first, then
// the menu item is triggered on the UI thread, and "exit-chosen" is printed at that moment.
//   EXIT_CHOOSER_AFTER_MS   when to choose Exit, in milliseconds after the start (3000)
//   EXIT_CHOOSER_PRESS      the object name of a button to click before that, as a student
//                           starts a question ("StartButton"); none when unset
//   EXIT_CHOOSER_PRESS_MS   when to click it (1500)
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QThread>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

std::atomic<bool> chosen{false};
std::atomic<bool> pressed{false};

int setting(const char* name, int fallback) {
    const char* text = std::getenv(name);
    const int value = text != nullptr ? std::atoi(text) : 0;
    return value > 0 ? value : fallback;
}

// The "Exit" item of a window on the screen: a student reaches the menu only once the window
// has appeared.
QAction* exitAction() {
    for (QWidget* window : QApplication::topLevelWidgets())
        for (QAction* action :
             window->isVisible() ? window->findChildren<QAction*>() : QList<QAction*>())
            if (action->text().remove(QLatin1Char('&')) == QLatin1String("Exit"))
                return action;
    return nullptr;
}

// On the UI thread: answers an open box, else clicks the button when it is due, else chooses
// File > Exit when it is due.
void act(bool pressDue, bool exitDue) {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        if (QAbstractButton* yes = box->button(QMessageBox::Yes))
            yes->click();
        else
            box->accept();
        return;
    }
    const char* button = std::getenv("EXIT_CHOOSER_PRESS");
    if (pressDue && button != nullptr && !pressed) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* target = window->findChild<QWidget*>(QString::fromLatin1(button))) {
                pressed = true;
                QMetaObject::invokeMethod(target, "clicked");
                return;
            }
    }
    // A student reaches the menu once the program's event loop runs, not while its start
    // still processes events of its own.
    const bool running = QThread::currentThread()->loopLevel() > 0;
    QAction* action = exitDue && running ? exitAction() : nullptr;
    if (action == nullptr || chosen)
        return;
    chosen = true;
    std::puts("exit-chosen");
    std::fflush(stdout);
    action->trigger();
}

// Asks the UI thread every 50 ms until Exit is chosen.
struct Chooser {
    Chooser() {
        const Clock::time_point start = Clock::now();
        std::thread([start] {
            const auto pressAt =
                start + std::chrono::milliseconds(setting("EXIT_CHOOSER_PRESS_MS", 1500));
            const auto exitAt =
                start + std::chrono::milliseconds(setting("EXIT_CHOOSER_AFTER_MS", 3000));
            while (!chosen) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                const bool pressDue = Clock::now() >= pressAt;
                const bool exitDue = Clock::now() >= exitAt;
                if (QCoreApplication* app = QCoreApplication::instance())
                    QMetaObject::invokeMethod(
                        app, [pressDue, exitDue] { act(pressDue, exitDue); }, Qt::QueuedConnection);
            }
        }).detach();
    }
};

const Chooser chooser;

} // namespace
