#include "TElasticForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

namespace {

QFont pixelFont(const char* family, int pixels, bool bold = false) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// A window laid out like the rhythm trainer's: a menu, an answer row of 11 columns of 47,
// a command button, a label and its display.
struct RhythmLikeWindow {
    QMainWindow window;
    QWidget* central = new QWidget;
    QTableWidget* row = new QTableWidget(2, 11, central);
    QPushButton* start = new QPushButton(QStringLiteral("Next Question"), central);
    QLabel* label = new QLabel(QStringLiteral("Score:"), central);
    QPushButton* pattern = new QPushButton(QStringLiteral("q"), central);
    TElasticForm* scaler = nullptr;

    explicit RhythmLikeWindow(bool resolutionIndependence = false) {
        window.setObjectName(QStringLiteral("Rhytm7"));
        window.setCentralWidget(central);
        window.menuBar()->addMenu(QStringLiteral("&File"));
        window.setFont(pixelFont("Arial", 11));
        row->setGeometry(32, 48, 481, 44);
        row->horizontalHeader()->hide();
        row->verticalHeader()->hide();
        row->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        row->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        row->horizontalHeader()->setMinimumSectionSize(1);
        row->verticalHeader()->setMinimumSectionSize(1);
        for (int c = 0; c < 11; ++c)
            row->setColumnWidth(c, 47);
        row->verticalHeader()->setDefaultSectionSize(42);
        row->setFont(pixelFont("Arial", 24));
        start->setGeometry(184, 158, 110, 30);
        start->setFont(pixelFont("Arial", 13, true));
        label->move(424, 208);
        label->adjustSize();
        pattern->setGeometry(47, 198, 54, 54);
        pattern->setFont(pixelFont("Arial", 21));

        scaler = new TElasticForm(&window);
        scaler->setResolutionIndependence(resolutionIndependence);
        scaler->setDesignScreenWidth(808);
        scaler->setDesignScreenHeight(580);
        scaler->setDesignFormWidth(633);
        scaler->setDesignFormHeight(482);
        scaler->setDesignFormClientWidth(625);
        scaler->setDesignFormClientHeight(428);
        scaler->setDesignFormLeft(223);
        scaler->setDesignFormTop(96);
        scaler->setFont(pixelFont("Arial", 11));
    }

    void showAndWait() {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
    }

    void setClientSize(int w, int h) {
        const QSize extra = window.size() - central->size();
        window.resize(w + extra.width(), h + extra.height());
        QCOMPARE(central->size(), QSize(w, h));
    }
};

} // namespace

class TestTElasticForm : public QObject {
    Q_OBJECT

private slots:
    void nearRoundsHalvesToEven() {
        QCOMPARE(TElasticForm::Near(2.5), 2);
        QCOMPARE(TElasticForm::Near(3.5), 4);
        QCOMPARE(TElasticForm::Near(10.5), 10);
        QCOMPARE(TElasticForm::Near(10.6), 11);
        QCOMPARE(TElasticForm::Near(10.4999), 10);
        QCOMPARE(TElasticForm::Near(-2.5), -2);
        QCOMPARE(TElasticForm::Near(-3.5), -4);
        QCOMPARE(TElasticForm::Near(-2.6), -3);
    }

    void rKeepsHalvesDownAndRoundsAbove() {
        QCOMPARE(TElasticForm::R(10.5), 10);
        QCOMPARE(TElasticForm::R(11.5), 11);
        QCOMPARE(TElasticForm::R(10.6), 11);
        QCOMPARE(TElasticForm::R(10.4), 10);
        QCOMPARE(TElasticForm::R(12.0), 12);
    }

