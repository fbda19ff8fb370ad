// The microphone's libraries and inputs are left alone until they are of use: not at the
// window's start, not by the menu before it shows. When they cannot be loaded the student is
// told once, and the keys answer as before. Each test runs in a process of its own (what is
// loaded stays loaded).
#include "AubioLibrary.h"
#include "InputBackend.h"
#include "LoadedLibrary.h"
#include "MersenneRandom.h"
#include "MicrophoneCapture.h"
#include "MicrophoneMenu.h"
#include "MidiOut.h"
#include "ModalAnswerer.h"
#include "RecordingMidiPlatform.h"
#include "ScoreStore.h"
#include "SingingAnalyser.h"
#include "TForm1.h"
#include "TGradButton.h"
#include "VirtualClock.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace tonewise;

namespace {

bool microphoneLoaded() {
    return libraryLoaded("liblistening_backend.so") || libraryLoaded("libQt6Multimedia.so.6");
}

// The boxes that speak of `what`.
qsizetype boxesOf(const ScriptedBoxes& boxes, const QString& what) {
    return boxes.informationsSaying(what);
}

// A pitch trainer's window listening to the microphone as the program's does.
struct Window {
    QTemporaryDir dir;
    scores::ScoreStore store{dir.filePath(QStringLiteral("Qor_Music"))};
    ScriptedBoxes boxes;
    RecordingMidiPlatform platform{{QStringLiteral("Built-in synthesizer")}};
    TMidiOutput output{nullptr, &platform};
    MersenneRandom random{20261209};
    VirtualClock clock;
    listening::SingingAnalyser analyser;
    listening::MicrophoneCapture capture{{&analyser}};
    TForm1 window{boxes, output, random, clock, clock, store};

    Window() {
        boxes.setTitle(QStringLiteral("Tonewise"));
        boxes.attach(&window, window.ScoreRecord);
        window.listenToMicrophone(capture, analyser);
        window.show();
    }

    // The question asked once the clock moves on, answered on its key.
    void answerOnTheKeys() {
        clock.advance(1000);
        ASSERT_NE(window.state().QuestionPitch, 0);
        const int before = window.state().CorrectCount;
        QTest::mouseClick(window.keyButton(keyboardKeyForMidi(window.state().QuestionPitch)->name),
                          Qt::LeftButton);
        EXPECT_EQ(window.state().CorrectCount, before + 1);
    }

    // Singing practice twice, Pitches practice between and after, answered on the keys.
    void singTwiceAndAnswerOnTheKeys() {
        answerOnTheKeys();
        window.menuAction(QStringLiteral("Singing"))->trigger();
        window.menuAction(QStringLiteral("Scalesteps"))->trigger();
        window.menuAction(QStringLiteral("Singing"))->trigger();
        window.menuAction(QStringLiteral("Scalesteps"))->trigger();
        QTest::qWait(50);
        answerOnTheKeys();
    }
};

} // namespace

TEST(MicrophoneOnDemand, NothingOfTheMicrophoneIsLoadedBeforeTheFirstQuestion) {
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.window.state().Score.isEmpty(); }));
    QTest::qWait(100);
    EXPECT_FALSE(microphoneLoaded());
    EXPECT_FALSE(libraryLoaded("libaubio.so.5"));
    EXPECT_FALSE(w.capture.isListening());
    EXPECT_TRUE(w.window.microphoneMenu()->menu()->actions().isEmpty());

    // The first question waits for its answer: the inputs are looked at (there are none here),
    // quietly, and the keys answer.
    w.answerOnTheKeys();
    EXPECT_TRUE(QTest::qWaitFor([] { return libraryLoaded("liblistening_backend.so"); }));
    QTest::qWait(50);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("microphone")), 0);
}

TEST(MicrophoneOnDemand, TheMenuListsTheInputsOnlyWhenAboutToShow) {
    QMenu menu;
    listening::MicrophoneCapture capture({});
    MicrophoneMenu microphones(capture, &menu);
    EXPECT_TRUE(menu.actions().isEmpty());
    EXPECT_FALSE(microphoneLoaded());

    emit menu.aboutToShow();
    ASSERT_FALSE(menu.actions().isEmpty());
    EXPECT_EQ(menu.actions().first()->text(), QStringLiteral("None"));
    EXPECT_TRUE(menu.actions().first()->isChecked());
    EXPECT_TRUE(libraryLoaded("liblistening_backend.so"));
    EXPECT_FALSE(capture.isListening());
}

TEST(MicrophoneOnDemand, AMissingModuleIsToldOnceAndTheKeysAnswer) {
    listening::useInputModule(QStringLiteral("/nonexistent/liblistening_backend.so"));
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    w.singTwiceAndAnswerOnTheKeys();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxesOf(w.boxes, QStringLiteral("microphone")); }));
    QTest::qWait(50);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("microphone")), 1);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("cannot be listened to")), 1);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("not installed")), 1);
    EXPECT_FALSE(w.capture.isListening());
    EXPECT_FALSE(microphoneLoaded());
}

TEST(MicrophoneOnDemand, AMissingAnalysisLibraryIsToldOnceAndTheKeysAnswer) {
    listening::AubioLibrary::useFileName(QStringLiteral("libaubio-absent.so.5"));
    Window w;
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w.window));
    w.singTwiceAndAnswerOnTheKeys();
    ASSERT_TRUE(QTest::qWaitFor([&] { return boxesOf(w.boxes, QStringLiteral("microphone")); }));
    QTest::qWait(50);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("microphone")), 1);
    EXPECT_EQ(boxesOf(w.boxes, QStringLiteral("libaubio-absent.so.5")), 1);
    EXPECT_FALSE(w.capture.isListening());
    // Sound fed to the analyser is not heard either, and nothing fails.
    std::vector<float> silence(4800, 0.0f);
    w.analyser.analyse(silence, 48000, 0);
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
