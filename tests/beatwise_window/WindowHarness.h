#pragma once

#include "Clock.h"
#include "MersenneRandom.h"
#include "ModalAnswerer.h"
#include "QtTimers.h"
#include "RhythmPlayer.h"
#include "RhythmRow.h"
#include "RhythmTestDoubles.h"
#include "ScoreStore.h"
#include "TGradBtn.h"
#include "TRhytm7.h"
#include "TapClick.h"

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

// Counts the clicks of the taps.
struct CountingClick final : TapClick {
    void sound() override { ++clicks; }
    int clicks = 0;
};

// A rhythm trainer window around scripted parts, with a score folder of its own; taps are
// timed on the fixed clock and click into a counter.
struct WindowFixture {
    QTemporaryDir scoreRoot;
    scores::ScoreStore store{scoreRoot.path() + QStringLiteral("/Qor_Music")};
    ScriptedBoxes boxes;
    RecordingPlayer player;
    MersenneRandom random{20240107};
    FixedClock clock;
    QtTimers timers;
    CountingClick tapClick;
    std::unique_ptr<TRhytm7> window;

    WindowFixture() {
        window = std::make_unique<TRhytm7>(boxes, player, random, clock, store);
        boxes.attach(window.get(), window->ScoreRecord);
        window->enableTapping(timers, tapClick);
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
