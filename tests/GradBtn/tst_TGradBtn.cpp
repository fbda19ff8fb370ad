#include "TGradBtn.h"
#include "TLumeButton1.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Navy(0, 0, 128);
const QColor Aqua(0, 255, 255);

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

// Sharp glyph edges, so that every caption pixel has exactly one of the copies' colours.
QFont crispFont(int pixels) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

bool hasColor(const QImage& image, const QColor& color) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

QRect boundsOf(const QImage& image, const QColor& color) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

bool isDark(QRgb p) {
    return qRed(p) < 60 && qGreen(p) < 60 && qBlue(p) < 60;
}
bool isRed(QRgb p) {
    return qRed(p) > 200 && qGreen(p) < 90 && qBlue(p) < 90;
}
bool isGreen(QRgb p) {
    return qGreen(p) > 120 && qGreen(p) < 200 && qRed(p) < 60 && qBlue(p) < 60;
}

bool hasInk(const QImage& image, bool (*ink)(QRgb)) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixel(x, y)))
                return true;
    return false;
}

QRect inkBounds(const QImage& image, bool (*ink)(QRgb)) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (ink(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// A button whose face is plain white, so that only the caption and the bevel show.
void plainFace(TGradBtn& button) {
    button.setBeginColor(Qt::white);
    button.setEndColor(Qt::white);
    button.setBtnFrameSize(0);
}

// A shown, active window holding a button and a second control.
struct Form {
    QWidget window;
    TGradBtn* button = new TGradBtn(&window);
    QLineEdit* edit = new QLineEdit(&window);
    Form() {
        window.resize(300, 200);
        button->setGeometry(10, 10, 75, 25);
        edit->setGeometry(10, 60, 120, 24);
        window.show();
        window.activateWindow();
    }
    bool ready() { return QTest::qWaitForWindowActive(&window); }
};

} // namespace

class TestTGradBtn : public QObject {
    Q_OBJECT

private slots:
    void frameSizeLimitedByBothSides() {
        TGradBtn button; // 75 x 25: at most 25 / 2 - 5 = 7
        button.setBtnFrameSize(8);
        QCOMPARE(button.btnFrameSize(), 1);
        button.setBtnFrameSize(7);
        QCOMPARE(button.btnFrameSize(), 7);
        button.resize(20, 100); // at most 20 / 2 - 5 = 5
        button.setBtnFrameSize(6);
        QCOMPARE(button.btnFrameSize(), 7);
        button.setBtnFrameSize(5);
        QCOMPARE(button.btnFrameSize(), 5);
    }

    void gradientArithmetic() {
        TGradBtn button;
        button.resize(40, 256);
        button.setCaption(QString());
        button.setBtnFrameSize(0);
        // Channels step by begin + i * difference / 255, truncated toward zero.
        button.setBeginColor(QColor(255, 255, 255));
        button.setEndColor(QColor(128, 0, 128));
        button.setGradientStyle(TGradBtn::gsVertical);
        QImage face = button.grab().toImage();
        QCOMPARE(face.pixelColor(20, 0), QColor(255, 255, 255));
        QCOMPARE(face.pixelColor(20, 100), QColor(206, 155, 206)); // -49.8 -> -49
        QCOMPARE(face.pixelColor(20, 255), QColor(128, 0, 128));

        button.resize(256, 40);
        button.setGradientStyle(TGradBtn::gsHorizontal);
        face = button.grab().toImage();
        QCOMPARE(face.pixelColor(0, 20), QColor(255, 255, 255));
        QCOMPARE(face.pixelColor(100, 20), QColor(206, 155, 206));
        QCOMPARE(face.pixelColor(255, 20), QColor(128, 0, 128));

        // Centre styles: begin at the edges, end along the middle.
        button.resize(75, 25);
        button.setBeginColor(Navy);
        button.setEndColor(Aqua);
        button.setGradientStyle(TGradBtn::gsVertCenter);
        face = button.grab().toImage();
        QCOMPARE(face.pixelColor(30, 0), Navy);
        QCOMPARE(face.pixelColor(30, 24), Navy);
        QCOMPARE(face.pixelColor(30, 12), Aqua);
        QCOMPARE(face.pixelColor(30, 6), QColor(0, 127, 191));  // C(6, 12)
        QCOMPARE(face.pixelColor(30, 18), QColor(0, 127, 191)); // mirrored

        button.setGradientStyle(TGradBtn::gsHorizCenter);
        face = button.grab().toImage();
        QCOMPARE(face.pixelColor(0, 12), Navy);
        QCOMPARE(face.pixelColor(74, 12), Navy);
        QCOMPARE(face.pixelColor(37, 12), Aqua);

        // Concentric shapes: begin at the border, end at the centre.
        button.setGradientStyle(TGradBtn::gsRectangle);
        face = button.grab().toImage();
        // The outermost column is last covered by rectangle 5 (the steps are 75 / 2 / 255 wide).
        QCOMPARE(face.pixelColor(0, 12), QColor(0, 5, 130));
        QVERIFY(face.pixelColor(37, 12).green() > 240);
        button.setGradientStyle(TGradBtn::gsElliptic);
        face = button.grab().toImage();
        QVERIFY(face.pixelColor(37, 12).green() > 240);
        QVERIFY(face.pixelColor(0, 0).green() < face.pixelColor(20, 6).green());
        QVERIFY(face.pixelColor(20, 6).green() < face.pixelColor(37, 12).green());
    }

    void bevelAndFocusRectangle() {
        Form form;
        QVERIFY(form.ready());
        TGradBtn& button = *form.button;
        plainFace(button);
        button.setBtnFrameSize(2);
        button.setBtnHiliteClr(Qt::yellow);
        button.setBtnShadowClr(Qt::blue);
        button.setCaption(QString());
        form.edit->setFocus();
        QImage face = button.grab().toImage();
        QCOMPARE(face.pixelColor(0, 10), QColor(Qt::yellow));
        QCOMPARE(face.pixelColor(1, 10), QColor(Qt::yellow));
        QCOMPARE(face.pixelColor(74, 10), QColor(Qt::blue));
        QCOMPARE(face.pixelColor(30, 23), QColor(Qt::blue));
        QCOMPARE(face.pixelColor(2, 2), QColor(Qt::white));

        // Focused: a dotted rectangle two pixels inside the border.
        button.setFocus();
        QVERIFY(button.hasFocus());
        face = button.grab().toImage();
        QCOMPARE(face.pixelColor(2, 2), QColor(Qt::black));
        QCOMPARE(face.pixelColor(3, 2), QColor(Qt::white));
        QCOMPARE(face.pixelColor(72, 22), QColor(Qt::black));
        QCOMPARE(face.pixelColor(30, 12), QColor(Qt::white));
        button.setShowFocus(false);
        QCOMPARE(button.grab().toImage().pixelColor(2, 2), QColor(Qt::white));
    }

    void accelerators() {
        QCOMPARE(TGradBtn::stripAccelerators(QStringLiteral("Save && Exit")),
                 QStringLiteral("Save & Exit"));
        QCOMPARE(TGradBtn::stripAccelerators(QStringLiteral("E&xit")), QStringLiteral("Exit"));
        QCOMPARE(TGradBtn::acceleratorOf(QStringLiteral("E&xit")), QChar('x'));
        QVERIFY(TGradBtn::acceleratorOf(QStringLiteral("Save && Exit")).isNull());
        QCOMPARE(TGradBtn::acceleratorOf(QStringLiteral("A && B &Go")), QChar('G'));

        // 'Save && Exit' is measured and centred as 'Save & Exit'.
        TGradBtn button;
        button.resize(150, 25);
        plainFace(button);
        button.setTextStyle(TGradBtn::tsNormal);
        const QFont font = crispFont(13);
        button.setFont(font);
        button.setCaption(QStringLiteral("Save && Exit"));
        const QRect ink = boundsOf(button.grab().toImage(), Qt::black);
        const int width = QFontMetrics(font).horizontalAdvance(QStringLiteral("Save & Exit"));
        const int left = (150 - width) / 2;
        QVERIFY2(qAbs(ink.left() - left) <= 2, qPrintable(QString::number(ink.left())));
        QVERIFY(qAbs(ink.right() - (left + width)) <= 3);
    }

    void acceleratorKeyClicks() {
        Form form;
        QVERIFY(form.ready());
        form.button->setCaption(QStringLiteral("E&xit"));
        QSignalSpy clicks(form.button, &TGradBtn::clicked);
        // Typing into a line edit is typing, not a click.
        form.edit->setFocus();
        QTest::keyClick(form.edit, Qt::Key_X);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(form.edit->text(), QStringLiteral("x"));
        // With Alt, or with the focus on a button, the letter clicks.
        QTest::keyClick(form.edit, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        form.button->setFocus();
        QTest::keyClick(form.button, Qt::Key_X);
        QCOMPARE(clicks.count(), 2);
        form.button->setEnabled(false);
        QTest::keyClick(&form.window, Qt::Key_X, Qt::AltModifier);
        QCOMPARE(clicks.count(), 2);
    }

    void captionCopiesByStyle_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("shade");
        QTest::addColumn<bool>("hilite");
        QTest::addColumn<bool>("shadow");
        QTest::addColumn<QString>("face");
        QTest::addColumn<QPoint>("hiliteShift"); // of the light copy against the face copy

        QTest::newRow("normal") << true << int(TGradBtn::tsNormal) << int(TGradBtn::stHeavy)
                                << false << false << "#000000" << QPoint();
        QTest::newRow("raised light") << true << int(TGradBtn::tsRaised) << int(TGradBtn::stLight)
                                      << true << false << "#000000" << QPoint(-1, -1);
        QTest::newRow("raised heavy") << true << int(TGradBtn::tsRaised) << int(TGradBtn::stHeavy)
                                      << true << true << "#000000" << QPoint(-1, -1);
        QTest::newRow("inset light") << true << int(TGradBtn::tsInset) << int(TGradBtn::stLight)
                                     << true << false << "#000000" << QPoint(1, 1);
        QTest::newRow("inset heavy") << true << int(TGradBtn::tsInset) << int(TGradBtn::stHeavy)
                                     << true << true << "#000000" << QPoint(1, 1);
        // Disabled: always inset, the face in the disabled colour.
        QTest::newRow("disabled normal")
            << false << int(TGradBtn::tsNormal) << int(TGradBtn::stLight) << true << false
            << "#00ff00" << QPoint(1, 1);
        QTest::newRow("disabled raised heavy")
            << false << int(TGradBtn::tsRaised) << int(TGradBtn::stHeavy) << true << true
            << "#00ff00" << QPoint(1, 1);
    }
    void captionCopiesByStyle() {
        QFETCH(bool, enabled);
        QFETCH(int, style);
        QFETCH(int, shade);
        QFETCH(bool, hilite);
        QFETCH(bool, shadow);
        QFETCH(QString, face);
        QFETCH(QPoint, hiliteShift);

        TGradBtn button;
        button.resize(60, 30);
        plainFace(button);
        button.setFont(crispFont(20));
        button.setCaption(QStringLiteral("I"));
        button.setTxtHiliteClr(Qt::red);
        button.setTxtShadowClr(Qt::blue);
        button.setDisabledColor(Qt::green);
        button.setTextStyle(TGradBtn::TTextStyle(style));
        button.setTextShadeType(TGradBtn::TShadeType(shade));
        button.setEnabled(enabled);
        const QImage image = button.grab().toImage();
        const QColor faceColor(face);
        QVERIFY(hasColor(image, faceColor));
        QCOMPARE(hasColor(image, Qt::red), hilite);
        QCOMPARE(hasColor(image, Qt::blue), shadow);
        QCOMPARE(hasColor(image, enabled ? Qt::green : Qt::black), false);
        if (hilite) {
            // The light copy shows on the side it is offset to.
            const QRect faceInk = boundsOf(image, faceColor);
            const QRect hiliteInk = boundsOf(image, Qt::red);
            if (hiliteShift.x() < 0)
                QVERIFY(hiliteInk.left() == faceInk.left() - 1);
            else
                QVERIFY(hiliteInk.right() == faceInk.right() + 1);
        }
    }

    void pressSwapsColorsAndDragOutGivesNoClick() {
        Form form;
        QVERIFY(form.ready());
        TGradBtn& button = *form.button;
        QSignalSpy clicks(&button, &TGradBtn::clicked);
        QSignalSpy left(&button, &TGradBtn::mouseLeft);
        QSignalSpy entered(&button, &TGradBtn::mouseEntered);

        sendMouse(&button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button.isDown());
        QVERIFY(button.hasFocus());
        QCOMPARE(button.beginColor(), Aqua);
        QCOMPARE(button.endColor(), Navy);
        // The pressed face shows the exchanged gradient: navy along the middle.
        QCOMPARE(button.grab().toImage().pixelColor(30, 12), Navy);

        sendMouse(&button, QEvent::MouseMove, {-5, 12}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(!button.isDown());
        QCOMPARE(button.beginColor(), Navy);
        QCOMPARE(left.count(), 1);
        sendMouse(&button, QEvent::MouseMove, {20, 12}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(button.isDown());
        QCOMPARE(button.beginColor(), Aqua);
        QCOMPARE(entered.count(), 1);
        sendMouse(&button, QEvent::MouseMove, {90, 40}, Qt::NoButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, {90, 40}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!button.isDown());
        QCOMPARE(button.beginColor(), Navy);
        QCOMPARE(button.endColor(), Aqua);

        // Pressed and released inside: one click, the face up again before the handler runs.
        bool upInHandler = false;
        connect(&button, &TGradBtn::clicked, this,
                [&] { upInHandler = !button.isDown() && button.beginColor() == Navy; });
        sendMouse(&button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&button, QEvent::MouseButtonRelease, {30, 12}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(upInHandler);
        QCOMPARE(button.beginColor(), Navy);

        // Without SwapColors the colours stay put while pressed.
        button.setSwapColors(false);
        sendMouse(&button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(button.isDown());
        QCOMPARE(button.beginColor(), Navy);
        sendMouse(&button, QEvent::MouseButtonRelease, {30, 12}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 2);
    }

    void rightButtonOnlyFocuses() {
        Form form;
        QVERIFY(form.ready());
        form.edit->setFocus();
        QSignalSpy clicks(form.button, &TGradBtn::clicked);
        sendMouse(form.button, QEvent::MouseButtonPress, {30, 12}, Qt::RightButton,
                  Qt::RightButton);
        QVERIFY(form.button->hasFocus());
        QVERIFY(!form.button->isDown());
        QCOMPARE(form.button->beginColor(), Navy);
        sendMouse(form.button, QEvent::MouseButtonRelease, {30, 12}, Qt::RightButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 0);
    }

    void enterClicksOnceAndSpaceDoesNot() {
        Form form;
        QVERIFY(form.ready());
        // A default answer button elsewhere on the form does not take Enter from a focused
        // gradient button.
        auto* answer = new TLumeButton1(&form.window);
        answer->setGeometry(150, 10, 110, 41);
        answer->setDefault(true);
        answer->show();
        QSignalSpy answers(answer, &TLumeButton1::clicked);
        QSignalSpy clicks(form.button, &TGradBtn::clicked);
        form.button->setFocus();
        QTest::keyClick(form.button, Qt::Key_Return);
        QCOMPARE(clicks.count(), 1);
        QCOMPARE(answers.count(), 0);
        QVERIFY(!form.button->isDown());
        QCOMPARE(form.button->beginColor(), Navy);
        QCOMPARE(form.button->endColor(), Aqua);
        QTest::keyClick(form.button, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(clicks.count(), 2);
        QTest::keyClick(form.button, Qt::Key_Space);
        QCOMPARE(clicks.count(), 2);

        // A press after a keyboard click still pops up when dragged out.
        sendMouse(form.button, QEvent::MouseButtonPress, {30, 12}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(form.button, QEvent::MouseMove, {-5, 12}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(!form.button->isDown());
        QCOMPARE(form.button->beginColor(), Navy);
        sendMouse(form.button, QEvent::MouseButtonRelease, {-5, 12}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 2);
    }

    void pressedCaptionMovesByOnePixel() {
        TGradBtn button;
        button.resize(60, 30);
        plainFace(button);
        button.setSwapColors(false);
        button.setTextStyle(TGradBtn::tsNormal);
        button.setFont(crispFont(16));
        button.setCaption(QStringLiteral("Go"));
        const QRect up = boundsOf(button.grab().toImage(), Qt::black);
        sendMouse(&button, QEvent::MouseButtonPress, {30, 15}, Qt::LeftButton, Qt::LeftButton);
        const QRect down = boundsOf(button.grab().toImage(), Qt::black);
        QCOMPARE(down, up.translated(1, 1));
    }

    void justification() {
        TGradBtn button;
        button.resize(120, 30);
        plainFace(button);
        button.setTextStyle(TGradBtn::tsNormal);
        button.setFont(crispFont(14));
        button.setCaption(QStringLiteral("Go"));
        const int width = QFontMetrics(button.font()).horizontalAdvance(QStringLiteral("Go"));
        button.setJustification(TGradBtn::jLeft);
        QVERIFY(qAbs(boundsOf(button.grab().toImage(), Qt::black).left() - 2) <= 2);
        button.setJustification(TGradBtn::jRight);
        QVERIFY(qAbs(boundsOf(button.grab().toImage(), Qt::black).right() - (120 - 2)) <= 3);
        button.setJustification(TGradBtn::jCenter);
        QVERIFY(qAbs(boundsOf(button.grab().toImage(), Qt::black).left() - (120 - width) / 2) <= 2);
    }

    void partitaCaptionsAreEngravedInEveryCopy() {
        // A pattern button: 54 x 54, grey, the Partita font at 21 pixels.
        TGradBtn button;
        button.resize(54, 54);
        plainFace(button);
        QFont partita(QStringLiteral("Partita"));
        partita.setPixelSize(21);
        button.setFont(partita);
        button.setTextStyle(TGradBtn::tsNormal);
        button.setCaption(QStringLiteral("   "));
        QVERIFY(!hasInk(button.grab().toImage(), isDark)); // not a rhythm: nothing drawn
        button.setCaption(QStringLiteral("ee "));
        const QImage normal = button.grab().toImage();
        QVERIFY(hasInk(normal, isDark));
        QVERIFY(!hasInk(normal, isRed));

        // Raised: a light copy one pixel up and left, drawn in its own colour.
        button.setTxtHiliteClr(Qt::red);
        button.setTextStyle(TGradBtn::tsRaised);
        const QImage raised = button.grab().toImage();
        QVERIFY(hasInk(raised, isDark));
        QVERIFY(hasInk(raised, isRed));
        QCOMPARE(inkBounds(raised, isRed).topLeft(),
                 inkBounds(normal, isDark).topLeft() - QPoint(1, 1));

        // Disabled: inset, the face in the disabled colour.
        button.setDisabledColor(QColor(0, 160, 0));
        button.setEnabled(false);
        const QImage disabled = button.grab().toImage();
        QVERIFY(!hasInk(disabled, isDark));
        QVERIFY(hasInk(disabled, isGreen));
        QVERIFY(hasInk(disabled, isRed));
        button.setEnabled(true);

        // Pressed: the engraving moves with the face.
        button.setTextStyle(TGradBtn::tsNormal);
        button.setSwapColors(false);
        sendMouse(&button, QEvent::MouseButtonPress, {27, 27}, Qt::LeftButton, Qt::LeftButton);
        QCOMPARE(inkBounds(button.grab().toImage(), isDark),
                 inkBounds(normal, isDark).translated(1, 1));
    }

    void presetsOnlyInTheDesigner() {
        TGradBtn button;
        const QFont font = button.font();
        button.setPresets(TGradBtn::GoldCoast);
        QCOMPARE(button.presets(), TGradBtn::GoldCoast);
        QCOMPARE(button.beginColor(), Navy);
        QCOMPARE(button.gradientStyle(), TGradBtn::gsVertCenter);
        QCOMPARE(button.font(), font);

        button.setDesigning(true);
        button.setPresets(TGradBtn::BrassedOff);
        QCOMPARE(button.beginColor(), QColor(255, 255, 206));
        QCOMPARE(button.gradientStyle(), TGradBtn::gsElliptic);
        QCOMPARE(button.textStyle(), TGradBtn::tsNormal);
        QVERIFY(!button.swapColors());
        QCOMPARE(button.font().family(), QStringLiteral("Verdana"));
        QCOMPARE(button.fontColor(), QColor(128, 0, 0));

        // Schemes without a SwapColors value keep it; "None" restores the default.
        button.setPresets(TGradBtn::Aluminum);
        QVERIFY(!button.swapColors());
        QCOMPARE(button.btnHiliteClr(), QColor(Qt::white));
        QCOMPARE(button.txtHiliteClr(),
                 QApplication::palette().color(QPalette::Active, QPalette::Light));
        button.setPresets(TGradBtn::None);
        QVERIFY(button.swapColors());
        QCOMPARE(button.beginColor(), Navy);
        QCOMPARE(button.font().pointSize(), 8);
    }
};

QTEST_MAIN(TestTGradBtn)
#include "tst_TGradBtn.moc"
