// The real way in for a sung answer: a private PulseAudio whose default input reads a null
// sink's monitor, a recording played into the sink, and the running window (offscreen) hearing
// it through the microphone capture and answering with it; then the microphone unplugged, said
// once, and the keys answering on.
#include "MersenneRandom.h"
#include "MicrophoneCapture.h"
#include "MicrophoneMenu.h"
#include "MidiOut.h"
#include "ModalAnswerer.h"
#include "OtherSounds.h"
#include "PrivateSoundServer.h"
#include "RecordingMidiPlatform.h"
#include "ScoreStore.h"
#include "SingingAnalyser.h"
#include "SoundMix.h"
#include "StaffView.h"
#include "SyntheticVoice.h"
#include "TForm1.h"
#include "TGradButton.h"
#include "TunerView.h"
#include "VirtualClock.h"

#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

using namespace tonewise;

class SungAnswerWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void aSungNoteAnswersThroughTheMicrophone();
    void cleanupTestCase();

private:
    std::unique_ptr<PrivateSoundServer> server_;
    int microphone_ = -1;
};

void SungAnswerWindow::initTestCase() {
    // Before anything talks to a sound server: the environment then points at ours.
    server_ = std::make_unique<PrivateSoundServer>();
    if (!server_->start())
        QSKIP("PulseAudio could not be started");
    microphone_ =
        server_->addMicrophone(QStringLiteral("microphone"), QStringLiteral("Test microphone"));
    QVERIFY(microphone_ >= 0);
    QVERIFY(QTest::qWaitFor([] { return !listening::MicrophoneCapture::inputs().isEmpty(); }));
}

void SungAnswerWindow::cleanupTestCase() {
    server_.reset();
}

void SungAnswerWindow::aSungNoteAnswersThroughTheMicrophone() {
    QTemporaryDir dir;
    scores::ScoreStore store(dir.filePath(QStringLiteral("Qor_Music")));
    ScriptedBoxes boxes;
    boxes.setTitle(QStringLiteral("Tonewise"));
    RecordingMidiPlatform platform({QStringLiteral("Built-in synthesizer")});
    TMidiOutput output(nullptr, &platform);
    MersenneRandom random(20261208);
    VirtualClock clock;
    listening::SingingAnalyser analyser;
    listening::MicrophoneCapture capture({&analyser});
    TForm1 window(boxes, output, random, clock, clock, store);
    boxes.attach(&window, window.ScoreRecord);
    window.listenToMicrophone(capture, analyser);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(QTest::qWaitFor([&] { return !window.state().Score.isEmpty(); }));

    // Nothing listens before the first question, the tonic, C3; then the default input is
    // heard, and the tuner waits beside the staff.
    QVERIFY(!window.microphoneMenu()->isListening());
    clock.advance(1000);
    QCOMPARE(int(window.state().QuestionPitch), 60);
    QVERIFY(QTest::qWaitFor([&] { return window.microphoneMenu()->isListening(); }));
    QVERIFY(QTest::qWaitFor([&] { return window.Tuner->isVisible(); }));
    emit window.microphoneMenu()->menu()->aboutToShow();
    QCOMPARE(window.microphoneMenu()->menu()->actions().size(), 2); // None, Test microphone
    QVERIFY(window.microphoneMenu()->menu()->actions()[1]->isChecked());

    // A bass sings the question an octave lower.
    std::vector<float> take = recordings::silence(0.4, 48000);
    recordings::mixInto(take, recordings::SyntheticVoice({}).note(48.05, 'a', 1.2), take.size());
    recordings::mixInto(take, recordings::silence(0.4, 48000), take.size());
    const QString path = dir.filePath(QStringLiteral("c2.wav"));
    QVERIFY(recordings::writeMonoWav(path, take, 48000));

    bool tunerShowedC2 = false;
    bool staffShowedVoice = false;
    QVERIFY(server_->startPlaying(path));
    QVERIFY(QTest::qWaitFor(
        [&] {
            tunerShowedC2 |= window.Tuner->face().sung && window.Tuner->face().name == "C2";
            staffShowedVoice |= window.PaintBox1->sungHeight().has_value();
            return window.state().CorrectCount == 1;
        },
        15000));
    QCOMPARE(window.state().AnsShow, QStringLiteral("That is correct: C3"));
    QVERIFY(tunerShowedC2);
    QVERIFY(staffShowedVoice);
    // Once the singing stops, the tuner shows nobody singing.
    QVERIFY(QTest::qWaitFor([&] { return !window.Tuner->face().sung; }, 5000));

    // "None" stops listening and hides the tuner; the microphone chosen again listens again.
    window.microphoneMenu()->menu()->actions()[0]->trigger();
    QVERIFY(!window.microphoneMenu()->isListening());
    QVERIFY(!window.Tuner->isVisible());
    emit window.microphoneMenu()->menu()->aboutToShow();
    QVERIFY(window.microphoneMenu()->menu()->actions()[0]->isChecked());
    window.microphoneMenu()->menu()->actions()[1]->trigger();
    QVERIFY(QTest::qWaitFor([&] { return window.Tuner->isVisible(); }));
    QVERIFY(window.microphoneMenu()->isListening());

    // Unplugged: said once, in a box; listening stops and the keys go on answering.
    const qsizetype before = boxes.informations.size();
    QVERIFY(server_->removeModule(microphone_));
    microphone_ = -1;
    QVERIFY(QTest::qWaitFor([&] { return boxes.informations.size() > before; }, 5000));
    QTest::qWait(1200);
    QCOMPARE(boxes.informations.size(), before + 1);
    QVERIFY(boxes.informations.last().contains(QStringLiteral("\"Test microphone\"")));
    QVERIFY(!window.microphoneMenu()->isListening());
    QVERIFY(!window.Tuner->isVisible());
    clock.advance(1000);
    QTest::mouseClick(window.keyButton(keyboardKeyForMidi(window.state().QuestionPitch)->name),
                      Qt::LeftButton);
    QCOMPARE(window.state().CorrectCount, 2);
}

QTEST_MAIN(SungAnswerWindow)
#include "SungAnswerWindowTest.moc"
