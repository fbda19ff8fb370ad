#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class RhythmTrainer;
class ScriptSession;
class Timer;

// The taps of a script, on its virtual clock:
//   tap MS MS ...   the space bar struck MS milliseconds after this line, for each MS
//   clap FILE.wav   a recording of claps heard by the microphone from this moment: each clap
//                   reaches the trainer when the onset detector would have placed it
// Each tap is run through the session's event boundary at its time.
class ScriptedTaps {
public:
    static constexpr int kMaxPending = 4096; // taps waiting at once; a script cannot grow it
    static constexpr qint64 kLatestMs = 24LL * 3600 * 1000;

    ScriptedTaps(ScriptSession& session, RhythmTrainer& trainer);
    ~ScriptedTaps();

    // The times of a "tap" line.
    void tap(const QString& times);
    // The file of a "clap" line; a path relative to the current folder.
    void clap(const QString& path);

private:
    void schedule(qint64 afterMs, std::function<void()> action);

    ScriptSession& session_;
    RhythmTrainer& trainer_;
    std::vector<std::unique_ptr<Timer>> pending_;
};
