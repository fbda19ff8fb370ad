// Beatwise leaves the microphone alone until Tap the Rhythm first starts: then it looks for the
// default input and, finding none, says so once while the other taps go on.
#include "LoadedLibrary.h"
#include "WindowHarness.h"

#include "MicrophoneTaps.h"
#include "TLumeButton1.h"

#include <QMenu>

#include <gtest/gtest.h>

namespace {

// The boxes that say there is no microphone.
qsizetype microphoneBoxes(const ScriptedBoxes& boxes) {
    return boxes.informationsSaying(QStringLiteral("No microphone"));
}

} // namespace

TEST(TapMicrophone, OpenedByTheFirstTapTheRhythmAndToldOnceWhenMissing) {
    WindowFixture f;
    TRhytm7& w = *f.window;
    ASSERT_TRUE(f.showAsStarted());
    f.boxes.confirmAnswers = {true, true, true, true};
    f.click(w.StartButton);
    QTest::qWait(50);
    EXPECT_FALSE(libraryLoaded("liblistening_backend.so"));
    EXPECT_FALSE(libraryLoaded("libQt6Multimedia.so.6"));
    EXPECT_FALSE(libraryLoaded("libaubio.so.5"));
    EXPECT_TRUE(w.Microphone->actions().isEmpty());

    // Tap the Rhythm, one tap on the space bar, then the answer checked.
    const auto tapOnce = [&] {
        f.clock.ms += 1000;
        f.click(w.TapRhythm);
        ASSERT_TRUE(f.state().Tapping);
        w.Repetir->setFocus();
        f.clock.ms += 1000;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTest::qWait(50);
        f.clock.ms += 4000;
        f.click(w.AnsDisplay);
        ASSERT_FALSE(f.state().Tapping);
    };
    tapOnce();
    ASSERT_TRUE(QTest::qWaitFor([&] { return microphoneBoxes(f.boxes) > 0; }));
    EXPECT_TRUE(libraryLoaded("liblistening_backend.so"));
    EXPECT_EQ(microphoneBoxes(f.boxes), 1);
    EXPECT_FALSE(w.microphone()->isListening());
    EXPECT_EQ(f.tapClick.clicks, 1);

    // The next question's tapping says nothing more; the space bar taps as before.
    f.click(w.StartButton);
    tapOnce();
    QTest::qWait(100);
    EXPECT_EQ(microphoneBoxes(f.boxes), 1);
    EXPECT_EQ(f.tapClick.clicks, 2);
}

int main(int argc, char** argv) {
    // No sound server of this machine's is reached: there are no inputs.
    qputenv("PULSE_SERVER", "unix:/nonexistent/pulse/native");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