    void creationNeedsAFormWithoutAScaler() {
        QMainWindow window;
        window.setObjectName(QStringLiteral("Form1"));
        QWidget child(&window);
        try {
            TElasticForm onChild(&child);
            QFAIL("a control is not a form");
        } catch (const ElasticFormError& e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("Owner of TElasticForm component must be a form"));
        }
        try {
            TElasticForm onNothing(nullptr);
            QFAIL("no owner");
        } catch (const ElasticFormError& e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("Owner of TElasticForm component must be a form"));
        }
        auto* first = new TElasticForm(&window);
        QCOMPARE(first->parent(), &window);
        try {
            TElasticForm second(&window);
            QFAIL("two scalers on one form");
        } catch (const ElasticFormError& e) {
            QCOMPARE(QString::fromStdString(e.what()),
                     QStringLiteral("A TElasticForm component already exists in Form1"));
        }
    }

    void designedScreenOpensAtDesignedClientSize() {
        RhythmLikeWindow w;
        w.showAndWait();
        QVERIFY(w.scaler->isCaptured());
        QCOMPARE(w.scaler->rx(), 1.0);
        QCOMPARE(w.scaler->ry(), 1.0);
        QCOMPARE(w.central->size(), QSize(625, 428));
        QCOMPARE(w.start->geometry(), QRect(184, 158, 110, 30));
        QCOMPARE(w.start->font().pixelSize(), 13);
        QCOMPARE(w.row->columnWidth(10), 47);
        // Controls inside the composite controls are not controls of the form.
        QCOMPARE(w.scaler->controlCount(), 4);
    }

    void twoSizesKeepProportionsAndDesignSizeRestoresExactly() {
        RhythmLikeWindow w;
        QSignalSpy after(w.scaler, &TElasticForm::afterResize);
        w.showAndWait();
        const QFont menuFont = w.window.menuBar()->font();
        const int rescales = after.count();
        QVERIFY(rescales >= 1);

        // Twice the designed client area: everything doubles, the font follows the width.
        w.setClientSize(1250, 856);
        QCOMPARE(after.count(), rescales + 1);
        QCOMPARE(w.start->geometry(), QRect(368, 316, 220, 60));
        QCOMPARE(w.pattern->geometry(), QRect(94, 396, 108, 108));
        QCOMPARE(w.start->font().pixelSize(), 26);
        QCOMPARE(w.pattern->font().pixelSize(), 42);
        QCOMPARE(w.row->font().pixelSize(), 48);
        QCOMPARE(w.window.menuBar()->font(), menuFont);

        // Grid columns follow the grid's inner width, rows its inner height.
        const int frameW = w.row->width() - w.row->maximumViewportSize().width();
        const int frameH = w.row->height() - w.row->maximumViewportSize().height();
        const double hx = double(962 - frameW) / (481 - frameW);
        const double vy = double(88 - frameH) / (44 - frameH);
        for (int c = 0; c < 11; ++c)
            QCOMPARE(w.row->columnWidth(c), TElasticForm::Near(47 * hx));
        QCOMPARE(w.row->rowHeight(0), TElasticForm::Near(42 * vy));

        // An odd size: positions stay proportional to the client area.
        w.setClientSize(1000, 600);
        const double h = 1000.0 / 625;
        const double v = 600.0 / 428;
        QCOMPARE(w.start->geometry(),
                 QRect(TElasticForm::Near(184 * h), TElasticForm::Near(158 * v),
                       TElasticForm::Near(110 * h), TElasticForm::Near(30 * v)));
        // The font follows the smaller of the two ratios (the height here).
        const double k = std::min(double(w.window.frameGeometry().height()) * 11 / 428,
                                  double(w.window.frameGeometry().width()) * 11 / 625);
        QCOMPARE(w.scaler->fontRatio(), k / 11);
        QCOMPARE(w.start->font().pixelSize(), TElasticForm::R(k / 11 * 13));

        // Back to the designed size: the designed bounds, columns and fonts, exactly.
        w.setClientSize(625, 428);
        QCOMPARE(w.start->geometry(), QRect(184, 158, 110, 30));
        QCOMPARE(w.row->geometry(), QRect(32, 48, 481, 44));
        QCOMPARE(w.pattern->geometry(), QRect(47, 198, 54, 54));
        QCOMPARE(w.start->font().pixelSize(), 13);
        QCOMPARE(w.row->font().pixelSize(), 24);
        for (int c = 0; c < 11; ++c)
            QCOMPARE(w.row->columnWidth(c), 47);
        QCOMPARE(w.row->rowHeight(1), 42);
    }

    void autoSizedLabelFitsItsScaledText() {
        RhythmLikeWindow w;
        auto* fixed = new QLabel(QStringLiteral("Av. Hearings:"), w.central);
        fixed->setGeometry(424, 288, 100, 16);
        TElasticForm::setAutoSize(fixed, false);
        w.showAndWait();
        w.setClientSize(1250, 856);
        QCOMPARE(w.label->pos(), QPoint(848, 416));
        QCOMPARE(w.label->size(), w.label->sizeHint());
        QCOMPARE(w.label->font().pixelSize(), 22);
        // A label that is not auto-sized keeps at least its scaled size.
        QCOMPARE(fixed->pos(), QPoint(848, 576));
        QVERIFY(fixed->width() >= 200 && fixed->height() >= 32);
        QVERIFY(fixed->width() >= fixed->sizeHint().width());
    }

    void fontHalfwayGoesDown() {
        // A plain window: the client area is the window itself.
        QWidget form;
        form.setObjectName(QStringLiteral("Plain"));
        auto* a = new QPushButton(QStringLiteral("a"), &form);
        a->setGeometry(10, 10, 100, 30);
        a->setFont(pixelFont("Arial", 21));
        auto* b = new QPushButton(QStringLiteral("b"), &form);
        b->setGeometry(10, 50, 100, 30);
        b->setFont(pixelFont("Arial", 13));
        TElasticForm scaler(&form);
        scaler.setResolutionIndependence(false);
        scaler.setDesignFormClientWidth(400);
        scaler.setDesignFormClientHeight(300);
        scaler.setFont(pixelFont("Arial", 12));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.size(), QSize(400, 300));

        // An outer width of 1.5 times the reference width (the font follows the outer size).
        const QSize frame = form.frameGeometry().size() - form.size();
        const int clientW = 600 - frame.width();
        form.resize(clientW, 470);
        QCOMPARE(scaler.fontRatio(), 1.5);
        QCOMPARE(a->font().pixelSize(), 31); // 31.5
        QCOMPARE(b->font().pixelSize(), 19); // 19.5
        QCOMPARE(scaler.font().pixelSize(), 18);
        const double h = clientW / 400.0;
        const double v = 470 / 300.0;
        QCOMPARE(a->geometry(), QRect(TElasticForm::Near(10 * h), TElasticForm::Near(10 * v),
                                      TElasticForm::Near(100 * h), TElasticForm::Near(30 * v)));
        QCOMPARE(b->geometry().top(), TElasticForm::Near(50 * v));
    }

    void focusStaysWhereItWas() {
        RhythmLikeWindow w;
        w.showAndWait();
        w.window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w.window));
        w.pattern->setFocus();
        QCOMPARE(QApplication::focusWidget(), w.pattern);
        w.setClientSize(900, 700);
        w.setClientSize(700, 500);
        QCOMPARE(QApplication::focusWidget(), w.pattern);
    }

    void designAdaptsToTheScreen() {
        // Designed on a screen half the size of this one: the layout opens at twice its size.
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        RhythmLikeWindow w(true);
        w.scaler->setDesignScreenWidth(screen.width() / 2);
        w.scaler->setDesignScreenHeight(screen.height() / 2);
        w.showAndWait();
        const double rx = double(screen.width()) / (screen.width() / 2);
        const double ry = double(screen.height()) / (screen.height() / 2);
        QCOMPARE(w.scaler->rx(), rx);
        QCOMPARE(w.scaler->ry(), ry);
        const QSize reference(TElasticForm::Near(625 * rx), TElasticForm::Near(428 * ry));
        QCOMPARE(w.scaler->referenceClientSize(), reference);
        QCOMPARE(w.central->size(), reference);
        QCOMPARE(w.start->geometry(),
                 QRect(TElasticForm::Near(184 * rx), TElasticForm::Near(158 * ry),
                       TElasticForm::Near(110 * rx), TElasticForm::Near(30 * ry)));
        QCOMPARE(w.scaler->referenceFontSize(), TElasticForm::R(11 * ry));
        QCOMPARE(w.window.pos(), QPoint(TElasticForm::Near(223 * rx), TElasticForm::Near(96 * ry)));
    }

    void fontsFollowTheSmallerScreenRatio() {
        // A screen twice as tall as the design screen but no wider: the controls grow only in
        // height, so their text must not grow.
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        RhythmLikeWindow w(true);
        w.scaler->setDesignScreenWidth(screen.width());
        w.scaler->setDesignScreenHeight(screen.height() / 2);
        w.showAndWait();
        QVERIFY(w.scaler->ry() > 1.9);
        QCOMPARE(w.scaler->rx(), 1.0);
        QCOMPARE(w.scaler->referenceFontSize(), 11);
        QCOMPARE(w.start->width(), 110);
        QCOMPARE(w.start->font().pixelSize(), 13);
        QCOMPARE(w.pattern->font().pixelSize(), 21);
        QVERIFY(QFontMetrics(w.start->font()).horizontalAdvance(w.start->text()) <
                w.start->width());
    }
};

QTEST_MAIN(TestTElasticForm)
#include "tst_TElasticForm.moc"
