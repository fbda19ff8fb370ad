#include "TElasticForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
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

// A control with a font property of its own besides its font.
class TitledPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QFont TitleFont READ titleFont WRITE setTitleFont)
public:
    using QWidget::QWidget;
    QFont titleFont() const { return titleFont_; }
    void setTitleFont(const QFont& font) { titleFont_ = font; }

private:
    QFont titleFont_;
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

    void designedScreenOpensAtDesignedWindowSize() {
        RhythmLikeWindow w;
        w.showAndWait();
        QVERIFY(w.scaler->isCaptured());
        QCOMPARE(w.scaler->rx(), 1.0);
        QCOMPARE(w.scaler->ry(), 1.0);
        // The designed outer size; the controls follow the client area this frame leaves.
        QCOMPARE(w.window.frameGeometry().size(), QSize(633, 482));
        const double h = w.central->width() / 625.0;
        const double v = w.central->height() / 428.0;
        QCOMPARE(w.start->geometry(),
                 QRect(TElasticForm::Near(184 * h), TElasticForm::Near(158 * v),
                       TElasticForm::Near(110 * h), TElasticForm::Near(30 * v)));
        w.setClientSize(625, 428);
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
        // A plain window without a frame: the client area is the window itself, and it opens
        // at its designed client size.
        QWidget form;
        form.setObjectName(QStringLiteral("Plain"));
        form.setWindowFlag(Qt::FramelessWindowHint);
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
        QCOMPARE(w.window.frameGeometry().size(),
                 QSize(TElasticForm::Near(633 * rx), TElasticForm::Near(482 * ry)));
        w.setClientSize(reference.width(), reference.height());
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
        QCOMPARE(w.start->font().pixelSize(), 13);
        QCOMPARE(w.pattern->font().pixelSize(), 21);
        QVERIFY(QFontMetrics(w.start->font()).horizontalAdvance(w.start->text()) <
                w.start->width());
    }

    void aBorderDragRescalesOnceWhenItEndsKeepingTheProportions() {
        RhythmLikeWindow w;
        w.scaler->setMaintainProportions(true);
        w.showAndWait();
        QSignalSpy rescales(w.scaler, &TElasticForm::afterResize);
        const QRect before = w.start->geometry();

        // The pointer holds the border while the sizes come.
        QTest::mousePress(w.window.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        for (int width : {660, 700, 740})
            w.window.resize(width, 500);
        QVERIFY(w.scaler->isDragging());
        QTest::qWait(300);
        QCOMPARE(rescales.count(), 0);
        QCOMPARE(w.start->geometry(), before);

        // Released: one rescale, after the height is brought to the designed ratio.
        QTest::mouseRelease(w.window.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        QTRY_COMPARE(rescales.count(), 1);
        QVERIFY(!w.scaler->isDragging());
        const QSize outer = w.window.frameGeometry().size();
        QCOMPARE(w.window.width(), 740); // the width dragged to stays
        QCOMPARE(outer.height(), TElasticForm::Near(outer.width() * 482.0 / 633));
        QCOMPARE(w.start->width(), TElasticForm::Near(110 * w.central->width() / 625.0));
        QTest::qWait(300);
        QCOMPARE(rescales.count(), 1);

        // A resize by the program rescales at once.
        w.setClientSize(625, 428);
        QCOMPARE(rescales.count(), 2);
        QCOMPARE(w.start->geometry(), QRect(184, 158, 110, 30));

        // A drag that ends in a maximised window: the maximised size is shown at once.
        QTest::mousePress(w.window.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
        w.window.resize(700, 520);
        QVERIFY(w.scaler->isDragging());
        w.window.showMaximized();
        QTRY_VERIFY(w.window.isMaximized());
        QVERIFY(!w.scaler->isDragging());
        QTRY_COMPARE(w.start->width(), TElasticForm::Near(110 * w.central->width() / 625.0));
        QTest::mouseRelease(w.window.windowHandle(), Qt::LeftButton, {}, QPoint(2, 2));
    }

    void maintainedProportionsLimitTheWindowToTheScreen() {
        RhythmLikeWindow w;
        w.scaler->setMaintainProportions(true);
        // On a 4:3 screen this design is the taller: the height is the limit.
        QCOMPARE(w.scaler->proportionalMaximum(QSize(800, 600)),
                 QSize(TElasticForm::Near(633.0 / 482 * 595), 595));
        // A wide design: the width is.
        w.scaler->setDesignFormWidth(400);
        w.scaler->setDesignFormHeight(100);
        QCOMPARE(w.scaler->proportionalMaximum(QSize(800, 600)), QSize(794, 198)); // 198.5
        w.showAndWait();
        QCOMPARE(w.window.maximumSize(),
                 w.scaler->proportionalMaximum(
                     QGuiApplication::primaryScreen()->availableGeometry().size()));
        w.scaler->setMaintainProportions(false);
        QVERIFY(w.scaler->proportionalMaximum(QSize(800, 600)).isEmpty());
    }

    void opensCentredOnTheScreenTheDesktopOrTheMainForm() {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            RhythmLikeWindow w;
            w.scaler->setDesignFormWidth(400);
            w.scaler->setDesignFormHeight(300);
            w.scaler->setFormPosition(TElasticForm::poScreenCenter);
            w.showAndWait();
            QCOMPARE(w.window.frameGeometry().topLeft(),
                     screen.topLeft() +
                         QPoint((screen.width() - 400) / 2, (screen.height() - 300) / 2));
        }
        QMainWindow main;
        main.setGeometry(100, 80, 500, 400);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QWidget dialog(&main, Qt::Dialog);
        TElasticForm scaler(&dialog);
        scaler.setResolutionIndependence(false);
        scaler.setDesignFormWidth(200);
        scaler.setDesignFormHeight(100);
        scaler.setFormPosition(TElasticForm::poMainFormCenter);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const QRect outer = main.frameGeometry();
        QCOMPARE(dialog.frameGeometry().topLeft(),
                 outer.topLeft() + QPoint((outer.width() - 200) / 2, (outer.height() - 100) / 2));
    }

    void aMaximisedWindowGoesWhereItIsTold() {
        RhythmLikeWindow w;
        w.scaler->setMaintainProportions(true);
        w.scaler->setMaximizedPosX(-10); // 10 % of the screen
        w.scaler->setMaximizedPosY(12);
        w.window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&w.window));
        const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
        QTRY_COMPARE(w.window.pos(), QPoint(TElasticForm::Near(screen.width() * 0.1), 12));
    }

    void aBackgroundPictureIsTiledOrStretched() {
        RhythmLikeWindow w;
        QPixmap tile(8, 8);
        tile.fill(Qt::white);
        {
            QPainter painter(&tile);
            painter.fillRect(0, 0, 4, 4, Qt::red);
        }
        auto* image = new QLabel(w.central);
        image->setPixmap(tile);
        image->setGeometry(0, 0, 8, 8);
        w.showAndWait();
        const QColor plain = w.central->palette().color(QPalette::Window);
        w.scaler->setBkGrndImage(image);
        QVERIFY(image->isHidden());
        // Tiled from the top left: the red quarter comes back every 8 pixels.
        QImage shown = w.central->grab().toImage();
        QCOMPARE(shown.pixelColor(601, 401), QColor(Qt::red));
        QCOMPARE(shown.pixelColor(605, 405), QColor(Qt::white));

        // An image control over the whole client area: the picture is stretched over it.
        image->setGeometry(w.central->rect());
        w.scaler->setBkGrndImage(image);
        shown = w.central->grab().toImage();
        QCOMPARE(shown.pixelColor(w.central->width() / 4, w.central->height() / 4),
                 QColor(Qt::red));
        QCOMPARE(shown.pixelColor(w.central->width() * 3 / 4, w.central->height() / 4),
                 QColor(Qt::white));

        w.scaler->setBkGrndImage(nullptr);
        QCOMPARE(w.central->palette().color(QPalette::Window), plain);
    }

    void extraFontsVersionAndFontWarning() {
        RhythmLikeWindow w;
        auto* titled = new TitledPanel(w.central);
        titled->setGeometry(10, 300, 100, 50);
        titled->setTitleFont(pixelFont("Arial", 20));
        QCOMPARE(w.scaler->version(), 601.0);
        QVERIFY(w.scaler->lookForExtraFonts());
        QVERIFY(w.scaler->fontWarning());
        QSignalSpy warnings(w.scaler, &TElasticForm::fontWarningRaised);
        w.showAndWait();
        QCOMPARE(warnings.count(), 0); // an outline font
        QVERIFY(TElasticForm::isScalable(pixelFont("Arial", 11)));
        QVERIFY(TElasticForm::fontWarningText().startsWith(
            QStringLiteral("Form's Font is not True Type.  Only True Type")));

        w.setClientSize(1250, 856);
        QCOMPARE(titled->titleFont().pixelSize(), TElasticForm::R(w.scaler->fontRatio() * 20));
        QVERIFY(titled->titleFont().pixelSize() >= 38);
        w.setClientSize(625, 428);
        QCOMPARE(titled->titleFont().pixelSize(), 20);
    }
};

QTEST_MAIN(TestTElasticForm)
#include "tst_TElasticForm.moc"
