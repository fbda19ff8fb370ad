#include "TLumeButton1.h"

#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

namespace {

const QColor Grey(189, 189, 189);

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

bool hasColor(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

bool sameColumn(const QImage& a, int ax, const QImage& b, int bx) {
    for (int y = 0; y < a.height(); ++y)
        if (a.pixel(ax, y) != b.pixel(bx, y))
            return false;
    return true;
}

struct Form {
    QWidget window;
    TLumeButton1* button = new TLumeButton1(&window);
    QLineEdit* edit = new QLineEdit(&window);
    Form() {
        window.resize(300, 200);
        button->setGeometry(10, 10, 110, 41);
        button->setCaption(QStringLiteral("Check Answer"));
        edit->setGeometry(10, 80, 120, 24);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

} // namespace

class TestTLumeButton1 : public QObject {
    Q_OBJECT

private slots:
    void imagesAreCapsulesOnTheirGround() {
        using B = TLumeButton1;
        for (auto style : {B::bsOnGray, B::bsOnWhite}) {
            const QColor ground = style == B::bsOnGray ? Grey : QColor(Qt::white);
            const QImage up = B::image(B::bsOff, style);
            const QImage down = B::image(B::bsOn, style);
            QCOMPARE(up.size(), QSize(37, 41));
            QCOMPARE(down.size(), QSize(37, 41));
            for (const QImage* image : {&up, &down}) {
                QCOMPARE(image->pixelColor(0, 40), ground);
                QCOMPARE(image->pixelColor(36, 40), ground);
                // The last column is plain ground: it also stands for the button's last one.
                for (int y = 0; y < 41; ++y)
                    QCOMPARE(image->pixelColor(36, y), ground);
                // The middle columns are the same straight slice of the capsule.
                QVERIFY(sameColumn(*image, 16, *image, 17));
            }
            // Raised: the capsule sits up and left with a shadow below it.
            QVERIFY(up.pixelColor(16, 15).lightness() < 40);
            QVERIFY(up.pixelColor(16, 28).lightness() < ground.lightness() - 10);
            QCOMPARE(up.pixelColor(16, 33), ground);
            // Pressed: moved down and right, no shadow under it.
            QVERIFY(down.pixelColor(16, 20).lightness() < 40);
            QCOMPARE(down.pixelColor(16, 2), ground);
            QCOMPARE(down.pixelColor(16, 32), ground);
            QVERIFY(down.pixelColor(2, 15) == ground);
        }
    }

    void stretchedFromTheImageColumns() {
        TLumeButton1 button;
        button.resize(110, 60);
        QCOMPARE(button.height(), 41); // always 41 high
        const QImage face = button.grab().toImage();
        const QImage image = TLumeButton1::image(TLumeButton1::bsOff, TLumeButton1::bsOnGray);
        for (int x = 0; x < 16; ++x)
            QVERIFY(sameColumn(face, x, image, x));
        for (int x = 16; x < 110 - 20; ++x)
            QVERIFY(sameColumn(face, x, image, 16));
        for (int x = 110 - 20; x < 110 - 1; ++x)
            QVERIFY(sameColumn(face, x, image, x - (110 - 20) + 18));
        QVERIFY(sameColumn(face, 109, image, 36));

        // Allowed to grow, the whole face scales with the height: twice as high, twice as big.
        button.setScaleToHeight(true);
        button.resize(220, 82);
        QCOMPARE(button.height(), 82);
        const QImage grown = button.grab().toImage();
        QVERIFY(grown.pixelColor(32, 30).lightness() < 40);
        QVERIFY(grown.pixelColor(120, 30).lightness() < 40);
        QCOMPARE(grown.pixelColor(10, 80), Grey);
        QCOMPARE(grown.pixelColor(219, 30), Grey);
        button.setScaleToHeight(false);
        QCOMPARE(button.height(), 41);
    }

    void narrowButtonUsesOnlyTheEnds() {
        TLumeButton1 button;
        button.resize(30, 41);
        button.setStyle(TLumeButton1::bsOnWhite);
        const QImage face = button.grab().toImage();
        const QImage image = TLumeButton1::image(TLumeButton1::bsOff, TLumeButton1::bsOnWhite);
        for (int x = 0; x < 16; ++x)
            QVERIFY(sameColumn(face, x, image, x));
        for (int x = 16; x < 30; ++x)
            QVERIFY(sameColumn(face, x, image, x - 16 + 18));
    }

    void disabledCaptionIsYellow() {
        TLumeButton1 button;
        button.resize(110, 41);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(13);
        font.setBold(true);
        font.setStyleStrategy(QFont::NoAntialias);
        button.setFont(font);
        button.setFontColor(Qt::white);
        button.setCaption(QStringLiteral("Check Answer"));
        QImage face = button.grab().toImage();
        QVERIFY(hasColor(face, Qt::white));
        QVERIFY(!hasColor(face, Qt::yellow));
        button.setEnabled(false);
        face = button.grab().toImage();
        QVERIFY(hasColor(face, Qt::yellow));
        QVERIFY(!hasColor(face, Qt::white));
    }

    void releaseOnTheEdgesStillClicks() {
        TLumeButton1 button;
        button.resize(110, 41);
        QSignalSpy clicks(&button, &TLumeButton1::clicked);
        const int w = button.width();
        const int h = button.height();

        sendMouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(button.status(), TLumeButton1::bsOn);
        sendMouse(&button, QEvent::MouseButtonRelease, {w, h}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(button.status(), TLumeButton1::bsOff);

        sendMouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, {5, h}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 2);

        // Dragged out it shows raised, back in pressed; released outside, no click.
        sendMouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseMove, {w + 1, 10}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(button.status(), TLumeButton1::bsOff);
        sendMouse(&button, QEvent::MouseMove, {w, h}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(button.status(), TLumeButton1::bsOn);
        sendMouse(&button, QEvent::MouseMove, {-1, 10}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(button.status(), TLumeButton1::bsOff);
        sendMouse(&button, QEvent::MouseButtonRelease, {-1, 10}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!button.isTracking());

        // Setting the status from code ends the press being followed.
        sendMouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button.isTracking());
        button.setStatus(TLumeButton1::bsOff);
        QVERIFY(!button.isTracking());
        sendMouse(&button, QEvent::MouseButtonRelease, {10, 10}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 2);
    }

    void pressedFaceUsesTheBImage() {
        TLumeButton1 button;
        button.resize(37, 41);
        sendMouse(&button, QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
        const QImage face = button.grab().toImage();
        const QImage image = TLumeButton1::image(TLumeButton1::bsOn, TLumeButton1::bsOnGray);
        QVERIFY(sameColumn(face, 5, image, 5));
        QVERIFY(sameColumn(face, 16, image, 16));
        QVERIFY(sameColumn(face, 20, image, 20));
    }

    void rightButtonOnlyFocuses() {
        Form form;
        QVERIFY(form.ready());
        form.edit->setFocus();
        QSignalSpy clicks(form.button, &TLumeButton1::clicked);
        sendMouse(form.button, QEvent::MouseButtonPress, {20, 20}, Qt::RightButton,
                  Qt::RightButton);
        QVERIFY(form.button->hasFocus());
        QCOMPARE(form.button->status(), TLumeButton1::bsOff);
        sendMouse(form.button, QEvent::MouseButtonRelease, {20, 20}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 0);
    }

    void focusLineFollowsTheFocus() {
        Form form;
        QVERIFY(form.ready());
        form.button->setCaption(QString());
        form.edit->setFocus();
        const QImage plain = form.button->grab().toImage();
        form.button->setFocus();
        const QImage focused = form.button->grab().toImage();
        const QColor pen(128, 128, 128);
        QCOMPARE(focused.pixelColor(50, 4), pen); // from (w - 16, 4) to (7, 4)
        QCOMPARE(focused.pixelColor(7, 20), pen); // to (7, h - 16)
        QVERIFY(plain.pixelColor(50, 4) != pen);
        QCOMPARE(focused.pixelColor(7, 26), plain.pixelColor(7, 26)); // ends above h - 16
    }

    void enterAndEscapeFromTheKeyboard() {
        Form form;
        QVERIFY(form.ready());
        QSignalSpy clicks(form.button, &TLumeButton1::clicked);

        // Not default: Enter only works on the focused button.
        form.edit->setFocus();
        QTest::keyClick(form.edit, Qt::Key_Return);
        QCOMPARE(clicks.count(), 0);
        form.button->setFocus();
        QTest::keyClick(form.button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
        QTest::keyClick(form.button, Qt::Key_Return, Qt::ShiftModifier);
        QCOMPARE(clicks.count(), 1);

        // Default: Enter anywhere in the window clicks it, once.
        form.button->setDefault(true);
        form.edit->setFocus();
        QTest::keyClick(form.edit, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);
        form.button->setFocus();
        QTest::keyClick(form.button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 3);
        form.edit->setFocus();
        QTest::keyClick(form.edit, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(clicks.count(), 3);

        // Escape only with Cancel.
        QTest::keyClick(form.edit, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 3);
        form.button->setCancel(true);
        QTest::keyClick(form.edit, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 4);

        // A button that cannot take the focus does not answer.
        form.button->setEnabled(false);
        QTest::keyClick(form.edit, Qt::Key_Return);
        QTest::keyClick(form.edit, Qt::Key_Escape);
        QCOMPARE(clicks.count(), 4);
    }

    void modalResultEndsItsDialog() {
        QDialog dialog;
        auto* ok = new TLumeButton1(&dialog);
        ok->setModalResult(1);
        QSignalSpy clicks(ok, &TLumeButton1::clicked);
        QTimer::singleShot(0, ok, [ok] { ok->Click(); });
        QCOMPARE(dialog.exec(), 1);
        QCOMPARE(clicks.count(), 1);

        // A handler that takes the result back keeps the dialog open.
        auto* keep = new TLumeButton1(&dialog);
        keep->setModalResult(2);
        connect(keep, &TLumeButton1::clicked, &dialog, [&dialog] { dialog.setResult(0); });
        bool stillOpen = false;
        QTimer::singleShot(0, keep, [&] {
            keep->Click();
            stillOpen = dialog.isVisible();
            dialog.done(7);
        });
        QCOMPARE(dialog.exec(), 7);
        QVERIFY(stillOpen);

        // Outside a dialog the result goes nowhere.
        QWidget plain;
        TLumeButton1 loose(&plain);
        loose.setModalResult(1);
        loose.Click();
    }
};

QTEST_MAIN(TestTLumeButton1)
#include "tst_TLumeButton1.moc"
