#include "FirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace firstpaint {

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

// Accepts each message box once it is shown, from within the box's own event loop.
class BoxAnswerer : public QObject {
public:
    BoxAnswerer() { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched))
                QMetaObject::invokeMethod(box, &QMessageBox::accept, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

std::unique_ptr<QObject> answerEveryBox() {
    return std::make_unique<BoxAnswerer>();
}

void watch(QWidget* window, std::function<bool()> ready, std::function<void()> then) {
    new FirstPaintWatch(window, std::move(ready), std::move(then));
}

void saveScreenshot(QWidget* window, std::function<bool()> ready, const QString& path,
                    const QString& program) {
    watch(window, std::move(ready), [window, path, program] {
        QApplication::processEvents();
        const bool saved = window->grab().save(path, "PNG");
        if (!saved)
            std::fprintf(stderr, "%s: cannot write %s\n", qPrintable(program), qPrintable(path));
        QApplication::exit(saved ? 0 : 1);
    });
}

QString optionValue(const QStringList& arguments, const QString& option) {
    const int at = arguments.indexOf(option);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : QString();
}

} // namespace firstpaint
