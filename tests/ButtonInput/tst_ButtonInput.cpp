#include "ButtonInput.h"
#include "SetterBookkeeping.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QShortcutEvent>
#include <QTest>
#include <QWidget>

namespace {

QMouseEvent mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
    return QMouseEvent(type, QPointF(at), QPointF(at), button, held, Qt::NoModifier);
}

// Counts the shortcut events that are its own.
class KeyedButton : public QWidget {
public:
    using QWidget::QWidget;
    ButtonShortcuts keys{this};
    int owned = 0;

protected:
    bool event(QEvent* event) override {
        if (keys.owns(event)) {
            ++owned;
            return true;
        }
        return QWidget::event(event);
    }
};

} // namespace

class TestButtonInput : public QObject {
    Q_OBJECT

private slots:
    void aPressIsAClickOnlyWhenReleasedOverTheButton() {
        const QRect area(0, 0, 50, 20);
        PressTracker press;
        // Only the left button starts one.
        auto right = mouse(QEvent::MouseButtonPress, {5, 5}, Qt::RightButton, Qt::RightButton);
        QVERIFY(!press.press(&right));
        auto left = mouse(QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
        QVERIFY(press.press(&left));

        // The pointer leaves and comes back while the button is held.
        auto out = mouse(QEvent::MouseMove, {80, 5}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(press.move(&out, area), std::optional<bool>(false));
        auto back = mouse(QEvent::MouseMove, {10, 5}, Qt::NoButton, Qt::LeftButton);
        QCOMPARE(press.move(&back, area), std::optional<bool>(true));
        auto unheld = mouse(QEvent::MouseMove, {10, 5}, Qt::NoButton, Qt::NoButton);
        QCOMPARE(press.move(&unheld, area), std::nullopt);

        auto otherUp = mouse(QEvent::MouseButtonRelease, {10, 5}, Qt::RightButton, Qt::LeftButton);
        QCOMPARE(press.release(&otherUp, area), std::nullopt);
        QVERIFY(press.isTracking());
        auto up = mouse(QEvent::MouseButtonRelease, {10, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(press.release(&up, area), std::optional<bool>(true));
        QVERIFY(!press.isTracking());
        QCOMPARE(press.release(&up, area), std::nullopt); // one click per press

        // Released away from the button, or after the press was given up: no click.
        QVERIFY(press.press(&left));
        auto away = mouse(QEvent::MouseButtonRelease, {80, 5}, Qt::LeftButton, Qt::NoButton);
        QCOMPARE(press.release(&away, area), std::optional<bool>(false));
        QVERIFY(press.press(&left));
        press.cancel();
        QCOMPARE(press.release(&up, area), std::nullopt);
    }

    void shortcutsAreTheButtonsOwnAndGivenUp() {
        QWidget window;
        auto* button = new KeyedButton(&window);
        button->keys.addAccelerator(QStringLiteral("&Next Question"));
        button->keys.add(QKeySequence(Qt::Key_Escape));
        auto* other = new KeyedButton(&window);
        other->keys.add(QKeySequence(Qt::Key_F2));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QTest::keyClick(&window, Qt::Key_N);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(button->owned, 3);
        QCOMPARE(other->owned, 0);
        QTest::keyClick(&window, Qt::Key_F2);
        QCOMPARE(button->owned, 3);
        QCOMPARE(other->owned, 1);

        // Given up, the keys reach the button no more; a caption without an accelerator takes
        // none.
        button->keys.clear();
        button->keys.addAccelerator(QStringLiteral("Fish && Chips"));
        QTest::keyClick(&window, Qt::Key_Escape);
        QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
        QCOMPARE(button->owned, 3);
    }

    void acceleratorsAndPlainEnter() {
        QCOMPARE(acceleratorOf(QStringLiteral("&Next")), QChar(u'N'));
        QCOMPARE(acceleratorOf(QStringLiteral("Fish && &Chips")), QChar(u'C'));
        QVERIFY(acceleratorOf(QStringLiteral("Fish && Chips")).isNull());
        QVERIFY(acceleratorOf(QStringLiteral("end&")).isNull());

        QKeyEvent enter(QEvent::ShortcutOverride, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(claimEnter(&enter));
        QVERIFY(enter.isAccepted());
        QKeyEvent shiftReturn(QEvent::ShortcutOverride, Qt::Key_Return, Qt::ShiftModifier);
        QVERIFY(!claimEnter(&shiftReturn));
        QKeyEvent pressed(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QVERIFY(isPlainEnter(&pressed));
        QVERIFY(!claimEnter(&pressed)); // only the shortcut override is claimed
    }

    void settersReportWhetherAnythingChanged() {
        int size = 3;
        QVERIFY(!changed(size, 3));
        QVERIFY(changed(size, 4));
        QCOMPARE(size, 4);
    }
};

QTEST_MAIN(TestButtonInput)
#include "tst_ButtonInput.moc"
