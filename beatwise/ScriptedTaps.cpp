#include "ScriptedTaps.h"

#include "ClapHearing.h"
#include "RecordingFeeder.h"
#include "RhythmTrainer.h"
#include "ScriptSession.h"

#include <algorithm>
#include <cmath>

ScriptedTaps::ScriptedTaps(ScriptSession& session, RhythmTrainer& trainer)
    : session_(session), trainer_(trainer) {}

ScriptedTaps::~ScriptedTaps() = default;

void ScriptedTaps::schedule(qint64 afterMs, std::function<void()> action) {
    // Taps already struck leave room for new ones.
    std::erase_if(pending_, [](const std::unique_ptr<Timer>& t) { return !t->isArmed(); });
    if (pending_.size() >= kMaxPending)
        throw ScriptError(QStringLiteral("more than %1 taps are waiting").arg(kMaxPending));
    pending_.push_back(session_.timers().createTimer(std::move(action)));
    pending_.back()->start(static_cast<int>(afterMs));
}

void ScriptedTaps::tap(const QString& times) {
    const QStringList words = times.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        throw ScriptError(QStringLiteral("tap needs the times of the taps in milliseconds"));
    std::vector<qint64> after;
    for (const QString& word : words) {
        bool ok = false;
        const qint64 ms = word.toLongLong(&ok);
        if (!ok || ms < 0 || ms > kLatestMs)
            throw ScriptError(QStringLiteral("a tap's time is 0 to %1 milliseconds, not \"%2\"")
                                  .arg(kLatestMs)
                                  .arg(word));
        after.push_back(ms);
    }
    for (qint64 ms : after)
        schedule(ms, [this] { trainer_.tap(); });
}

void ScriptedTaps::clap(const QString& path) {
    if (path.isEmpty())
        throw ScriptError(QStringLiteral("clap needs a WAV recording"));
    std::vector<listening::HeardClap> heard;
    listening::ClapHearing hearing(
        [&heard](const listening::HeardClap& clap) { heard.push_back(clap); });
    // Blocks of 10 ms at 48 kHz, as the microphone's capture delivers them.
    listening::RecordingFeeder feeder({&hearing}, 480);
    QString why;
    if (feeder.feedFile(path, 0, &why) < 0)
        throw ScriptError(QStringLiteral("cannot hear %1: %2").arg(path, why));
    hearing.flush();
    const double startMs = static_cast<double>(session_.clock().now());
    for (const listening::HeardClap& clap : heard) {
        const auto at = static_cast<qint64>(std::ceil(clap.heardAtMs));
        schedule(at, [this, began = startMs + clap.onsetMs] { trainer_.tapHeard(began); });
    }
}
