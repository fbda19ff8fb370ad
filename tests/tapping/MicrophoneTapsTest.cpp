// The real microphone path once, through a private PulseAudio: a null sink's monitor is the
// default input, a recording of the question's row clapped by the synthesizer is played into
// the sink, and the running window writes the row from what its microphone heard.
#include "MicrophoneTaps.h"
#include "ClapRecordings.h"
#include "MersenneRandom.h"
#include "ModalAnswerer.h"
#include "PrivateSoundServer.h"
#include "QtTimers.h"
#include "RhythmTestDoubles.h"
#include "ScoreStore.h"
#include "SystemClock.h"
#include "TGradBtn.h"
#include "TRhytm7.h"
#include "TapClick.h"
#include "TapPerformance.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cmath>

namespace {

PrivateSoundServer* server = nullptr;

struct CountingClick final : TapClick {
    void sound() override { ++clicks; }
    int clicks = 0;
};

} // namespace

TEST(MicrophoneTaps, ClapsPlayedIntoTheDefaultInputAnswerInTheWindow) {
    if (!server)
        GTEST_SKIP() << "PulseAudio could not be started";
    ASSERT_GE(server->addMicrophone(QStringLiteral("claps"), QStringLiteral("Clapping student")),
              0);
    ASSERT_TRUE(server->pactl({QStringLiteral("set-default-source"), QStringLiteral("claps")}));

    QTemporaryDir folder;
    scores::ScoreStore store(folder.filePath(QStringLiteral("scores")));
    ScriptedBoxes boxes;
    RecordingPlayer player;
    MersenneRandom random(77);
    SystemClock clock;
    QtTimers timers;
    CountingClick click;
    TRhytm7 window(boxes, player, random, clock, store);
    boxes.attach(&window, window.ScoreRecord);
    window.enableTapping(timers, click);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    // The default input is listened to before the first clap, which starts Tap the Rhythm here.
    window.startListening();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.microphone()->isListening(); }, 5000));

    window.simpleLevels[5]->trigger(); // 8 patterns
    boxes.confirmAnswers = {true};
    QTest::mouseClick(window.StartButton, Qt::LeftButton);
    const TapPerformance::Row question = window.state().QuestionPatterns;
    const TapGrid grid = TapGrid::forQuestion(Meter::Simple, window.state().Speed);
    // A first clap, then the row clapped from the count-in's start `kLeadMs` later. A sound
    // server's idle sink starts playing a good while after it is asked to, so the count-in is
    // started on the first clap as the microphone hears it.
    constexpr double kSyncMs = 300, kLeadMs = 1800;
    std::mt19937_64 seed(3);
    std::vector<double> times{kSyncMs};
    for (double t : TapPerformance::performed(grid, question, 15, seed))
        times.push_back(kLeadMs + t);
    const Recording claps = ClapRecordings::synthesizerClaps(times, {110});
    if (claps.samples.empty())
        GTEST_SKIP() << "the synthesizer cannot render";
    const QString wav = folder.filePath(QStringLiteral("claps.wav"));
    ASSERT_TRUE(ClapRecordings::writeWav(claps, wav));

    int heard = 0;
    QTimer countIn;
    countIn.setSingleShot(true);
    countIn.setTimerType(Qt::PreciseTimer);
    QObject::connect(&countIn, &QTimer::timeout,
                     [&window] { QTest::mouseClick(window.TapRhythm, Qt::LeftButton); });
    QObject::connect(window.microphone(), &MicrophoneTaps::heard, [&](double agoMs) {
        if (heard++ == 0)
            countIn.start(static_cast<int>(std::lround(kLeadMs - kSyncMs - agoMs)));
    });
    ASSERT_TRUE(server->startPlaying(wav));
    QElapsedTimer waited;
    waited.start();
    while (!window.state().Tapping && waited.elapsed() < 10000)
        QTest::qWait(5);
    ASSERT_TRUE(window.state().Tapping) << "the first clap was not heard";
    while (window.state().Tapping && waited.elapsed() < 30000)
        QTest::qWait(20);
    ASSERT_FALSE(window.state().Tapping) << "the beats were never all decided";

    TapPerformance::Row written{};
    for (int beat = 0; beat < 7; ++beat) {
        written[std::size_t(beat)] = -1;
        for (int p = 0; p < RhythmCatalogue::kSimplePatterns; ++p)
            if (window.state().ShowRes[std::size_t(2 + beat)] ==
                *RhythmCatalogue::answerGlyph(Meter::Simple, p))
                written[std::size_t(beat)] = p;
    }
    EXPECT_GE(TapPerformance::beatsRight(question, written), 6)
        << heard << " claps heard of " << claps.onsetMs.size();
    EXPECT_EQ(click.clicks, 0); // claps are heard, not clicked
}

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const bool listing =
        QCoreApplication::arguments().contains(QStringLiteral("--gtest_list_tests"));
    std::unique_ptr<PrivateSoundServer> owner;
    if (!listing) {
        owner = std::make_unique<PrivateSoundServer>();
        if (owner->start())
            server = owner.get();
    }
    return RUN_ALL_TESTS();
}
