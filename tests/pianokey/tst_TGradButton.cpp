#include "TGradButton.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

const QColor Silver(192, 192, 192);

// A white key of the keyboard as the pitch trainer builds it.
void makeWhiteKey(TGradButton& key) {
    key.resize(26, 143);
    key.setGradColor(Qt::white);
    key.setFaceColor(Silver);
    key.setCaption(QStringLiteral(" "));
    key.setFontColor(Qt::black);
    key.setMargin(0);
}

void sendMouse(QWidget* w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons held) {
    QMouseEvent event(type, QPointF(pos), QPointF(w->mapToGlobal(pos)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// The rows of the interior (inside border and bevel) holding pixels of the given colour.
QList<int> rowsWith(const QImage& image, const QColor& color, int inset) {
    QList<int> rows;
    for (int y = inset; y < image.height() - inset; ++y)
        for (int x = inset; x < image.width() - inset; ++x)
            if (image.pixelColor(x, y) == color) {
                rows << y;
                break;
            }
    return rows;
}

} // namespace

class TestTGradButton : public QObject {
    Q_OBJECT

private slots:
    void mulDivRoundsHalvesAwayFromZero() {
        QCOMPARE(TGradButton::MulDiv(1, 1, 2), 1);
        QCOMPARE(TGradButton::MulDiv(3, 1, 2), 2);
        QCOMPARE(TGradButton::MulDiv(-1, 1, 2), -1);
        QCOMPARE(TGradButton::MulDiv(5, -1, 2), -3);
        QCOMPARE(TGradButton::MulDiv(128, 141, 256), 71);  // 70.5
        QCOMPARE(TGradButton::MulDiv(128, -63, 255), -32); // -31.62
        QCOMPARE(TGradButton::MulDiv(1, 1, 3), 0);
        QCOMPARE(TGradButton::MulDiv(7, 9, 0), -1);
        QCOMPARE(TGradButton::MulDiv(1 << 30, 8, 2), -1); // does not fit
    }

    void whiteKeyGradientRowsAndFrame() {
        TGradButton key;
        makeWhiteKey(key);
        const QImage face = key.grab().toImage();
        QCOMPARE(key.gradient().size(), QSize(24, 141));

        // White at the top, silver at the bottom, 256 bands placed with MulDiv.
        const QImage& g = key.gradient();
        QCOMPARE(g.pixelColor(5, 0), QColor(Qt::white));
        QCOMPARE(g.pixelColor(5, 140), Silver);
        QCOMPARE(g.pixelColor(5, 70), QColor(224, 224, 224)); // band 127
        QCOMPARE(g.pixelColor(5, 71), QColor(223, 223, 223)); // band 128
        for (int y = 1; y < g.height(); ++y)
            QVERIFY(g.pixelColor(5, y).red() <= g.pixelColor(5, y - 1).red());

        // Black border, white bevel above and left, black bevel below and right.
        QCOMPARE(face.pixelColor(0, 0), QColor(Qt::black));
        QCOMPARE(face.pixelColor(25, 142), QColor(Qt::black));
        QCOMPARE(face.pixelColor(0, 70), QColor(Qt::black));
        QCOMPARE(face.pixelColor(1, 70), QColor(Qt::white));
        QCOMPARE(face.pixelColor(24, 70), QColor(Qt::black));
        QCOMPARE(face.pixelColor(12, 72), QColor(223, 223, 223)); // gradient row 71
    }

    void commandButtonHasWiderBorderAndBevel() {
        TGradButton button;
        button.resize(132, 30);
        button.setGradColor(QColor(0, 255, 0));
        button.setFaceColor(QColor(0, 255, 0));
        button.setBevelWidth(2);
        button.setBorderWidth(2);
        const QImage face = button.grab().toImage();
        QCOMPARE(button.gradient().size(), QSize(128, 26));
        QCOMPARE(face.pixelColor(1, 15), QColor(Qt::black));
        QCOMPARE(face.pixelColor(2, 15), QColor(Qt::white));
        QCOMPARE(face.pixelColor(3, 15), QColor(Qt::white));
        QCOMPARE(face.pixelColor(4, 15), QColor(0, 255, 0));
    }

    void gradientRegeneratesOnlyWhenNeeded() {
        TGradButton key;
        makeWhiteKey(key);
        key.show();
        QVERIFY(QTest::qWaitForWindowExposed(&key));
        PaintCounter counter;
        key.installEventFilter(&counter);

        const qint64 before = key.gradient().cacheKey();
        key.setGradColor(Qt::white);
        QCOMPARE(key.gradient().cacheKey(), before);
        QCOMPARE(counter.paints, 0);

        key.setGradColor(QColor(250, 250, 250));
        QVERIFY(key.gradient().cacheKey() != before);
        QCOMPARE(key.gradient().pixelColor(0, 0), QColor(250, 250, 250));
        QCOMPARE(counter.paints, 1); // painted at once, not later

        // A new size is taken at the next paint, and only then.
        const qint64 sized = key.gradient().cacheKey();
        key.resize(30, 100);
        QCOMPARE(key.gradient().size(), QSize(24, 141));
        QCOMPARE(key.gradient().cacheKey(), sized);
        key.repaint();
        QCOMPARE(key.gradient().size(), QSize(28, 98));
    }

    void captionOnBottomEdgeWithMarginZeroElseCentred() {
        TGradButton key;
        key.resize(26, 143);
        key.setGradColor(Qt::white);
        key.setFaceColor(Qt::white);
        key.setFontColor(Qt::black);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(14);
        key.setFont(font);
        key.setCaption(QStringLiteral("C"));
        const int textHeight = QFontMetrics(font).height();

        key.setMargin(0);
        QList<int> rows = rowsWith(key.grab().toImage(), Qt::black, 2);
        QVERIFY(!rows.isEmpty());
        QVERIFY(rows.first() >= 143 - textHeight);

        key.setMargin(-1);
        rows = rowsWith(key.grab().toImage(), Qt::black, 2);
        QVERIFY(!rows.isEmpty());
        const int top = (143 - textHeight) / 2;
        QVERIFY(rows.first() >= top);
        QVERIFY(rows.last() < top + textHeight);
    }

    void aDisabledButtonLooksDisabled() {
        // "Repeat Notes" as the pitch trainer builds it.
        TGradButton button;
        button.resize(132, 30);
        button.setGradColor(QColor(0, 255, 255));
        button.setFaceColor(QColor(0, 255, 255));
        button.setBevelWidth(2);
        button.setBorderWidth(2);
        button.setFontColor(Qt::black);
        button.setCaption(QStringLiteral("Repeat Notes"));
        const QImage enabled = button.grab().toImage();
        button.setEnabled(false);
        const QImage disabled = button.grab().toImage();
        QVERIFY(disabled != enabled);

        // The face is paler: its colour moves towards the window's grey.
        const QPoint corner(6, 6);
        QVERIFY(disabled.pixelColor(corner).saturation() <
                enabled.pixelColor(corner).saturation() / 2);
        // The caption is grey, not black, and just as legible as before.
        auto countOf = [](const QImage& image, const QColor& color) {
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    n += image.pixelColor(x, y) == color ? 1 : 0;
            return n;
        };
        const int blackInside = [&] {
            const QImage inside = disabled.copy(disabled.rect().adjusted(4, 4, -4, -4));
            return countOf(inside, Qt::black);
        }();
        QCOMPARE(blackInside, 0);
        int grey = 0;
        for (int y = 0; y < disabled.height(); ++y)
            for (int x = 0; x < disabled.width(); ++x) {
                const QColor c = disabled.pixelColor(x, y);
                const QColor g = TGradButton::disabledCaptionColor();
                grey += std::abs(c.red() - g.red()) + std::abs(c.green() - g.green()) +
                                    std::abs(c.blue() - g.blue()) <
                                24
                            ? 1
                            : 0;
            }
        QVERIFY2(grey > 30, qPrintable(QString::number(grey)));

        // Enabled again, it looks as it did.
        button.setEnabled(true);
        QCOMPARE(button.grab().toImage(), enabled);
    }

    void momentaryPressTrackingAndClick() {
        TGradButton key;
        makeWhiteKey(key);
        key.setToolTip(QStringLiteral("Middle C is C3"));
        QSignalSpy clicks(&key, &TGradButton::clicked);
        const QImage up = key.grab().toImage();

        sendMouse(&key, QEvent::MouseButtonPress, {10, 50}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(key.isPressed());
        QVERIFY(!key.hasFocus());
        const QImage down = key.grab().toImage();
        // Pressed: the bevel turns round (black above, silver below) and the face moves.
        QCOMPARE(down.pixelColor(1, 70), QColor(Qt::black));
        QCOMPARE(down.pixelColor(24, 70), Silver);
        QCOMPARE(up.pixelColor(2, 2), QColor(Qt::white));

        sendMouse(&key, QEvent::MouseMove, {40, 50}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(!key.isPressed());
        sendMouse(&key, QEvent::MouseMove, {10, 60}, Qt::NoButton, Qt::LeftButton);
        QVERIFY(key.isPressed());
        sendMouse(&key, QEvent::MouseButtonRelease, {10, 60}, Qt::LeftButton, Qt::NoButton);
        QVERIFY(!key.isPressed());
        QCOMPARE(clicks.count(), 1);

        // Out and released outside: no click.
        sendMouse(&key, QEvent::MouseButtonPress, {10, 50}, Qt::LeftButton, Qt::LeftButton);
        sendMouse(&key, QEvent::MouseMove, {-3, 50}, Qt::NoButton, Qt::LeftButton);
        sendMouse(&key, QEvent::MouseButtonRelease, {-3, 50}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!key.isPressed());

        // Other buttons do nothing.
        sendMouse(&key, QEvent::MouseButtonPress, {10, 50}, Qt::RightButton, Qt::RightButton);
        QVERIFY(!key.isPressed());
        QCOMPARE(key.focusPolicy(), Qt::NoFocus);
    }
};

QTEST_MAIN(TestTGradButton)
#include "tst_TGradButton.moc"
