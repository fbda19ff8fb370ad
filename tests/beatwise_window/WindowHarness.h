#pragma once

#include "Clock.h"
#include "MersenneRandom.h"
#include "ModalDialogs.h"
#include "RhythmPlayer.h"
#include "RhythmRow.h"
#include "RhythmTestDoubles.h"
#include "ScoreStore.h"
#include "TGradBtn.h"
#include "TRhytm7.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>

// The window's boxes answered from a script; the scores window stays the real one. `opening`
// sees each box's text (an input box's caption) as it opens.
class ScriptedBoxes final : public ModalDialogs, public DialogScript {
public:
    std::function<void(const QString& text)> opening;

    void information(const QString& text) override {
        open(text);
        informations.append(text);
    }
    void error(const QString& text) override {
        open(text);
        errors.append(text);
    }
    bool confirm(const QString& text) override {
        open(text);
        return nextConfirm(text);
    }
    bool confirmDestructive(const QString& text) override { return confirm(text); }
    std::optional<QString> input(const QString& caption, const QString&, const QString&) override {
        open(caption);
        return nextInput(caption);
    }
    std::optional<QString> chooseFolder(const QString& caption, const QString&) override {
        open(caption);
        return nextFolder(QString());
    }

private:
    void open(const QString& text) const {
        if (opening)
            opening(text);
    }
};

// Answers the modal windows that open during a step: records each one, then closes it with
// the button `answer` chooses (message boxes) or by closing it (other dialogs).
class ModalAnswerer : public QObject {
public:
    struct Seen {
        QString className;
        QString title;
        QString text; // a message box's text
        QSize size;
    };
    QList<Seen> seen;
    std::function<void(QDialog*)> inspect; // called for every dialog before it is closed
    QMessageBox::StandardButton answer = QMessageBox::Yes;

    ModalAnswerer() {
        timer_.setInterval(5);
        connect(&timer_, &QTimer::timeout, this, [this] { answerOpenBox(); });
        timer_.start();
    }

private:
    void answerOpenBox() {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        Seen record{QString::fromLatin1(dialog->metaObject()->className()), dialog->windowTitle(),
                    QString(), dialog->size()};
        if (inspect)
            inspect(dialog);
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            record.text = box->text();
            seen.append(record);
            QAbstractButton* button = box->button(answer);
            if (!button)
                button = box->button(QMessageBox::Ok);
            if (button)
                button->click();
            else
                box->reject();
            return;
        }
        seen.append(record);
        dialog->reject();
    }

    QTimer timer_;
};

// A rhythm trainer window around scripted parts, with a score folder of its own.
struct WindowFixture {
    QTemporaryDir scoreRoot;
    scores::ScoreStore store{scoreRoot.path() + QStringLiteral("/Qor_Music")};
    ScriptedBoxes boxes;
    RecordingPlayer player;
    MersenneRandom random{20240107};
    FixedClock clock;
    std::unique_ptr<TRhytm7> window;

    WindowFixture() {
        window = std::make_unique<TRhytm7>(boxes, player, random, clock, store);
        boxes.attach(window.get(), window->ScoreRecord);
    }

    const RhythmState& state() const { return window->state(); }

    // Shown and activated, as the program starts it: maximised, the answer row focused.
    bool showAsStarted() {
        window->show();
        if (!QTest::qWaitForWindowActive(window.get()))
            return false;
        return QTest::qWaitFor([this] { return window->isMaximized(); });
    }

    void click(QWidget* button) const { QTest::mouseClick(button, Qt::LeftButton); }

    void clickPattern(int pattern) const {
        click(window->patternButtons[static_cast<std::size_t>(pattern)]);
    }

    void pressAnswerCell(int column) const {
        RhythmRow* row = window->ShowRes;
        const QPoint centre = row->cellRect(column).center();
        QTest::mousePress(row->viewport(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(row->viewport(), Qt::LeftButton, {}, centre);
    }
};

// With BEATWISE_WINDOW_PICTURES set to a folder, saves what `widget` shows there as
// `name`.png, for looking at the window as a student sees it.
inline void savePicture(QWidget* widget, const QString& name) {
    const QString folder = qEnvironmentVariable("BEATWISE_WINDOW_PICTURES");
    if (!folder.isEmpty())
        widget->grab().save(folder + QLatin1Char('/') + name + QStringLiteral(".png"));
}

// Pixels darker than mid grey inside `area`.
inline int darkPixels(const QImage& image, const QRect& area) {
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            count += qGray(image.pixel(x, y)) < 96 ? 1 : 0;
    return count;
}

// The cell's frame colour, read halfway down its left edge, just inside the cell.
inline QColor frameColourOf(const RhythmRow* row, int column) {
    const QImage image = row->viewport()->grab().toImage();
    const QRect cell = row->cellRect(column);
    return image.pixelColor(cell.left() + 1, cell.center().y());
}
