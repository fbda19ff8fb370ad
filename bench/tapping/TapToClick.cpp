#include "TapToClick.h"

#include "BenchSupport.h"
#include "BuiltinSynth.h"
#include "MersenneRandom.h"
#include "MidiGenPlayer.h"
#include "QtTimers.h"
#include "ScoreStore.h"
#include "ScriptedDialogs.h"
#include "SoundServerRig.h"
#include "StepSpinEdit.h"
#include "SynthTapClick.h"
#include "SystemClock.h"
#include "TGradBtn.h"
#include "TMidiGen.h"
#include "TRhytm7.h"

#include <QApplication>
#include <QKeyEvent>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

using bench::SteadyClock;

constexpr int kLevel = 1500; // a side stick's attack is far above this

// The first frame from `from` on where either channel rises above the click's level and far
// above what it was a few milliseconds before; -1 when there is none before `to`.
long clickOnset(const std::vector<int16_t>& s, long from, long to) {
    const long size = static_cast<long>(s.size()) / 2;
    const long before = bench::MonitorRecorder::Rate / 200;
    for (long f = std::max(before, from); f < to && f < size; ++f) {
        const int level = std::max(std::abs(int(s[2 * f])), std::abs(int(s[2 * f + 1])));
        if (level <= kLevel)
            continue;
        int earlier = 0;
        for (long g = f - before; g < f - before / 2; ++g)
            earlier = std::max({earlier, std::abs(int(s[2 * g])), std::abs(int(s[2 * g + 1]))});
        if (level > 3 * earlier)
            return f;
    }
    return -1;
}

bool synthesizerReady() {
    midi::SynthOptions options;
    options.audioDrivers = QStringList{QStringLiteral("pulseaudio")};
    midi::configureBuiltinSynth(options);
    midi::warmUpBuiltinSynth();
    for (int i = 0; i < 600 && !midi::SynthStatus::instance().ready(); ++i)
        bench::pause(50);
    return midi::SynthStatus::instance().ready();
}

// One space bar press to the window that has the focus; when it was sent.
SteadyClock::time_point pressSpace(QWidget* window) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
    const auto at = SteadyClock::now();
    QApplication::sendEvent(target, &press);
    QApplication::sendEvent(target, &release);
    return at;
}

} // namespace

std::vector<double> tapToClickMs(int taps, QString& why) {
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty() ||
        QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) {
        why = QStringLiteral(
            "pulseaudio and parec are needed (Debian: pulseaudio, pulseaudio-utils)");
        return {};
    }
    bench::SoundServer server;
    if (!server.start()) {
        why = QStringLiteral("the private sound server did not start");
        return {};
    }
    bench::MonitorRecorder recorder;
    recorder.start();
    // A null sink that has been idle has rendered silence far ahead; with the low-latency
    // recording running it soon keeps pace again.
    bench::pause(2500);
    if (!synthesizerReady()) {
        why = QStringLiteral("the built-in synthesizer cannot be heard");
        return {};
    }

    QTemporaryDir folder;
    scores::ScoreStore store(folder.filePath(QStringLiteral("scores")));
    ScriptedDialogs boxes(QStringLiteral("Beatwise"));
    TMidiGen midiGen;
    midiGen.SetChannel(mgCh10);
    MidiGenPlayer player(midiGen);
    MersenneRandom random;
    SystemClock clock;
    QtTimers timers;
    SynthTapClick click;
    TRhytm7 window(boxes, player, random, clock, store);
    window.enableTapping(timers, click);
    window.show();
    window.activateWindow();
    bench::pause(300);

    std::vector<double> latencies;
    window.Speed->setValue(30); // the longest performance: most taps for one count-in
    emit window.StartButton->clicked();
    while (static_cast<int>(latencies.size()) < taps) {
        emit window.TapRhythm->clicked();
        bench::pause(4500); // the count-in at 30 beats a minute
        for (int i = 0; i < 8 && window.state().Tapping; ++i) {
            const auto pressed = pressSpace(&window);
            bench::pause(500);
            const long from = recorder.frameAt(pressed) - bench::MonitorRecorder::Rate / 200;
            const long onset =
                clickOnset(recorder.samples(), from, from + bench::MonitorRecorder::Rate / 4);
            if (onset >= 0)
                latencies.push_back(
                    std::chrono::duration<double, std::milli>(recorder.timeOf(onset) - pressed)
                        .count());
        }
        if (latencies.empty()) {
            why = QStringLiteral("no click was heard at the sink");
            break;
        }
    }
    window.close();
    recorder.stop();
    server.stop();
    return latencies;
}
